// The tokens of a boolean filter expression (see rowfilter_p.h for the syntax).
#pragma once

#include <QString>
#include <QStringView>

namespace vek {

struct FilterToken {
    enum Kind { End, Text, And, Or, Not, Open, Close } kind;
    qsizetype position; // 0-based
    QStringView typed;  // the characters as written, for messages
    QString text;       // Text: the word, or the phrase without its quotes
};

// Raises EVEKRepListError for a malformed expression, naming the 1-based position.
[[noreturn]] void FailFilterSyntax(qsizetype Position, const QString& Problem);

// How a token is named in a message: quoted as typed, or "the end of the expression".
QString DescribeToken(const FilterToken& Token);

// Splits an expression into tokens on demand, so that the first problem in reading order
// is the one reported.
class FilterLexer {
public:
    explicit FilterLexer(QStringView Expression) : expression(Expression) {}

    // The next token; End (at the expression's length) once all is read. Raises
    // EVEKRepListError for an unterminated or empty quoted phrase.
    FilterToken Next();

private:
    FilterToken Word();
    FilterToken Phrase();

    QStringView expression;
    qsizetype at = 0;
};

} // namespace vek
