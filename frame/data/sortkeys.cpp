#include "sortkeys_p.h"

#include <frame/runtime/rtl.h>

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace vek::sortkeys {

namespace {

constexpr char32_t kCodePoints = 0x110000;
// Texts read before a sort judges whether the column repeats its texts.
constexpr int kTextsBeforeJudging = 1 << 18;

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

// A number's IEEE bits, ordered as the numbers: all bits of negatives flipped, the sign
// of others; -0 as 0.
std::uint64_t OrderedBits(double value)
{
    if (value == 0)
        value = 0.0;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return (bits >> 63) ? ~bits : bits | (std::uint64_t(1) << 63);
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
    FKinds.assign(std::size_t(RowCount), kEmpty);
    FOrders.assign(std::size_t(RowCount), 0);
    FSeen.assign(kCodePoints, false);
    FCharacters.assign(1, U'0');
    FSeen[U'0'] = true;
    QString scratch;
    TSequenceSet<char16_t> texts;
    int textRows = 0;
    for (int row = 0; row < RowCount; ++row) {
        const QStringView text = Text(row, scratch);
        if (text.isEmpty())
            continue;
        double number = 0;
        if (ReadNumber(text, number)) {
            FKinds[std::size_t(row)] = kNumber;
            FOrders[std::size_t(row)] = OrderedBits(number);
            continue;
        }
        FKinds[std::size_t(row)] = kText;
        // a column whose first texts hardly repeat is not worth looking texts up in
        if (++textRows == kTextsBeforeJudging && 2 * texts.Count() > std::size_t(textRows))
            texts.StopLooking();
        const std::size_t known = texts.Count();
        FOrders[std::size_t(row)] = texts.Add(text.utf16(), std::size_t(text.size()));
        if (texts.Count() > known)
            CollectCharacters(text);
    }
    if (texts.Count() == 0)
        return;
    RankCharacters();
    // the key of each text stored (texts that differ may have equal keys: "a", "A")
    TTokenSet keys;
    keys.StopLooking();
    std::vector<std::uint32_t> tokens;
    for (std::uint32_t t = 0; t < texts.Count(); ++t) {
        const QStringView text(texts.Items().data() + texts.Start(t), texts.Length(t));
        tokens.clear();
        AppendTokens(text, FBaseRank, tokens);
        tokens.push_back(0);
        AppendTokens(text, FRank, tokens);
        keys.Add(tokens.data(), tokens.size());
    }
    const std::vector<std::uint32_t> rankOfKey = RankKeys(keys);
    for (std::size_t row = 0; row < FKinds.size(); ++row)
        if (FKinds[row] == kText)
            FOrders[row] = rankOfKey[FOrders[row]];
}

void TColumnKeys::CollectCharacters(QStringView text)
{
    CodePoints it(text);
    while (it.HasNext()) {
        const char32_t c = it.Next();
        if (FSeen[c])
            continue;
        FSeen[c] = true;
        FCharacters.push_back(c);
        const char32_t base = BaseLetter(c);
        if (!FSeen[base]) {
            FSeen[base] = true;
            FCharacters.push_back(base);
        }
    }
}

void TColumnKeys::RankCharacters()
{
    const std::vector<char32_t>& characters = FCharacters;
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
    FBaseRank.assign(kCodePoints, 0);
    for (char32_t c : characters)
        FBaseRank[c] = FRank[BaseLetter(c)];
}

void TColumnKeys::AppendTokens(QStringView text, const std::vector<std::uint32_t>& rank,
                               std::vector<std::uint32_t>& tokens) const
{
    CodePoints it(text);
    while (it.HasNext()) {
        const char32_t c = it.Next();
        if (!IsAsciiDigit(c)) {
            tokens.push_back(rank[c]);
            continue;
        }
        // a digit run: [rank of '0', number of significant digits, digits...]
        tokens.push_back(FDigitRank);
        const std::size_t countAt = tokens.size();
        tokens.push_back(0);
        char32_t d = c;
        for (;;) {
            if (tokens.size() > countAt + 1 || d != '0')
                tokens.push_back(d - '0');
            if (!it.HasNext() || !IsAsciiDigit(it.PeekNext()))
                break;
            d = it.Next();
        }
        tokens[countAt] = std::uint32_t(tokens.size() - countAt - 1);
    }
}

// The ranks of keys in key order, equal keys sharing one. Keys are ordered by their
// first two chunks (cheap, and enough for most), then token by token.
std::vector<std::uint32_t> TColumnKeys::RankKeys(const TTokenSet& keys) const
{
    struct Entry {
        std::uint64_t First;
        std::uint64_t Second;
        std::uint32_t Key;
    };
    std::vector<Entry> entries(keys.Count());
    for (std::uint32_t k = 0; k < keys.Count(); ++k)
        entries[k] = Entry{Chunk(keys, k, 0), Chunk(keys, k, 1), k};
    const auto tokensOf = [&keys](std::uint32_t key) {
        const std::uint32_t* first = keys.Items().data() + keys.Start(key);
        return std::basic_string_view<std::uint32_t>(first, keys.Length(key));
    };
    const auto compare = [&](const Entry& a, const Entry& b) {
        if (a.First != b.First)
            return a.First < b.First ? -1 : 1;
        if (a.Second != b.Second)
            return a.Second < b.Second ? -1 : 1;
        return tokensOf(a.Key).compare(tokensOf(b.Key));
    };
    std::sort(entries.begin(), entries.end(),
              [&](const Entry& a, const Entry& b) { return compare(a, b) < 0; });
    std::vector<std::uint32_t> rank(keys.Count());
    std::uint32_t r = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0 && compare(entries[i - 1], entries[i]) != 0)
            ++r;
        rank[entries[i].Key] = r;
    }
    return rank;
}

// Tokens level * n .. level * n + n - 1 of a key in one number (n = 8 tokens of 8 bits
// when the column has fewer than 256 character ranks, else 4 of 16; 0 past the end).
// Tokens too large for the width are cut to its maximum: chunks never order two keys
// against their tokens, they only tie more often.
std::uint64_t TColumnKeys::Chunk(const TTokenSet& keys, std::uint32_t key, int level) const
{
    const int perChunk = 64 / FTokenBits;
    const std::uint32_t maximum = (1u << FTokenBits) - 1;
    const std::uint32_t* tokens = keys.Items().data() + keys.Start(key);
    const int length = int(keys.Length(key));
    std::uint64_t chunk = 0;
    for (int i = perChunk * level; i < perChunk * level + perChunk; ++i)
        chunk = (chunk << FTokenBits) | std::min(i < length ? tokens[i] : 0u, maximum);
    return chunk;
}

} // namespace vek::sortkeys
