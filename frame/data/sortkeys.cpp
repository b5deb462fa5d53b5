#include "sortkeys_p.h"

#include <frame/runtime/rtl.h>

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <string>

namespace vek::sortkeys {

namespace {

constexpr char32_t kCodePoints = 0x110000;

bool IsAsciiDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

// Walks the code points of a text; a lone surrogate counts as a code point of its own.
class CodePoints {
public:
    explicit CodePoints(QStringView text) : FText(text) {}
    bool HasNext() const { return FAt < FText.size(); }
    char32_t PeekNext() const
    {
        const char16_t c = FText[FAt].unicode();
        if (QChar::isHighSurrogate(c) && FAt + 1 < FText.size() && FText[FAt + 1].isLowSurrogate())
            return QChar::surrogateToUcs4(c, FText[FAt + 1].unicode());
        return c;
    }
    char32_t Next()
    {
        const char32_t c = PeekNext();
        FAt += c > 0xFFFF ? 2 : 1;
        return c;
    }

private:
    QStringView FText;
    qsizetype FAt = 0;
};

// Copies a number candidate into ASCII; false at the first character no number has.
bool ToAscii(QStringView s, char16_t decimalSeparator, std::string& out)
{
    out.clear();
    for (QChar ch : s) {
        char16_t c = ch.unicode();
        if (c == decimalSeparator)
            c = '.';
        if (!(IsAsciiDigit(c) || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'))
            return false;
        out.push_back(char(c));
    }
    return true;
}

// The character without accents: the first code point of its compatibility
// decomposition ('\u00e9' gives 'e'); the character itself when it has none.
char32_t BaseLetter(char32_t c)
{
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    const char32_t first = decomposed.isEmpty() ? c : decomposed.toUcs4().front();
    return first == c || QChar::isMark(first) ? c : first;
}

} // namespace

bool ReadNumber(QStringView s, double& value)
{
    s = s.trimmed();
    if (s.isEmpty() || s.size() > 400)
        return false;
    const QChar first = s.front();
    if (!(first.isDigit() || first == u'+' || first == u'-' || first == u'.'
          || first == DecimalSeparator()))
        return false;
    thread_local std::string ascii;
    if (!ToAscii(s, DecimalSeparator().unicode(), ascii))
        return false;
    const char* begin = ascii.data();
    const char* end = begin + ascii.size();
    bool negative = false;
    if (*begin == '+' || *begin == '-') {
        negative = *begin == '-';
        ++begin;
    }
    // a digit must come before any exponent: "e5" and "." are texts
    const char* firstDigit = std::find_if(begin, end, [](char c) { return IsAsciiDigit(c); });
    const char* firstExponent = std::find_if(begin, end, [](char c) { return c == 'e' || c == 'E'; });
    if (firstDigit == end || firstExponent < firstDigit || (begin != end && (*begin == '+' || *begin == '-')))
        return false;
    double result = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, result, std::chars_format::general);
    if (ptr != end || (ec != std::errc() && ec != std::errc::result_out_of_range))
        return false;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value untouched: tell overflow from underflow by the exponent
        const char* e = std::find_if(begin, end, [](char c) { return c == 'e' || c == 'E'; });
        const bool tiny = e != end && e + 1 != end && e[1] == '-';
        result = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    value = negative ? -result : result;
    return true;
}

void TColumnKeys::Build(int RowCount, const TTextSource& Text)
{
    FKeys.assign(std::size_t(RowCount), Key{0, 0, 0, 0, kEmpty});
    FTokens.clear();
    std::vector<bool> seen(kCodePoints, false);
    std::vector<char32_t> characters{U'0'};
    seen[U'0'] = true;
    QString scratch;
    std::vector<int> textRows;
    for (int row = 0; row < RowCount; ++row) {
        const QStringView text = Text(row, scratch);
        Key& key = FKeys[std::size_t(row)];
        if (text.isEmpty())
            continue;
        if (ReadNumber(text, key.Number)) {
            key.KeyKind = kNumber;
            continue;
        }
        key.KeyKind = kText;
        textRows.push_back(row);
        CodePoints it(text);
        while (it.HasNext()) {
            const char32_t c = it.Next();
            if (seen[c])
                continue;
            seen[c] = true;
            characters.push_back(c);
            const char32_t base = BaseLetter(c);
            if (!seen[base]) {
                seen[base] = true;
                characters.push_back(base);
            }
        }
    }
    if (textRows.empty())
        return;
    RankCharacters(characters);
    for (int row : textRows) {
        Key& key = FKeys[std::size_t(row)];
        const QStringView text = Text(row, scratch);
        key.Offset = std::uint32_t(FTokens.size());
        AppendTokens(text, FBaseRank);
        FTokens.push_back(0);
        AppendTokens(text, FRank);
        key.Length = std::uint16_t(FTokens.size() - key.Offset);
        key.Hash = 14695981039346656037ull; // FNV-1a over the tokens
        for (std::uint32_t i = key.Offset; i < FTokens.size(); ++i)
            key.Hash = (key.Hash ^ FTokens[i]) * 1099511628211ull;
    }
}

void TColumnKeys::RankCharacters(const std::vector<char32_t>& characters)
{
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto textOf = [](char32_t c) { return QString::fromUcs4(&c, 1); };
    std::vector<QString> texts;
    texts.reserve(characters.size());
    for (char32_t c : characters)
        texts.push_back(textOf(c));
    std::vector<int> order(characters.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int byLocale = collator.compare(texts[std::size_t(a)], texts[std::size_t(b)]);
        return byLocale != 0 ? byLocale < 0 : characters[std::size_t(a)] < characters[std::size_t(b)];
    });
    FRank.assign(kCodePoints, 0);
    std::uint32_t rank = 1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::size_t at = std::size_t(order[i]);
        if (i > 0 && collator.compare(texts[std::size_t(order[i - 1])], texts[at]) != 0)
            ++rank;
        FRank[characters[at]] = rank;
    }
    FDigitRank = FRank[U'0'];
    // digit counts and digits stay below 256 as well
    FTokenBits = rank < 256 ? 8 : 16;
    FRankCount = rank;
    FBaseRank.assign(kCodePoints, 0);
    for (char32_t c : characters)
        FBaseRank[c] = FRank[BaseLetter(c)];
}

void TColumnKeys::AppendTokens(QStringView text, const std::vector<std::uint32_t>& rank)
{
    CodePoints it(text);
    while (it.HasNext()) {
        const char32_t c = it.Next();
        if (!IsAsciiDigit(c)) {
            FTokens.push_back(rank[c]);
            continue;
        }
        // a digit run: [rank of '0', number of significant digits, digits...]
        FTokens.push_back(FDigitRank);
        const std::size_t countAt = FTokens.size();
        FTokens.push_back(0);
        char32_t d = c;
        for (;;) {
            if (FTokens.size() > countAt + 1 || d != '0')
                FTokens.push_back(d - '0');
            if (!it.HasNext() || !IsAsciiDigit(it.PeekNext()))
                break;
            d = it.Next();
        }
        FTokens[countAt] = std::uint32_t(FTokens.size() - countAt - 1);
    }
}

std::uint64_t TColumnKeys::Chunk(int row, int level) const
{
    const Key& key = FKeys[std::size_t(row)];
    if (key.KeyKind == kNumber) {
        if (level > 0)
            return 0;
        // IEEE bits ordered as the numbers: flip all bits of negatives, the sign of others
        const double value = key.Number == 0 ? 0.0 : key.Number; // -0 sorts as 0
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return (bits >> 63) ? ~bits : bits | (std::uint64_t(1) << 63);
    }
    // tokens too large for the width are cut to its maximum: still in order, and ties go
    // on to the next chunk
    const int perChunk = 64 / FTokenBits;
    const std::uint32_t maximum = (1u << FTokenBits) - 1;
    std::uint64_t chunk = 0;
    for (int i = perChunk * level; i < perChunk * level + perChunk; ++i) {
        const std::uint32_t token = i < key.Length ? FTokens[key.Offset + std::uint32_t(i)] : 0;
        chunk = (chunk << FTokenBits) | std::min(token, maximum);
    }
    return chunk;
}

int TColumnKeys::Compare(int a, int b) const
{
    const Key& x = FKeys[std::size_t(a)];
    const Key& y = FKeys[std::size_t(b)];
    if (x.KeyKind != y.KeyKind)
        return x.KeyKind < y.KeyKind ? -1 : 1;
    if (x.KeyKind == kNumber)
        return x.Number < y.Number ? -1 : (y.Number < x.Number ? 1 : 0);
    if (x.KeyKind == kEmpty)
        return 0;
    const std::uint32_t* p = FTokens.data() + x.Offset;
    const std::uint32_t* q = FTokens.data() + y.Offset;
    const int n = std::min(x.Length, y.Length);
    for (int i = 0; i < n; ++i)
        if (p[i] != q[i])
            return p[i] < q[i] ? -1 : 1;
    return int(x.Length) - int(y.Length);
}

} // namespace vek::sortkeys
