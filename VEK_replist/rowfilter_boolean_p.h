// The boolean filter expression (see rowfilter_p.h for its syntax): parsed once into a
// tree of search terms, evaluated per row.
#pragma once

#include "rowfilter_p.h"
#include "rowfilter_term_p.h"

#include <vector>

namespace vek {

class BooleanMatcher : public RowMatcher {
public:
    // How deep parentheses may nest: deeper ones are an error rather than a risk for the
    // stack of the recursive parser and evaluation.
    static constexpr int MaxNesting = 256;

    // Parses Expression, which is not blank; raises EVEKRepListError where it is malformed.
    BooleanMatcher(const QString& Expression, bool IgnoreCase);
    bool Matches(const QStringView* Cells, int Count) const override;

    // A node of the tree. AND and OR take any number of operands, so that a long chain
    // stays one level deep and only parentheses make the tree deeper.
    struct Node {
        enum Kind { Term, Not, And, Or } kind;
        int first; // Term: index into terms; Not: the operand node; And, Or: index into operands
        int count; // And, Or: number of operands
    };

    // The parsed expression, filled by the parser.
    struct Tree {
        std::vector<SearchTerm> terms;
        std::vector<Node> nodes;
        std::vector<int> operands; // node indices, each And/Or's contiguous
        int root = -1;
    };

private:
    bool Evaluate(int NodeIndex, const QStringView* Cells, int Count) const;

    Tree tree;
};

} // namespace vek
