// TCustomEdit: the Change hook, internal text changes, selection, focus behaviour and
// the input events.
#include <frame/controls/customedit.h>
#include <frame/controls/keys.h>

#include "qstring_printer.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace vek;

namespace {

class CountingEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    using TCustomEdit::SetTextInternal;
    int changes = 0;

protected:
    void Change() override
    {
        ++changes;
        TCustomEdit::Change();
    }
};

class EditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        other = new QLineEdit(window.get());
        edit = new CountingEdit(window.get());
        edit->SetBounds(0, 30, 120, 0);
        window->show();
        window->activateWindow();
        edit->SetFocus();
        QApplication::processEvents();
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* other = nullptr;
    CountingEdit* edit = nullptr;
};

} // namespace

TEST_F(EditTest, ChangeRunsAfterEveryChangeButInternalOnes)
{
    int events = 0;
    edit->OnChange = [&](TObject*) { ++events; };
    QTest::keyClicks(edit, "ab");
    edit->SetText("xyz");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->changes, 4);
    EXPECT_EQ(events, 4);
    edit->SetTextInternal("internal");
    edit->SetTextInternal("internal"); // unchanged text: no change reported either way
    EXPECT_EQ(edit->changes, 4);
    QTest::keyClicks(edit, "!");
    EXPECT_EQ(edit->changes, 5); // the next real change is not swallowed
    EXPECT_EQ(edit->Text(), "internal!");
}

TEST_F(EditTest, TextChangedReachesApplicationReceiversAfterOnChange)
{
    QStringList seen;
    edit->OnChange = [&](TObject*) { seen << QStringLiteral("OnChange"); };
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [&](const QString& text) { seen << text; });
    QTest::keyClicks(edit, "a");
    edit->SetTextInternal("b"); // no OnChange, but Qt's signal all the same
    EXPECT_EQ(seen, QStringList({"OnChange", "a", "b"}));
}

TEST_F(EditTest, InternalTextCannotBeUndone)
{
    QTest::keyClicks(edit, "12");
    edit->SetTextInternal("7");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "7");
}

TEST_F(EditTest, SelectionProperties)
{
    edit->SetText("hello world");
    edit->SetSelStart(6);
    EXPECT_EQ(edit->SelStart(), 6);
    EXPECT_EQ(edit->SelLength(), 0);
    edit->SetSelLength(3);
    EXPECT_EQ(edit->SelText(), "wor");
    EXPECT_EQ(edit->SelStart(), 6);
    edit->SetSelText("W");
    EXPECT_EQ(edit->Text(), "hello Wld");
    edit->SetSelStart(100);
    EXPECT_EQ(edit->SelStart(), 9);
    edit->SetSelStart(2);
    edit->SetSelLength(100);
    EXPECT_EQ(edit->SelText(), "llo Wld");
    edit->Clear();
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(EditTest, AutoSelectOnKeyboardEntry)
{
    edit->SetText("123");
    other->setFocus(Qt::OtherFocusReason);
    edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->SelText(), "123");
    edit->SetAutoSelect(false);
    other->setFocus(Qt::OtherFocusReason);
    edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(EditTest, HideSelectionFalseKeepsTheSelection)
{
    edit->SetText("abcdef");
    edit->setSelection(1, 3);
    edit->SetHideSelection(false);
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->SelText(), "bcd");
    edit->SetHideSelection(true);
    edit->setFocus(Qt::MouseFocusReason);
    edit->setSelection(1, 3);
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(EditTest, EnterAndExitEvents)
{
    int enters = 0, exits = 0;
    edit->OnEnter = [&](TObject*) { ++enters; };
    edit->OnExit = [&](TObject*) { ++exits; };
    other->setFocus(Qt::TabFocusReason);
    edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(enters, 1);
}

TEST_F(EditTest, KeyHandlersSeeVirtualKeysAndMayChangeCharacters)
{
    std::vector<int> downs, ups;
    edit->OnKeyDown = [&](TObject*, int& key, TShiftState) { downs.push_back(key); };
    edit->OnKeyUp = [&](TObject*, int& key, TShiftState) { ups.push_back(key); };
    edit->OnKeyPress = [](TObject*, QChar& key) {
        if (key == u',')
            key = u'.';
        if (key == u'x')
            key = QChar();
    };
    QTest::keyClicks(edit, "1,x5");
    EXPECT_EQ(edit->Text(), "1.5");
    ASSERT_EQ(downs.size(), 4u);
    EXPECT_EQ(downs[0], '1');
    EXPECT_EQ(downs[1], VK_OEM_COMMA);
    EXPECT_EQ(ups.size(), 4u);
}

TEST_F(EditTest, ZeroedKeyIsSwallowed)
{
    edit->SetText("abc");
    edit->SetSelStart(3);
    edit->OnKeyDown = [](TObject*, int& key, TShiftState) {
        if (key == VK_BACK)
            key = 0;
    };
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "abc");
}

TEST_F(EditTest, ClickAndDoubleClick)
{
    int clicks = 0, doubles = 0;
    edit->OnClick = [&](TObject*) { ++clicks; };
    edit->OnDblClick = [&](TObject*) { ++doubles; };
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    EXPECT_EQ(clicks, 1);
    QTest::mouseDClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    EXPECT_EQ(doubles, 1);
}

TEST_F(EditTest, AutoSizeFitsTheHeightToTheFont)
{
    const int fitted = edit->Height();
    EXPECT_EQ(fitted, edit->sizeHint().height());
    edit->SetHeight(60);
    EXPECT_EQ(edit->Height(), fitted);
    edit->Font()->SetHeight(-30);
    EXPECT_GT(edit->Height(), fitted);
    edit->SetAutoSize(false);
    edit->SetHeight(15);
    EXPECT_EQ(edit->Height(), 15);
}

TEST_F(EditTest, ColorsBorderAndReadOnly)
{
    edit->SetColor(clYellow);
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(Qt::yellow));
    edit->SetColor(clWindow);
    EXPECT_EQ(edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    edit->SetBorderStyle(TCustomEdit::bsNone);
    EXPECT_FALSE(edit->hasFrame());
    edit->SetReadOnly(true);
    QTest::keyClicks(edit, "zz");
    EXPECT_EQ(edit->Text(), "");
}
