// Sort keys of TStringArray: each cell of a sort column is turned once into a key, so that
// sorting a million rows costs O(n log n) integer comparisons instead of locale
// comparisons of texts.
#pragma once

#include "sequenceset_p.h"

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
//
// Most columns repeat their texts (names, places, states): each distinct text is turned
// into tokens once, equal keys are kept once, and the distinct keys are sorted once. A
// row then carries one number that orders it among the rows of its kind, so sorting a
// million rows compares integers only.
class TColumnKeys {
public:
    // Text(i, scratch) gives the sort text of row i (0-based); it may point into scratch.
    using TTextSource = std::function<QStringView(int Row, QString& Scratch)>;

    void Build(int RowCount, const TTextSource& Text);

    // The kind of a row's key: numbers (0) before texts (1) before empty cells (2).
    std::uint8_t KindOf(int row) const { return FKinds[std::size_t(row)]; }
    // Orders the rows of one kind exactly as their keys: a number's order-preserving bits,
    // a text key's rank among the column's distinct text keys (equal keys, equal ranks).
    std::uint64_t OrderOf(int row) const { return FOrders[std::size_t(row)]; }

private:
    enum Kind : std::uint8_t { kNumber = 0, kText = 1, kEmpty = 2 };
    using TTokenSet = TSequenceSet<std::uint32_t>;

    void CollectCharacters(QStringView text);
    void RankCharacters();
    void AppendTokens(QStringView text, const std::vector<std::uint32_t>& rank,
                      std::vector<std::uint32_t>& tokens) const;
    std::vector<std::uint32_t> RankKeys(const TTokenSet& keys) const;
    std::uint64_t Chunk(const TTokenSet& keys, std::uint32_t key, int level) const;

    std::vector<std::uint8_t> FKinds;
    std::vector<std::uint64_t> FOrders; // while building, a text row's distinct text
    std::vector<bool> FSeen;            // by code point: among FCharacters
    std::vector<char32_t> FCharacters;  // of the texts, and their base letters
    std::vector<std::uint32_t> FRank;     // by code point
    std::vector<std::uint32_t> FBaseRank; // rank of the base letter, by code point
    std::uint32_t FDigitRank = 0;
    int FTokenBits = 16;
};

} // namespace vek::sortkeys
