// ScanFloat and IsValidExpText: one state machine over the characters of the text.
#include "VEK_NumIO.h"
#include "parsing_p.h"

#include <frame/baselib/mathlib.h>

#include <algorithm>
#include <charconv>
#include <string>

namespace vek {

namespace {

enum CharClass { ccSeparator, ccBlank, ccSign, ccDigit, ccExponent, ccOther };

constexpr int ErrorState = -1;
constexpr int DoneState = 9;
constexpr int ExponentState = 6;
constexpr int MaxExponent = 4200;

// Next state by current state (1..8) and character class. The exponent column holds 6
// where an "E" may start an exponent; without exponents those entries end the number.
constexpr int Transitions[8][6] = {
    // sep blank sign digit  E  other
    {4, 1, 2, 3, -1, -1},     // 1 start
    {4, -1, -1, 3, -1, -1},   // 2 after sign
    {4, 9, 9, 3, 6, 9},       // 3 integer digits
    {-1, 9, 9, 5, 6, 9},      // 4 after separator
    {-1, 9, 9, 5, 6, 9},      // 5 fraction digits
    {-1, -1, 7, 8, -1, 9},    // 6 after "E"
    {-1, -1, -1, 8, -1, 9},   // 7 after exponent sign
    {9, 9, 9, 8, 9, 9},       // 8 exponent digits
};

constexpr CharClass AsciiClassOf(char16_t c, int separatorMode)
{
    if ((c == u'.' && (separatorMode & smPoint)) || (c == u',' && (separatorMode & smComma)))
        return ccSeparator;
    if (c >= u'0' && c <= u'9')
        return ccDigit;
    switch (c) {
    case u' ': return ccBlank;
    case u'+':
    case u'-': return ccSign;
    case u'e':
    case u'E': return ccExponent;
    default: return ccOther;
    }
}

// Classes of the ASCII characters per separator mode, so the scan loop looks them up.
struct ClassTables {
    CharClass table[4][128];
    constexpr ClassTables() : table()
    {
        for (int mode = 0; mode < 4; ++mode)
            for (char16_t c = 0; c < 128; ++c)
                table[mode][c] = AsciiClassOf(c, mode);
    }
};
constexpr ClassTables Classes;

CharClass ClassOf(char16_t c, int separatorMode)
{
    return c < 128 ? Classes.table[separatorMode & smBoth][c] : ccOther;
}

// Ignores the characters of a number; used where only the syntax matters.
struct NoText {
    void Append(char16_t, int) {}
};

// Collects the number text as ASCII for the conversion: sign, digits, ".", "E" and the
// exponent digits, without the leading blanks. Typical numbers stay in a fixed buffer;
// only texts of many digits take the heap.
class NumberText {
public:
    void Append(char16_t c, int state)
    {
        if (state == 1)
            return; // leading blank
        const char ascii = c == u',' ? '.' : c == u'e' ? 'E' : char(c);
        if (FSize < sizeof FShort)
            FShort[FSize] = ascii;
        else
            Spill(ascii);
        ++FSize;
    }
    double Value() const;

private:
    void Spill(char ascii)
    {
        if (FLong.empty())
            FLong.assign(FShort, sizeof FShort);
        FLong.push_back(ascii);
    }
    std::string_view Text() const
    {
        return FSize <= sizeof FShort ? std::string_view(FShort, FSize) : std::string_view(FLong);
    }

    char FShort[40];
    size_t FSize = 0;
    std::string FLong;
};

// Runs the machine from position to state 9 or -1 and leaves position on the character
// that ended the number. exponentTooLarge reports an exponent above 4200.
template <typename Sink>
int RunMachine(QStringView text, bool exponentAllowed, int separatorMode, qsizetype& position,
               Sink& sink, bool& exponentTooLarge)
{
    int state = 1;
    int exponent = 0;
    exponentTooLarge = false;
    const qsizetype length = text.size();
    qsizetype index = position - 1;
    while (state != DoneState && state != ErrorState) {
        // Past the end an ordinary "other" character ends the number.
        const char16_t c = index < length ? text[index].unicode() : u'Z';
        ++index;
        const CharClass cls = ClassOf(c, separatorMode);
        const int previous = state;
        state = Transitions[state - 1][cls];
        if (state == ExponentState && !exponentAllowed && previous >= 3 && previous <= 5)
            state = DoneState;
        if (state < 1 || state > 8)
            continue;
        if (cls == ccDigit && (previous == 6 || previous == 7 || previous == 8)) {
            // Saturating: the exponent text may be thousands of digits long.
            const int start = previous == 8 ? exponent : 0;
            exponent = std::min(start * 10 + (c - u'0'), MaxExponent * 10);
            if (exponent > MaxExponent) {
                exponentTooLarge = true;
                continue;
            }
        }
        sink.Append(c, state);
    }
    // index is 0-based and one past the character that ended the number: as a 1-based
    // position it is that character itself.
    position = index;
    return state;
}

// Whether the digits of text (before any exponent) put the number above 1: the decimal
// magnitude of the first non-zero digit plus the exponent. Decides between overflow and
// underflow when the conversion leaves the double range.
bool AboveOne(std::string_view text)
{
    const size_t e = text.find('E');
    const std::string_view mantissa = text.substr(0, e);
    int exponent = 0;
    if (e != std::string_view::npos)
        std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                        exponent);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return false;
    const auto magnitude = first < point ? static_cast<long long>(point - first)
                                         : -static_cast<long long>(first - point - 1);
    return magnitude + exponent > 0;
}

double NumberText::Value() const
{
    std::string_view text = Text();
    // An exponent mark without digits ("1E", "1E+") adds nothing to the number.
    while (!text.empty() && (text.back() == 'E' || text.back() == '+' || text.back() == '-')
           && text.find('E') != std::string_view::npos)
        text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty() || text == ".")
        return negative ? -0.0 : 0.0;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range)
        value = AboveOne(text) ? uc_MaxDouble : 0.0;
    else if (error != std::errc())
        value = 0;
    value = std::clamp(value, -uc_MaxDouble, uc_MaxDouble);
    return negative ? -value : value;
}

} // namespace

namespace parsing {

qsizetype ClampPosition(QStringView text, qsizetype position)
{
    return std::clamp<qsizetype>(position, 1, text.size() + 1);
}

} // namespace parsing

double ScanFloat(QStringView text, bool exponentAllowed, int separatorMode, qsizetype& position)
{
    position = parsing::ClampPosition(text, position);
    NumberText number;
    bool exponentTooLarge = false;
    const int state =
        RunMachine(text, exponentAllowed, separatorMode, position, number, exponentTooLarge);
    return state == DoneState ? number.Value() : 0.0;
}

bool IsValidExpText(QStringView text, bool exponentAllowed, TDecPSep separator)
{
    if (text.isEmpty())
        return false;
    qsizetype position = 1;
    NoText sink;
    bool exponentTooLarge = false;
    const int state = RunMachine(text, exponentAllowed, SeparatorModeOf(separator), position,
                                 sink, exponentTooLarge);
    // The number must end at the end of the text, not at a character inside it.
    return state == DoneState && !exponentTooLarge && position == text.size() + 1;
}

} // namespace vek
