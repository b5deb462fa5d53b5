// Private to the frame: the display-format letters of date and time pickers, split into
// fields and literal text. ParseDateTime and DateTimeText read formats with it, and the
// picker translates it into Qt's display format, so that all three agree on every format.
#pragma once

#include <QList>
#include <QString>

namespace vek::datetext {

struct Token {
    QChar letter; // one of H M d h m s t y; null for literal text
    int count = 0;
    QString literal; // literal text without its quotes; for fields the run as written

    bool IsLiteral() const { return letter.isNull(); }
    // A run of a field letter that names a field ("yyy" and "MMMMM" do not).
    bool IsField() const;
};

// The tokens of format: a quote starts literal text up to the next quote ('' inside
// stands for a quote, an unmatched quote runs to the end); a field letter starts a run
// of that letter; anything else is literal text up to the next field letter or quote.
QList<Token> Tokenize(const QString& format);

// Whether the tokens hold an am/pm field (t or tt), which puts h and hh on the 12-hour
// clock.
bool HasAmPm(const QList<Token>& tokens);

// Whether the tokens hold a field of the date (year, month or day).
bool HasDateField(const QList<Token>& tokens);

// Whether the tokens hold a field of the time (hour, minute, second or am/pm).
bool HasTimeField(const QList<Token>& tokens);

} // namespace vek::datetext
