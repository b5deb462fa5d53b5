// The date and time picker: display formats in picker letters, the state without a
// value and how the user leaves it.
#include <frame/controls/datetimepicker.h>
#include <frame/core/component.h>
#include <frame/runtime/rtl.h>

#include <qstring_printer.h>

#include <gtest/gtest.h>

#include <QDate>
#include <QLineEdit>
#include <QTest>

using namespace vek;

namespace {

QColor ShownTextColor(const TDateTimePicker& picker)
{
    return picker.findChild<QLineEdit*>()->palette().color(QPalette::Text);
}

} // namespace

TEST(DateTimePicker, ShowsWhatDateTimeTextWrites)
{
    TDateTimePicker picker;
    const TDateTime value = EncodeDate(2023, 12, 24) + EncodeTime(15, 7, 9, 0);
    const char* formats[] = {"dd.MM.yyyy", "dddd, MMMM d, yyyy h:mm:ss tt", "ddd d MMM yy HH:m",
                             "'Day' d 'at' hh 'o''clock'", "D dd/M Y", "yyyy-MM-dd'T'HH:mm:ss"};
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const char* format : formats) {
        picker.SetFormat(format);
        ASSERT_TRUE(picker.SetDateTime(value));
        EXPECT_EQ(picker.text(), DateTimeText(format, value)) << format;
        EXPECT_EQ(picker.Text(), DateTimeText(format, value)) << format;
        EXPECT_EQ(picker.DateTime(), value) << format;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    picker.SetFormat("HH:mm");
    EXPECT_FALSE(picker.calendarPopup()) << "no date field, no calendar";
    picker.SetFormat("");
    EXPECT_EQ(picker.Format(), "yyyy-MM-dd");
    EXPECT_TRUE(picker.calendarPopup());
}

TEST(DateTimePicker, WithoutAValueShowsAHintUntilTheUserStarts)
{
    TDateTimePicker picker;
    picker.SetFormat("dd.MM.yyyy");
    EXPECT_FALSE(picker.HasValue()) << "a new picker has no value";
    EXPECT_EQ(picker.text(), "dd.MM.yyyy");
    EXPECT_EQ(picker.DateTime(), 0.0);
    EXPECT_EQ(picker.Text(), "");
    EXPECT_EQ(ShownTextColor(picker), picker.palette().color(QPalette::PlaceholderText));

    picker.ClearValue("31.02.2023");
    EXPECT_EQ(picker.text(), "31.02.2023");
    QTest::keyClick(&picker, Qt::Key_Delete);
    EXPECT_FALSE(picker.HasValue()) << "deleting keeps the field empty";
    QTest::keyClick(&picker, Qt::Key_Down);
    EXPECT_TRUE(picker.HasValue()) << "a step starts from today";
    EXPECT_EQ(QDate(picker.date()), QDate::currentDate());
    EXPECT_EQ(ShownTextColor(picker), picker.palette().color(QPalette::Text));

    picker.ClearValue();
    QTest::keyClicks(&picker, "07");
    EXPECT_TRUE(picker.HasValue()) << "typing starts a value, in the first field";
    EXPECT_EQ(picker.date().day(), 7);
}

TEST(DateTimePicker, ShowsTheYears100To9999Only)
{
    TDateTimePicker picker;
    EXPECT_FALSE(picker.SetDateTime(EncodeDate(50, 6, 1)));
    EXPECT_FALSE(picker.HasValue());
    EXPECT_TRUE(picker.SetDateTime(EncodeDate(100, 1, 2)));
    EXPECT_TRUE(picker.SetDateTime(EncodeDate(9999, 12, 31) + 0.5));
    EXPECT_EQ(picker.Text(), "9999-12-31");
}
