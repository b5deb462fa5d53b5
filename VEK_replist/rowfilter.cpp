#include "rowfilter_p.h"

#include "rowfilter_boolean_p.h"
#include "rowfilter_term_p.h"

#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace vek {

namespace {

bool IsBlank(QStringView Expression)
{
    return std::all_of(Expression.begin(), Expression.end(), IsFilterBlank);
}

// fmSimple: every word somewhere in the row.
class WordsMatcher : public RowMatcher {
public:
    WordsMatcher(QStringView Expression, bool IgnoreCase)
    {
        qsizetype at = 0;
        while (at < Expression.size()) {
            const qsizetype start = at;
            while (at < Expression.size() && !IsFilterBlank(Expression[at]))
                ++at;
            if (at > start)
                words.emplace_back(Expression.mid(start, at - start).toString(), IgnoreCase);
            ++at;
        }
    }

    bool Matches(const QStringView* Cells, int Count) const override
    {
        return std::all_of(words.begin(), words.end(),
                           [&](const SearchTerm& word) { return word.FoundInAny(Cells, Count); });
    }

private:
    std::vector<SearchTerm> words;
};

// fmGrep: the pattern found in some cell.
class GrepMatcher : public RowMatcher {
public:
    GrepMatcher(const QString& Pattern, bool IgnoreCase)
        : pattern(Pattern, IgnoreCase ? QRegularExpression::CaseInsensitiveOption
                                      : QRegularExpression::NoPatternOption)
    {
        if (!pattern.isValid())
            throw EVEKRepListError(
                QStringLiteral("invalid regular expression at position %1: %2")
                    .arg(QString::number(pattern.patternErrorOffset() + 1), pattern.errorString()));
        pattern.optimize(); // compiles (with JIT where available) now, not in the first row
        matchesEmpty = pattern.match(QString()).hasMatch();
    }

    // Each match costs Qt a few allocations, several times the search itself in a short
    // cell, so the answer for empty cells, common in sparse columns, is known beforehand.
    bool Matches(const QStringView* Cells, int Count) const override
    {
        return std::any_of(Cells, Cells + Count, [this](QStringView cell) {
            return cell.isEmpty() ? matchesEmpty : pattern.match(cell).hasMatch();
        });
    }

private:
    QRegularExpression pattern;
    bool matchesEmpty;
};

std::unique_ptr<const RowMatcher> MakeMatcher(const QString& Expression, TFilterMode Mode,
                                              bool IgnoreCase)
{
    switch (Mode) {
    case fmSimple:
        return std::make_unique<WordsMatcher>(Expression, IgnoreCase);
    case fmBoolean:
        return std::make_unique<BooleanMatcher>(Expression, IgnoreCase);
    case fmGrep:
        return std::make_unique<GrepMatcher>(Expression, IgnoreCase);
    }
    throw EVEKRepListError(QStringLiteral("unknown filter mode %1").arg(int(Mode)));
}

} // namespace

RowFilter::RowFilter(const QString& Expression, TFilterMode Mode, bool IgnoreCase)
    : matcher(IsBlank(Expression) ? nullptr : MakeMatcher(Expression, Mode, IgnoreCase))
{
}

RowFilter::~RowFilter() = default;

} // namespace vek
