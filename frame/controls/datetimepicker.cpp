#include "datetimepicker.h"

#include <frame/runtime/rtl.h>
#include <frame/runtime/rtl_datetext_p.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace vek {

namespace {

const QString DefaultFormat = QStringLiteral("yyyy-MM-dd");

// The lowest moment QDateTimeEdit shows marks "no value" (shown as the hint).
const QDateTime NoValue(QDate(100, 1, 1), QTime(0, 0), Qt::UTC);
const QDateTime LastValue(QDate(9999, 12, 31), QTime(23, 59, 59, 999), Qt::UTC);

QString QuotedForQt(const QString& literal)
{
    if (literal.isEmpty())
        return {};
    return QLatin1Char('\'') + QString(literal).replace(QLatin1Char('\''), QLatin1String("''"))
           + QLatin1Char('\'');
}

// Qt's display letters agree with ours except for the am/pm designator (AP) and the
// quoting of literal text, which Qt needs around every letter. Neighbouring literals are
// quoted as one, since Qt reads '' inside quotes as a quote character.
QString QtDisplayFormat(const QString& format)
{
    QString qtFormat;
    QString literal;
    for (const datetext::Token& token : datetext::Tokenize(format)) {
        if (!token.IsField()) {
            literal += token.literal;
            continue;
        }
        qtFormat += QuotedForQt(literal) + (token.letter == u't' ? QStringLiteral("AP")
                                                                 : token.literal);
        literal.clear();
    }
    return qtFormat + QuotedForQt(literal);
}

} // namespace

TDateTimePicker::TDateTimePicker(QWidget* parent) : QDateTimeEdit(parent)
{
    setTimeSpec(Qt::UTC);
    // Names and designators as DateTimeText writes them.
    setLocale(QLocale::c());
    setDateTimeRange(NoValue, LastValue);
    SetFormat(DefaultFormat);
    ClearValue();
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] { ShowHintLook(); });
}

QString TDateTimePicker::Format() const { return FFormat; }

void TDateTimePicker::SetFormat(const QString& value)
{
    FFormat = value.isEmpty() ? DefaultFormat : value;
    setDisplayFormat(QtDisplayFormat(FFormat));
    setCalendarPopup(datetext::HasDateField(datetext::Tokenize(FFormat)));
    if (!HasValue())
        ClearValue(FHint);
}

bool TDateTimePicker::HasValue() const { return dateTime() != NoValue; }

TDateTime TDateTimePicker::DateTime() const
{
    return HasValue() ? FromQDateTime(dateTime()) : 0;
}

bool TDateTimePicker::SetDateTime(TDateTime value)
{
    int year, month, day, hour, minute, second, msec;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, msec);
    const QDateTime moment(QDate(year, month, day), QTime(hour, minute, second, msec), Qt::UTC);
    if (!moment.isValid() || moment <= NoValue) {
        ClearValue(FHint);
        return false;
    }
    setDateTime(moment);
    return true;
}

void TDateTimePicker::ClearValue(const QString& hint)
{
    FHint = hint;
    setSpecialValueText(hint.isEmpty() ? FFormat : hint);
    setDateTime(NoValue);
    ShowHintLook();
}

QString TDateTimePicker::Text() const
{
    return HasValue() ? DateTimeText(FFormat, DateTime()) : QString();
}

// Without a value both directions start a value.
QAbstractSpinBox::StepEnabled TDateTimePicker::stepEnabled() const
{
    return HasValue() ? QDateTimeEdit::stepEnabled() : (StepUpEnabled | StepDownEnabled);
}

void TDateTimePicker::stepBy(int steps)
{
    if (HasValue())
        QDateTimeEdit::stepBy(steps);
    else
        StartFromNow();
}

void TDateTimePicker::keyPressEvent(QKeyEvent* event)
{
    if (!HasValue() && StartsValue(event))
        StartFromNow();
    QDateTimeEdit::keyPressEvent(event);
}

void TDateTimePicker::mousePressEvent(QMouseEvent* event)
{
    if (!HasValue() && calendarPopup() && OnCalendarButton(event->position().toPoint()))
        StartFromNow();
    QDateTimeEdit::mousePressEvent(event);
}

void TDateTimePicker::changeEvent(QEvent* event)
{
    QDateTimeEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        ShowHintLook();
}

// Typing starts in the first field, which is selected so that the keys replace it.
void TDateTimePicker::StartFromNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QTime seconds(now.time().hour(), now.time().minute(), now.time().second());
    setDateTime(QDateTime(now.date(), seconds, Qt::UTC));
    setCurrentSectionIndex(0);
    setSelectedSection(currentSection());
}

// Characters and the keys that open the calendar; navigation and deleting keep the
// field empty.
bool TDateTimePicker::StartsValue(const QKeyEvent* event) const
{
    const bool opensCalendar = event->key() == Qt::Key_F4
                               || (event->key() == Qt::Key_Down
                                   && event->modifiers().testFlag(Qt::AltModifier));
    const QString text = event->text();
    return opensCalendar || (!text.isEmpty() && text.at(0).isPrint());
}

// The same hit test QDateTimeEdit makes before it opens its calendar.
bool TDateTimePicker::OnCalendarButton(QPoint pos) const
{
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    return style()->hitTestComplexControl(QStyle::CC_ComboBox, &option, pos, this)
           == QStyle::SC_ComboBoxArrow;
}

// The hint is drawn in the placeholder color, so that it does not pass for a value.
void TDateTimePicker::ShowHintLook()
{
    const QPalette::ColorRole role = HasValue() ? QPalette::Text : QPalette::PlaceholderText;
    QPalette look = lineEdit()->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        look.setColor(group, QPalette::Text, palette().color(group, role));
    lineEdit()->setPalette(look);
}

} // namespace vek
