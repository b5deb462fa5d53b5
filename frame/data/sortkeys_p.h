// Sort keys of TStringArray: each cell of a sort column is turned once into a key, so that
// sorting a million rows costs O(n log n) cheap key comparisons instead of locale
// comparisons of texts.
#pragma once

#include <QStringView>

#include <cstdint>
#include <functional>
#include <vector>

namespace vek::sortkeys {

// Reads s as a number: leading and trailing blanks, an optional sign, digits with an
// optional decimal point ('.' or the locale's separator) and an optional exponent; at
// least one digit before the exponent. Returns false for any other text.
bool ReadNumber(QStringView s, double& value);

// The keys of one column. Numbers sort before texts and compare by value; texts compare
// by the current locale, case-insensitively, with ASCII digit runs compared as numbers;
// empty texts come last.
//
// A text key has two levels, as a full collation has: first the ranks of the characters'
// base letters (accents dropped), then a 0, then the ranks of the characters themselves.
// Every distinct character of the column is ranked once by a case-insensitive QCollator
// (characters that compare equal share a rank, ranks start at 1), and a digit run becomes
// [rank of '0', digit count, digits...] with its leading zeros dropped.
class TColumnKeys {
public:
    // Text(i, scratch) gives the sort text of row i (0-based); it may point into scratch.
    using TTextSource = std::function<QStringView(int Row, QString& Scratch)>;

    void Build(int RowCount, const TTextSource& Text);

    // <0, 0 or >0 as row a sorts before, with or after row b.
    int Compare(int a, int b) const;

    // Sorting by whole keys would jump through the token store at every comparison. The
    // sort instead works on fixed-size pieces: the kind, then chunk 0, 1, ... of a row's
    // key. Rows with different (kind, chunk 0) order as those do; rows equal there order
    // by their next chunks, and rows equal in every chunk have equal keys.
    std::uint8_t KindOf(int row) const { return FKeys[std::size_t(row)].KeyKind; }
    // A number's order-preserving bits, or the text tokens of chunk level (8 tokens of 8
    // bits when the column has fewer than 256 character ranks, else 4 of 16; 0 past the
    // end).
    std::uint64_t Chunk(int row, int level) const;
    // Whether equal chunks mean equal keys (no token had to be cut to the chunk width).
    bool ChunksExact() const { return FRankCount < (1u << FTokenBits); }
    // Whether a key with Length tokens has none from chunk level on.
    bool Exhausted(std::uint16_t length, int level) const { return (64 / FTokenBits) * level >= length; }
    // Number of tokens of a text key (0 for numbers and empties).
    std::uint16_t LengthOf(int row) const { return FKeys[std::size_t(row)].Length; }
    // Equal keys have equal hashes (a quick test for runs of duplicates).
    std::uint64_t HashOf(int row) const { return FKeys[std::size_t(row)].Hash; }

private:
    enum Kind : std::uint8_t { kNumber = 0, kText = 1, kEmpty = 2 };
    struct Key {
        double Number;
        std::uint64_t Hash;
        std::uint32_t Offset; // into FTokens
        std::uint16_t Length;
        Kind KeyKind;
    };

    void RankCharacters(const std::vector<char32_t>& characters);
    void AppendTokens(QStringView text, const std::vector<std::uint32_t>& rank);

    std::vector<Key> FKeys;
    std::vector<std::uint32_t> FTokens;
    std::vector<std::uint32_t> FRank;     // by code point
    std::vector<std::uint32_t> FBaseRank; // rank of the base letter, by code point
    std::uint32_t FDigitRank = 0;
    int FTokenBits = 16;
    std::uint32_t FRankCount = 0; // ranks in use, 1..FRankCount
};

} // namespace vek::sortkeys
