#include "rowfilter_boolean_p.h"

#include "rowfilter_lexer_p.h"

#include <algorithm>
#include <span>

namespace vek {

namespace {

using Node = BooleanMatcher::Node;
using Token = FilterToken;

// Recursive descent, one function per precedence level. Chains of AND and OR are read in
// loops and runs of NOT are folded by parity, so only parentheses deepen the recursion.
class Parser {
public:
    Parser(QStringView Expression, bool IgnoreCase, BooleanMatcher::Tree& Tree)
        : lexer(Expression), ignoreCase(IgnoreCase), tree(Tree)
    {
    }

    void ParseAll()
    {
        Advance();
        tree.root = ParseOr();
        if (current.kind == Token::Close)
            FailUnmatchedClose();
    }

private:
    void Advance()
    {
        previous = current;
        current = lexer.Next();
    }

    static bool StartsOperand(Token::Kind Kind)
    {
        return Kind == Token::Text || Kind == Token::Not || Kind == Token::Open;
    }

    int ParseOr()
    {
        std::vector<int> operands{ParseAnd()};
        while (current.kind == Token::Or) {
            Advance();
            operands.push_back(ParseAnd());
        }
        return Combine(Node::Or, operands);
    }

    int ParseAnd()
    {
        std::vector<int> operands{ParseNot()};
        for (;;) {
            if (current.kind == Token::And)
                Advance();
            else if (!StartsOperand(current.kind))
                break; // terms side by side are joined by AND as well
            operands.push_back(ParseNot());
        }
        return Combine(Node::And, operands);
    }

    int ParseNot()
    {
        bool negate = false;
        while (current.kind == Token::Not) {
            negate = !negate;
            Advance();
        }
        const int operand = ParseOperand();
        return negate ? AddNode({Node::Not, operand, 0}) : operand;
    }

    int ParseOperand()
    {
        if (current.kind == Token::Open)
            return ParseParenthesized();
        if (current.kind != Token::Text)
            FailExpectedTerm();
        tree.terms.emplace_back(current.text, ignoreCase);
        Advance();
        return AddNode({Node::Term, int(tree.terms.size()) - 1, 0});
    }

    int ParseParenthesized()
    {
        const Token open = current;
        if (++depth > BooleanMatcher::MaxNesting)
            FailFilterSyntax(open.position,
                             QStringLiteral("parentheses nested deeper than %1 levels")
                                 .arg(BooleanMatcher::MaxNesting));
        Advance();
        if (current.kind == Token::Close)
            FailFilterSyntax(open.position, QStringLiteral("empty parentheses"));
        const int inner = ParseOr();
        if (current.kind != Token::Close)
            FailFilterSyntax(open.position, QStringLiteral("\"(\" without matching \")\""));
        --depth;
        Advance();
        return inner;
    }

    [[noreturn]] void FailUnmatchedClose()
    {
        FailFilterSyntax(current.position, QStringLiteral("\")\" without matching \"(\""));
    }

    [[noreturn]] void FailExpectedTerm()
    {
        if (current.kind == Token::Close && depth == 0)
            FailUnmatchedClose();
        QString problem = QStringLiteral("expected a term");
        if (previous.kind != Token::End)
            problem += QStringLiteral(" after ") + DescribeToken(previous);
        FailFilterSyntax(current.position,
                         problem + QStringLiteral(", found ") + DescribeToken(current));
    }

    int AddNode(Node Added)
    {
        tree.nodes.push_back(Added);
        return int(tree.nodes.size()) - 1;
    }

    int Combine(Node::Kind Kind, const std::vector<int>& Operands)
    {
        if (Operands.size() == 1)
            return Operands.front();
        const int first = int(tree.operands.size());
        tree.operands.insert(tree.operands.end(), Operands.begin(), Operands.end());
        return AddNode({Kind, first, int(Operands.size())});
    }

    FilterLexer lexer;
    bool ignoreCase;
    BooleanMatcher::Tree& tree;
    Token current{Token::End, 0, {}, {}};
    Token previous{Token::End, 0, {}, {}}; // End: nothing read before current
    int depth = 0;
};

} // namespace

BooleanMatcher::BooleanMatcher(const QString& Expression, bool IgnoreCase)
{
    Parser(Expression, IgnoreCase, tree).ParseAll();
}

bool BooleanMatcher::Matches(const QStringView* Cells, int Count) const
{
    return Evaluate(tree.root, Cells, Count);
}

bool BooleanMatcher::Evaluate(int NodeIndex, const QStringView* Cells, int Count) const
{
    const Node& node = tree.nodes[std::size_t(NodeIndex)];
    const auto evaluate = [&](int operand) { return Evaluate(operand, Cells, Count); };
    const auto operands = [&] {
        return std::span(tree.operands).subspan(std::size_t(node.first), std::size_t(node.count));
    };
    switch (node.kind) {
    case Node::Term:
        return tree.terms[std::size_t(node.first)].FoundInAny(Cells, Count);
    case Node::Not:
        return !evaluate(node.first);
    case Node::And:
        return std::ranges::all_of(operands(), evaluate);
    case Node::Or:
        return std::ranges::any_of(operands(), evaluate);
    }
    return false;
}

} // namespace vek
