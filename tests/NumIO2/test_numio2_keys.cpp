// Keyboard editing of the custom-drawn numeric field: validation of every keystroke,
// key mapping, deletion rules, fixed-point overwriting, clipboard keys, read-only.
#include "numio2_fixture.h"

#include <frame/core/application.h>

using namespace vek;
using namespace numio2test;

namespace {

struct Counted {
    TNumIO2 field;
    int changes = 0;
    Counted()
    {
        field.OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, &field);
            ++changes;
        };
    }
};

} // namespace

TEST(NumIO2Typing, LettersAreValidatedByFormat)
{
    Counted c;
    c.field.SetInputFormat(itInt);
    c.field.SetText(QString());
    Type(&c.field, "1A");
    EXPECT_EQ(c.field.Text(), QStringLiteral("1"));
    EXPECT_EQ(c.changes, 1); // the refused letter is no change
    EXPECT_EQ(c.field.CaretPos(), 1);

    TNumIO2 hex;
    hex.SetInputFormat(itHex);
    hex.SetText(QString());
    Type(&hex, "1A");
    EXPECT_EQ(hex.Text(), QStringLiteral("1A"));
    Type(&hex, "G");
    EXPECT_EQ(hex.Text(), QStringLiteral("1A"));
}

TEST(NumIO2Typing, LoneSignIsAcceptedInEveryFormat)
{
    for (TInFormat format : {itExp, itFloat, itFixPoint, itInt, itHex, itBin, itDynamic}) {
        TNumIO2 field;
        field.SetInputFormat(format);
        field.SetText(QString());
        Type(&field, "-");
        EXPECT_EQ(field.Text(), QStringLiteral("-")) << format;
    }
    TNumIO2 field;
    field.SetInputFormat(itInt);
    field.SetText(QString());
    Type(&field, "-5x");
    EXPECT_EQ(field.Text(), QStringLiteral("-5"));
    EXPECT_EQ(field.Value(), -5.0);
}

TEST(NumIO2Typing, KeypadAndPunctuationKeys)
{
    TNumIO2 field;
    Press(&field, Qt::Key_1, Qt::KeypadModifier);
    Press(&field, Qt::Key_Period, Qt::KeypadModifier); // keypad separator types ","
    Press(&field, Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(field.Text(), QStringLiteral("1,5"));
    EXPECT_EQ(field.Value(), 1.5);
    Press(&field, Qt::Key_Home);
    Press(&field, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(field.Text(), QStringLiteral("-1,5"));

    TNumIO2 point;
    point.SetDecPlaceSep(dsPoint);
    Type(&point, "2");
    Press(&point, Qt::Key_Period, Qt::KeypadModifier);
    Type(&point, "5");
    EXPECT_EQ(point.Text(), QStringLiteral("2.5"));
    Press(&point, Qt::Key_Comma); // not this field's separator
    EXPECT_EQ(point.Text(), QStringLiteral("2.5"));

    TNumIO2 exp;
    exp.SetInputFormat(itExp);
    exp.SetText(QString());
    Type(&exp, "1E");
    Press(&exp, Qt::Key_Plus);
    Type(&exp, "3");
    EXPECT_EQ(exp.Text(), QStringLiteral("1E+3"));
    EXPECT_EQ(exp.Value(), 1000.0);
}

// A lone prefix must be accepted while typing, or no prefixed number could be typed.
TEST(NumIO2Typing, ShiftedDigitsGiveDynamicPrefixes)
{
    TNumIO2 field;
    field.SetInputFormat(itDynamic);
    field.SetText(QString());
    Press(&field, Qt::Key_Dollar, Qt::ShiftModifier);
    Type(&field, "FF");
    EXPECT_EQ(field.Text(), QStringLiteral("$FF"));
    EXPECT_EQ(field.Value(), 255.0);
    field.SetText(QString());
    Press(&field, Qt::Key_Percent, Qt::ShiftModifier);
    Type(&field, "12");
    EXPECT_EQ(field.Text(), QStringLiteral("%1"));
    field.SetText(QString());
    Press(&field, Qt::Key_AsciiCircum, Qt::ShiftModifier); // Shift+6
    Type(&field, "178");
    EXPECT_EQ(field.Text(), QStringLiteral("&17"));
    EXPECT_EQ(field.Value(), 15.0);
    field.SetText(QString());
    Press(&field, Qt::Key_Ampersand, Qt::ShiftModifier); // Shift+7 stays a digit
    EXPECT_EQ(field.Text(), QStringLiteral("7"));
}

TEST(NumIO2Editing, CaretKeysAndDeletion)
{
    Counted c;
    c.field.SetText(QStringLiteral("123.5"));
    Press(&c.field, Qt::Key_End);
    EXPECT_EQ(c.field.CaretPos(), 5);
    Press(&c.field, Qt::Key_Right);
    EXPECT_EQ(c.field.CaretPos(), 5);
    Press(&c.field, Qt::Key_Up);
    Press(&c.field, Qt::Key_Left);
    EXPECT_EQ(c.field.CaretPos(), 3);
    Press(&c.field, Qt::Key_Backspace);
    EXPECT_EQ(c.field.Text(), QStringLiteral("12.5"));
    EXPECT_EQ(c.field.CaretPos(), 2);
    Press(&c.field, Qt::Key_Delete);
    EXPECT_EQ(c.field.Text(), QStringLiteral("125"));
    Press(&c.field, Qt::Key_Home);
    Press(&c.field, Qt::Key_Backspace); // nothing before the caret: no change
    Press(&c.field, Qt::Key_Down);
    EXPECT_EQ(c.field.CaretPos(), 1);
    EXPECT_EQ(c.changes, 2);
    Press(&c.field, Qt::Key_End);
    Press(&c.field, Qt::Key_Delete);
    EXPECT_EQ(c.changes, 2);
}

TEST(NumIO2Editing, DeletingTheWholeSelectionWritesZero)
{
    Counted c;
    c.field.SetText(QStringLiteral("42"));
    c.field.SetSelEnd(2);
    Press(&c.field, Qt::Key_Delete);
    EXPECT_EQ(c.field.Text(), QStringLiteral("0.00"));
    EXPECT_EQ(c.changes, 1);

    c.field.SetText(QStringLiteral("42"));
    c.field.SetSelEnd(1);
    Type(&c.field, "7"); // a typed key replaces the selection
    EXPECT_EQ(c.field.Text(), QStringLiteral("72"));

    c.field.SetText(QStringLiteral("42"));
    Press(&c.field, Qt::Key_End);
    Press(&c.field, Qt::Key_Backspace);
    Press(&c.field, Qt::Key_Backspace); // single characters may leave the text empty
    EXPECT_EQ(c.field.Text(), QString());
}

TEST(NumIO2Editing, FixPointDecimalsAreOverwritten)
{
    Counted c;
    c.field.SetInputFormat(itFixPoint);
    c.field.SetValue(12.34);
    Press(&c.field, Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
        Press(&c.field, Qt::Key_Right);
    EXPECT_EQ(c.field.SelBegin(), 3); // the next decimal is selected
    EXPECT_EQ(c.field.SelEnd(), 4);
    Type(&c.field, "78");
    EXPECT_EQ(c.field.Text(), QStringLiteral("12.78"));
    Type(&c.field, "9"); // no decimal place left
    EXPECT_EQ(c.field.Text(), QStringLiteral("12.78"));
    Press(&c.field, Qt::Key_Backspace); // would leave one decimal
    EXPECT_EQ(c.field.Text(), QStringLiteral("12.78"));
    Press(&c.field, Qt::Key_Home);
    Type(&c.field, "5");
    EXPECT_EQ(c.field.Text(), QStringLiteral("512.78"));
    EXPECT_EQ(c.changes, 3);
}

TEST(NumIO2Editing, OnKeyDownMaySwallowKeys)
{
    TNumIO2 field;
    field.OnKeyDown = [](TObject*, int& key, TShiftState) {
        if (key == '7')
            key = 0;
    };
    Type(&field, "171");
    EXPECT_EQ(field.Text(), QStringLiteral("11"));
}

TEST(NumIO2Clipboard, CopyCutAndPaste)
{
    Counted c;
    c.field.SetText(QStringLiteral("123.25"));
    c.field.SetSelEnd(3);
    Press(&c.field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("123"));
    EXPECT_EQ(c.changes, 0);

    c.field.SetSelBegin(1);
    c.field.SetSelEnd(3);
    Press(&c.field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("23"));
    EXPECT_EQ(c.field.Text(), QStringLiteral("1.25"));
    EXPECT_EQ(c.changes, 1);

    Clipboard()->SetAsText(QStringLiteral(" 98\n"));
    Press(&c.field, Qt::Key_Home);
    Press(&c.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(c.field.Text(), QStringLiteral("981.25"));
    EXPECT_EQ(c.field.CaretPos(), 2);
    EXPECT_EQ(c.changes, 2);
}

TEST(NumIO2Clipboard, BadPastesAreRefused)
{
    Counted c;
    c.field.SetText(QStringLiteral("5"));
    Clipboard()->SetAsText(QStringLiteral("12abc"));
    Press(&c.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(c.field.Text(), QStringLiteral("5"));
    Clipboard()->SetAsText(QString(100000, QLatin1Char('9')));
    Press(&c.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(c.field.Text(), QStringLiteral("5"));
    Clipboard()->SetAsText(QString(500, QLatin1Char('9')));
    Press(&c.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(c.field.Text().size(), 501);
    EXPECT_EQ(c.changes, 1);
    numio2test::Face(c.field);
    Clipboard()->Clear();
    Press(&c.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(c.changes, 1);
}

TEST(NumIO2ReadOnly, OnlyCopyWorks)
{
    Counted c;
    c.field.SetText(QStringLiteral("12.5"));
    c.field.SetReadOnly(true);
    c.field.SetSelEnd(2);
    Press(&c.field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("12"));
    Type(&c.field, "7");
    Press(&c.field, Qt::Key_Delete);
    Press(&c.field, Qt::Key_X, Qt::ControlModifier);
    Press(&c.field, Qt::Key_V, Qt::ControlModifier);
    Press(&c.field, Qt::Key_End);
    EXPECT_EQ(c.field.Text(), QStringLiteral("12.5"));
    EXPECT_EQ(c.field.CaretPos(), 0);
    EXPECT_EQ(c.changes, 0);
}

TEST(NumIO2Focus, TabMovesToTheNextField)
{
    Window window;
    TNumIO2* first = window.Add(10);
    TNumIO2* second = window.Add(50);
    ASSERT_TRUE(window.Activate());
    first->SetFocus();
    ASSERT_TRUE(first->Focused());
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->Focused());
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(60, 14));
    EXPECT_TRUE(first->Focused());
}
