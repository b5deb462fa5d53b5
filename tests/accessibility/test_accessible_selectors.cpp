// Fields and selectors: numeric fields with ranges, selected entries, dates and slides,
// and the controls that keep Qt's own interfaces (line edit, combo box, tree).
#include "accessibility_fixture.h"

#include <VEK_Colsel.h>
#include <VEK_FolderTree.h>
#include <VEK_MiniCal.h>
#include <VEK_NumIO.h>
#include <VEK_Thumbnails.h>
#include <VEK_marksel.h>

#include "marking_translator.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace vek;
using namespace vektest;

using SelectorAccessibility = AccessibilityTest;

TEST_F(SelectorAccessibility, NumIO2IsASpinBoxWithRangeStepAndSettableValue)
{
    TNumIO2 field;
    field.SetLeftText(QStringLiteral("Gain"));
    field.SetRangeLow(-5);
    field.SetRangeHigh(5);
    field.SetButIncrem(0.5);
    field.SetValue(1.5);
    QAccessibleInterface* iface = Interface(&field);
    EXPECT_EQ(iface->role(), field.ButVisible() ? QAccessible::SpinBox : QAccessible::EditableText);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Gain"));
    EXPECT_EQ(iface->text(QAccessible::Value), field.Text());
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_TRUE(value);
    EXPECT_EQ(value->minimumValue().toDouble(), -5);
    EXPECT_EQ(value->maximumValue().toDouble(), 5);
    EXPECT_EQ(value->minimumStepSize().toDouble(), 0.5);

    ClearEvents();
    value->setCurrentValue(2.5);
    EXPECT_EQ(field.Value(), 2.5);
    ASSERT_EQ(Events(QAccessible::ValueChanged, &field).size(), 1u);
    value->setCurrentValue(QStringLiteral("not a number"));
    EXPECT_EQ(field.Value(), 2.5);

    field.SetReadOnly(true);
    value->setCurrentValue(1);
    EXPECT_EQ(field.Value(), 2.5);
    EXPECT_TRUE(iface->state().readOnly);
}

TEST_F(SelectorAccessibility, NumIOIsAnEditFieldNamedByItsLabelWithRangeAndText)
{
    QWidget form;
    QLabel label(QStringLiteral("&Length"), &form);
    TNumIO field(&form);
    label.setBuddy(&field);
    field.SetInputFormat(TInFormatMeta::itInt);
    field.SetRangeLow(0);
    field.SetRangeHigh(100);
    field.SetValue(42);
    QAccessibleInterface* iface = Interface(&field);
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Length"));
    EXPECT_EQ(iface->text(QAccessible::Value), field.text());
    EXPECT_TRUE(iface->state().editable);
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_TRUE(value);
    EXPECT_EQ(value->currentValue().toDouble(), 42);
    EXPECT_EQ(value->maximumValue().toDouble(), 100);

    ClearEvents();
    value->setCurrentValue(250); // kept in the range the field checks typed numbers against
    EXPECT_EQ(field.Value(), 100);
    ASSERT_EQ(Events(QAccessible::ValueChanged, &field).size(), 1u);

    // Text edits go through the field as typing does: its check refuses a letter.
    QAccessibleTextInterface* text = iface->textInterface();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text(0, text->characterCount()), field.text());
    iface->editableTextInterface()->replaceText(0, text->characterCount(), QStringLiteral("7"));
    EXPECT_EQ(field.Value(), 7);
    iface->editableTextInterface()->insertText(1, QStringLiteral("x"));
    EXPECT_EQ(field.Value(), 7);
}

TEST_F(SelectorAccessibility, ColorSelectorReadsTheSelectedColorName)
{
    TColSel selector;
    selector.SetItemIndex(2);
    QAccessibleInterface* iface = Interface(&selector);
    EXPECT_EQ(iface->role(), QAccessible::ComboBox);
    EXPECT_EQ(iface->text(QAccessible::Value), selector.SelColorID());
    EXPECT_FALSE(iface->text(QAccessible::Value).isEmpty());

    ClearEvents();
    selector.SetItemIndex(4);
    ASSERT_FALSE(Events(QAccessible::ValueChanged, &selector).empty());
    EXPECT_EQ(Events(QAccessible::ValueChanged, &selector).back().value.toString(),
              selector.SelColorID());
}

TEST_F(SelectorAccessibility, MarkSelectorIsATableOfMarksWithTheSelectedOneAsValue)
{
    QWidget window;
    TMarkSel selector(&window);
    window.show();
    selector.SetSelected(12);
    QAccessibleInterface* iface = Interface(&selector);
    EXPECT_EQ(iface->role(), QAccessible::Table);
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("Mark 12"));
    QAccessibleTableInterface* table = iface->tableInterface();
    EXPECT_EQ(table->rowCount(), selector.NrOfRows());
    EXPECT_EQ(table->columnCount(), selector.NrOfColumns());
    // All marks are visible: mark 12 fills slot 12, row 1 and column 4 of 8 columns.
    ASSERT_TRUE(iface->focusChild());
    EXPECT_EQ(iface->focusChild(), table->cellAt(1, 4));
    EXPECT_EQ(iface->focusChild()->text(QAccessible::Name), QStringLiteral("Mark 12"));
    EXPECT_TRUE(iface->focusChild()->tableCellInterface()->isSelected());
    EXPECT_TRUE(iface->focusChild()->tableCellInterface()->columnHeaderCells().isEmpty());

    // The arrow keys move the focused cell, with a focus event for it.
    QApplication::setActiveWindow(&window);
    selector.setFocus();
    ASSERT_TRUE(selector.hasFocus());
    ClearEvents();
    QTest::keyClick(&selector, Qt::Key_Right);
    EXPECT_EQ(iface->focusChild()->text(QAccessible::Name), QStringLiteral("Mark 13"));
    ASSERT_FALSE(Events(QAccessible::Focus, nullptr).empty());
    EXPECT_EQ(Events(QAccessible::Focus, nullptr).back().childText, QStringLiteral("Mark 13"));

    ClearEvents();
    selector.SetSelected(-1);
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("None"));
    EXPECT_EQ(Events(QAccessible::SelectionWithin, &selector).size(), 1u);
    ASSERT_EQ(Events(QAccessible::ValueChanged, &selector).size(), 1u);
    EXPECT_EQ(Events(QAccessible::ValueChanged, &selector)[0].value.toString(), QStringLiteral("None"));
}

// What a screen reader says of marks, slides, weeks and check marks is the library's own
// text, in the application's language.
TEST_F(SelectorAccessibility, SpokenTextsFollowTheApplicationsTranslator)
{
    ScopedMarkingTranslator german;
    TMarkSel selector;
    EXPECT_EQ(Interface(&selector)->text(QAccessible::Value), "[de] None");
    selector.SetSelected(12);
    EXPECT_EQ(Interface(&selector)->text(QAccessible::Value), "[de] Mark 12");
    TThumbnails grid;
    grid.SetMax(3);
    QAccessibleTableInterface* slides = Interface(&grid)->tableInterface();
    ASSERT_TRUE(slides && slides->cellAt(0, 0));
    EXPECT_EQ(slides->cellAt(0, 0)->text(QAccessible::Name), "[de] Slide 1");
}

TEST_F(SelectorAccessibility, CalendarIsATableOfDaysWithTheSelectedDateFocused)
{
    const auto longDate = [](QDate date) { return QLocale().toString(date, QLocale::LongFormat); };
    TMiniCal calendar;
    calendar.resize(300, 180);
    calendar.SetFirstDayOfWeek(TMiniCal::dwMon);
    calendar.setDate(QDate(2024, 2, 29));
    QAccessibleInterface* iface = Interface(&calendar);
    EXPECT_EQ(iface->role(), QAccessible::Table);
    EXPECT_EQ(iface->text(QAccessible::Value), longDate(QDate(2024, 2, 29)));
    QAccessibleTableInterface* table = iface->tableInterface();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->rowCount(), 6);
    EXPECT_EQ(table->columnCount(), 7);
    EXPECT_EQ(table->columnDescription(0), QLocale().dayName(Qt::Monday));
    ASSERT_TRUE(iface->focusChild());
    EXPECT_EQ(iface->focusChild()->text(QAccessible::Name), longDate(QDate(2024, 2, 29)));
    // 29 February 2024 is a Thursday in ISO week 9.
    EXPECT_EQ(iface->focusChild()->tableCellInterface()->columnIndex(), 3);
    EXPECT_EQ(table->rowDescription(iface->focusChild()->tableCellInterface()->rowIndex()),
              QStringLiteral("Week 9"));

    ClearEvents();
    calendar.setDate(QDate(2024, 3, 1));
    ASSERT_EQ(Events(QAccessible::ValueChanged, &calendar).size(), 1u);
    EXPECT_EQ(Events(QAccessible::ValueChanged, &calendar)[0].value.toString(),
              longDate(QDate(2024, 3, 1)));
    ASSERT_FALSE(Events(QAccessible::Focus, nullptr).empty());
    EXPECT_EQ(Events(QAccessible::Focus, nullptr).back().childText, longDate(QDate(2024, 3, 1)));
}

TEST_F(SelectorAccessibility, ThumbnailGridIsATableOfSlidesSummarisingItsSelection)
{
    TThumbnails grid;
    grid.SetMax(1000000);
    grid.SetSlideSelectMode(TThumbnails::ssmMultiple);
    QAccessibleInterface* iface = Interface(&grid);
    EXPECT_EQ(iface->role(), QAccessible::Table);
    EXPECT_TRUE(iface->state().multiSelectable);
    EXPECT_TRUE(iface->text(QAccessible::Value).isEmpty());

    for (int n : {4, 7, 8, 9, 999999})
        grid.SetSlideSelected(n, true);
    // The last slide lies beyond what a summary scans: it ends in "...".
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("4, 7-9, ..."));

    // Slides fill rows of NumSlidesHoriz from slide 1 on; the table has a cell for each.
    QAccessibleTableInterface* table = iface->tableInterface();
    const int perRow = grid.NumSlidesHoriz();
    EXPECT_EQ(table->columnCount(), perRow);
    EXPECT_EQ(table->rowCount(), (1000000 + perRow - 1) / perRow);
    QAccessibleInterface* seventh = table->cellAt(6 / perRow, 6 % perRow);
    ASSERT_TRUE(seventh);
    EXPECT_EQ(seventh->text(QAccessible::Name), QStringLiteral("Slide 7"));
    EXPECT_TRUE(seventh->tableCellInterface()->isSelected());
    EXPECT_EQ(table->selectedCellCount(), 5);

    ClearEvents();
    grid.SetSlideSelected(8, false);
    EXPECT_EQ(Events(QAccessible::SelectionWithin, &grid).size(), 1u);
    ASSERT_EQ(Events(QAccessible::ValueChanged, &grid).size(), 1u);
    EXPECT_EQ(Events(QAccessible::ValueChanged, &grid)[0].value.toString(),
              QStringLiteral("4, 7, 9, ..."));
}

TEST_F(SelectorAccessibility, FolderTreeShowsItsFoldersAsTreeItems)
{
    QTemporaryDir temp;
    ASSERT_TRUE(QDir(temp.path()).mkpath(QStringLiteral("alpha/beta")));
    TFolderTree tree;
    ASSERT_TRUE(tree.SelectPath(temp.path() + QStringLiteral("/alpha")));
    QAccessibleInterface* iface = Interface(&tree);
    EXPECT_EQ(iface->role(), QAccessible::Tree);
    bool found = false;
    for (int i = 0; i < iface->childCount() && !found; ++i)
        found = iface->child(i)->text(QAccessible::Name) == QStringLiteral("alpha");
    EXPECT_TRUE(found);
}
