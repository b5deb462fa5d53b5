// The change check of TNumIO under real typing, deleting, pasting and undo.
#include "numio_fixture.h"

#include <frame/core/application.h>

#include <QClipboard>

using namespace vek;
using namespace numiotest;

TEST_F(FieldTest, RefusedKeystrokeDisappearsAndTheCaretStays)
{
    SetRange(0, 100);
    int changes = 0;
    field->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, field);
        ++changes;
    };
    Type("150");
    EXPECT_EQ(field->Text(), "15");
    EXPECT_EQ(field->SelStart(), 2);
    EXPECT_EQ(changes, 2);
    Type("x");
    EXPECT_EQ(field->Text(), "15");
    EXPECT_EQ(field->Value(), 15);
}

TEST_F(FieldTest, IncompleteNumbersAndZeroAreAlwaysAccepted)
{
    SetRange(10, 20);
    Type("-");
    EXPECT_EQ(field->Text(), "-");
    EXPECT_EQ(field->Value(), 0);
    Type("1"); // -1 is outside 10..20
    EXPECT_EQ(field->Text(), "-");
    // Every text is checked as it stands: "1" on the way to "15" is outside 10..20.
    field->selectAll();
    Type("15");
    EXPECT_EQ(field->Text(), "-");
    field->SetText("15");
    EXPECT_EQ(field->Text(), "15");
    field->selectAll();
    Key(Qt::Key_Delete); // clearing is allowed whatever the range
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(field->Value(), 0);
}

TEST_F(FieldTest, RunTimeFieldWithoutRangeAcceptsOnlyZero)
{
    EXPECT_EQ(field->RangeLow(), 0);
    EXPECT_EQ(field->RangeHigh(), 0);
    Type("5");
    EXPECT_EQ(field->Text(), "");
    Type("0.0");
    EXPECT_EQ(field->Text(), "0.0");
}

TEST_F(FieldTest, UndoDoesNotBringBackARefusedText)
{
    SetRange(0, 100);
    Type("150");
    ASSERT_EQ(field->Text(), "15");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), "15");
    Key(Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), "15");
}

TEST_F(FieldTest, UndoOfAcceptedTypingIsCheckedAgain)
{
    SetRange(0, 100);
    Type("42");
    field->SetRangeLow(40); // still accepted
    Key(Qt::Key_Z, Qt::ControlModifier);
    // Whatever undo restores passed the check: empty (0) or a value in 40..100.
    const double value = field->Value();
    EXPECT_TRUE(value == 0 || (value >= 40 && value <= 100)) << value;
}

TEST_F(FieldTest, PastingIsCheckedAsAWhole)
{
    SetRange(0, 1000);
    QApplication::clipboard()->setText("42abc");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), "");
    QApplication::clipboard()->setText("4.5e2");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), "4.5e2");
    EXPECT_EQ(field->Value(), 450);
}

TEST_F(FieldTest, ApplicationTextIsCheckedToo)
{
    SetRange(0, 100);
    field->SetText("50");
    EXPECT_EQ(field->Text(), "50");
    field->SetText("500");
    EXPECT_EQ(field->Text(), "50");
}

TEST_F(FieldTest, FixPointRoundsExtraDecimals)
{
    SetRange(0, 1000);
    field->SetInputFormat(itFixPoint);
    field->SetText("1.25");
    field->SetSelStart(4);
    Type("9");
    EXPECT_EQ(field->Text(), "1.26");
    EXPECT_EQ(field->Value(), 1.26);
}

TEST_F(FieldTest, FixPointDeletedPeriodMakesAWholeNumber)
{
    SetRange(0, 1000);
    field->SetInputFormat(itFixPoint);
    field->SetText("1.25");
    field->SetSelStart(2);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(field->Text(), "125.00");
    EXPECT_EQ(field->SelStart(), 1); // where the period stood
}

TEST_F(FieldTest, FixPointDeletedPeriodOutOfRangeComesBack)
{
    SetRange(0, 100);
    field->SetInputFormat(itFixPoint);
    field->SetText("1.25");
    field->SetSelStart(2);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(field->Text(), "1.25");
    EXPECT_EQ(field->SelStart(), 0);
}

TEST_F(FieldTest, FixPointTypingIntoAnEmptyFieldKeepsTheDigitOrder)
{
    SetRange(-1000, 1000);
    field->SetInputFormat(itFixPoint);
    field->SetFixPointDecPlaces(1);
    Type("532");
    EXPECT_EQ(field->Text(), "532.0");
    field->selectAll();
    Type("-7");
    EXPECT_EQ(field->Text(), "-7.0");
    Type(".");
    EXPECT_EQ(field->Text(), "-7.0"); // a second period is refused
}

TEST_F(FieldTest, FixPointAcceptsThePointWithACommaSeparator)
{
    SetRange(0, 1000);
    field->SetDecPlaceSep(dsComma);
    field->SetInputFormat(itFixPoint);
    field->SetText("1,5");
    EXPECT_EQ(field->Text(), "1.50");
    field->SetSelStart(4);
    Type("0");
    EXPECT_EQ(field->Text(), "1.50");
    field->SetSelStart(1);
    Type("2");
    EXPECT_EQ(field->Text(), "12.50");
    EXPECT_EQ(field->Value(), 12.5);
}

TEST_F(FieldTest, SeparatorChoiceDecidesWhatMayBeTyped)
{
    SetRange(0, 100);
    field->SetInputFormat(itFloat);
    field->SetDecPlaceSep(dsPoint);
    Type("1,5");
    EXPECT_EQ(field->Text(), "15");
    field->Clear();
    field->SetDecPlaceSep(dsComma);
    Type("2,5");
    EXPECT_EQ(field->Text(), "2,5");
    EXPECT_EQ(field->Value(), 2.5);
    field->Clear();
    field->SetDecPlaceSep(dsBoth);
    Type("3.5");
    EXPECT_EQ(field->Value(), 3.5);
}

TEST_F(FieldTest, DynamicPrefixes)
{
    SetRange(-1000, 1000);
    Type("$ff");
    EXPECT_EQ(field->Value(), 255);
    field->selectAll();
    Type("%1012");
    EXPECT_EQ(field->Text(), "%101");
    EXPECT_EQ(field->Value(), 5);
    field->selectAll();
    Type("&17");
    EXPECT_EQ(field->Value(), 15);
    field->selectAll();
    Type("1e3");
    EXPECT_EQ(field->Value(), 1000);
    Type("0");
    EXPECT_EQ(field->Text(), "1e3");
}

TEST_F(FieldTest, IntegerDigitsBeyond32BitsAreRefused)
{
    SetRange(0, 100);
    field->SetInputFormat(itInt);
    field->SetText("4294967301"); // would wrap to 5
    EXPECT_EQ(field->Text(), "");
    Type("7.");
    EXPECT_EQ(field->Text(), "7");
}

TEST_F(FieldTest, BadInputNeverBreaksTheField)
{
    SetRange(-1e300, 1e300);
    QString exponent = "1e" + QString(5000, u'9');
    const QStringList inputs = {
        QString(20000, u'7'), QString(300, u' '), QString::fromUtf8("\u0663\u0664"),
        QString::fromUtf8("\u00e9\u00df"), QString("1\t2"), QString(QChar(0)) + "1",
        "1.2.3", "1,2,3", "--1", "1e-99999", exponent, "$fffffffff", QString(1, QChar(0xD800))};
    for (int format = itExp; format <= itDynamic; ++format) {
        field->SetInputFormat(TInFormat(format));
        for (const QString& input : inputs) {
            field->SetText(input);
            EXPECT_TRUE(std::isfinite(field->Value())) << format << ' ' << qPrintable(input.left(20));
            QApplication::clipboard()->setText(input);
            field->selectAll();
            Key(Qt::Key_V, Qt::ControlModifier);
            EXPECT_TRUE(std::isfinite(field->Value()));
        }
    }
}

TEST_F(FieldTest, BeepOnRefusalDoesNotDisturbTheCheck)
{
    SetRange(0, 9);
    field->SetBeep(true);
    Type("12");
    EXPECT_EQ(field->Text(), "1");
}
