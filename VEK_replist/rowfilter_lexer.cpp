#include "rowfilter_lexer_p.h"

#include "rowfilter_p.h"

namespace vek {

namespace {

FilterToken::Kind KindOfWord(QStringView Word)
{
    if (Word.compare(u"and", Qt::CaseInsensitive) == 0)
        return FilterToken::And;
    if (Word.compare(u"or", Qt::CaseInsensitive) == 0)
        return FilterToken::Or;
    if (Word.compare(u"not", Qt::CaseInsensitive) == 0)
        return FilterToken::Not;
    return FilterToken::Text;
}

bool EndsWord(QChar c)
{
    return IsFilterBlank(c) || c == u'(' || c == u')' || c == u'"';
}

} // namespace

void FailFilterSyntax(qsizetype Position, const QString& Problem)
{
    throw EVEKRepListError(QStringLiteral("invalid filter expression at position %1: %2")
                               .arg(QString::number(Position + 1), Problem));
}

QString DescribeToken(const FilterToken& Token)
{
    if (Token.kind == FilterToken::End)
        return QStringLiteral("the end of the expression");
    return u'"' + Token.typed.toString() + u'"';
}

FilterToken FilterLexer::Next()
{
    while (at < expression.size() && IsFilterBlank(expression[at]))
        ++at;
    if (at == expression.size())
        return {FilterToken::End, at, {}, {}};
    const QChar c = expression[at];
    if (c == u'(' || c == u')') {
        ++at;
        return {c == u'(' ? FilterToken::Open : FilterToken::Close, at - 1,
                expression.mid(at - 1, 1), {}};
    }
    return c == u'"' ? Phrase() : Word();
}

FilterToken FilterLexer::Word()
{
    const qsizetype start = at;
    while (at < expression.size() && !EndsWord(expression[at]))
        ++at;
    const QStringView word = expression.mid(start, at - start);
    return {KindOfWord(word), start, word, word.toString()};
}

FilterToken FilterLexer::Phrase()
{
    const qsizetype start = at++;
    QString text;
    for (;;) {
        const qsizetype quote = expression.indexOf(u'"', at);
        if (quote < 0)
            FailFilterSyntax(start, QStringLiteral("quoted phrase without closing quote"));
        text += expression.mid(at, quote - at);
        at = quote + 1;
        if (at == expression.size() || expression[at] != u'"')
            break;
        text += u'"'; // a doubled quote stands for one
        ++at;
    }
    if (text.isEmpty())
        FailFilterSyntax(start, QStringLiteral("empty quoted phrase \"\""));
    return {FilterToken::Text, start, expression.mid(start, at - start), text};
}

} // namespace vek
