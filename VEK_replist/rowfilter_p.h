// The filter expressions of the report list's FilterAndSort: which rows stay visible.
//
// fmSimple  Words separated by blanks (spaces and tabs). A row matches when every word
//           occurs, as a substring, in at least one of its filter columns. Quotes and
//           parentheses are ordinary characters.
// fmBoolean Terms combined with operators:
//             term      a word (a run of characters other than blanks, parentheses and
//                       quotes) or a "quoted phrase", which may hold blanks and parentheses;
//                       a quote inside a phrase is written twice ("say ""hi""").
//                       A term is true when it occurs in at least one filter column.
//             NOT x     true when x is false
//             x AND y   both; two terms side by side mean AND as well ("a b" = "a AND b")
//             x OR y    either
//             ( x )     grouping, at most 256 levels deep
//           NOT binds tightest, then AND, then OR; AND and OR group from the left. The
//           operators are recognised in any letter case and only as whole words, so
//           "android" is a word; a quoted "and" searches for the word itself.
// fmGrep    A regular expression (Perl syntax, as QRegularExpression). A row matches when
//           the pattern is found (not necessarily the whole text) in at least one filter
//           column; each column is searched on its own, so ^ and $ anchor at its edges.
//
// Case is ignored on request, with Qt's simple Unicode case folding ("Ärger" matches
// "ärger"; "ß" does not match "ss"). An expression that is empty or only blanks lets every
// row through; otherwise blanks in a regular expression count.
//
// A malformed expression raises EVEKRepListError when the filter is built, with a message
// such as
//   invalid filter expression at position 7: expected a term after "AND", found "OR"
//   invalid regular expression at position 4: missing closing parenthesis
// Positions count characters (UTF-16 code units) from 1; the end of the expression is
// its length + 1.
#pragma once

#include "VEK_replist.h"

#include <QStringView>

#include <memory>

namespace vek {

// The characters that separate words in a filter expression.
inline bool IsFilterBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The mode-specific part of a row filter.
class RowMatcher {
public:
    virtual ~RowMatcher() = default;
    virtual bool Matches(const QStringView* Cells, int Count) const = 0;
};

// Decides whether a row matches a filter expression; built once per FilterAndSort.
class RowFilter {
public:
    // Compiles Expression for Mode; raises EVEKRepListError for a malformed expression or
    // an unknown mode.
    RowFilter(const QString& Expression, TFilterMode Mode, bool IgnoreCase);
    ~RowFilter();
    RowFilter(const RowFilter&) = delete;
    RowFilter& operator=(const RowFilter&) = delete;

    // True when the expression is empty or only blanks: every row matches.
    bool MatchesAll() const { return !matcher; }
    // Whether a row matches, given the texts of its filter columns (the visible values,
    // without check flags). Simple and boolean filters allocate nothing here; a regular
    // expression costs Qt one small match object per cell.
    bool Matches(const QStringView* Cells, int Count) const
    {
        return !matcher || matcher->Matches(Cells, Count);
    }

private:
    std::unique_ptr<const RowMatcher> matcher; // none when every row matches
};

} // namespace vek
