// TReportListView::EditRowEntries: the dialog's controls, their places and start values,
// typing, Enter, OK and Cancel, the write-back, the container form and the cells the
// fields cannot show.
#include <VEK_NumIO.h>
#include <VEK_replist.h>
#include <frame/controls/datetimepicker.h>
#include <frame/core/component.h>
#include <frame/runtime/rtl.h>

#include "marking_translator.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace vek;

namespace {

// The columns of the list under test: name, format, and the cell of row 2.
struct ColumnSetup {
    const char* name;
    const char* format;
    const char* cell;
};

const ColumnSetup Columns[] = {
    {"Name", "[s][100]abc", "Ann"},
    {"Colour", "[l:5][150]red|green|blue", "green"},
    {"Plain", "", ""},
    {"Day", "[ddd.MM.yyyy][120]", "24.12.2023"},
    {"Count", "[i][80]rix3", ""},
    {"Fixed", "[#s][100]abc", "xyz"},
    {"Town", "[c:3][90]Graz|Lyon", "Porto"},
};
constexpr int ColumnCount = int(std::size(Columns));

struct RowEditorTest : ::testing::Test {
    TReportListView list;

    void SetUp() override
    {
        list.SetName("List1");
        list.SetNrOfColumns(ColumnCount);
        list.SetNrOfRows(3);
        for (int c = 1; c <= ColumnCount; ++c) {
            list.SetHeader(c, Columns[c - 1].name);
            list.SetColumnFormat(c, Columns[c - 1].format);
            list.SetElem(c, 2, Columns[c - 1].cell);
        }
    }

    // Opens the dialog with open(), runs act on it once it is modal, and returns the
    // dialog's result. A dialog that act leaves open is cancelled, so a failing check
    // never hangs the test.
    int WithDialog(const std::function<int()>& open, const std::function<void(QDialog&)>& act)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen = true;
            act(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        const int result = open();
        EXPECT_TRUE(seen) << "no modal dialog";
        return result;
    }

    int EditRow(int row, const std::function<void(QDialog&)>& act)
    {
        return WithDialog([&] { return list.EditRowEntries(row, 30, 40); }, act);
    }

    int LabelWidth(const QDialog& dialog) const
    {
        int widest = 0;
        for (const ColumnSetup& column : Columns)
            widest = std::max(widest, dialog.fontMetrics().horizontalAdvance(column.name));
        return widest + 8;
    }
};

template <typename T> T* Control(QDialog& dialog, const QString& name)
{
    T* control = dialog.findChild<T*>(name);
    EXPECT_NE(control, nullptr) << qPrintable(name);
    return control;
}

QPushButton* Button(QDialog& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    ADD_FAILURE() << "no button " << qPrintable(text);
    return nullptr;
}

} // namespace

TEST_F(RowEditorTest, OwnFormPlacesALabelAndAFieldPerColumn)
{
    const int result = EditRow(2, [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Editing Row 2");
        EXPECT_EQ(dialog.pos(), QPoint(30, 40));
        const int e = LabelWidth(dialog);
        const int widest = 200; // the column without a format
        EXPECT_EQ(dialog.size(), QSize(widest + e + 28, ColumnCount * 25 + 45 + 38));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "a fixed dialog border";
        const QRect ok = Button(dialog, "OK")->geometry();
        const QRect cancel = Button(dialog, "Cancel")->geometry();
        EXPECT_EQ(ok, QRect(widest + e - 154, 4, 81, 29));
        EXPECT_EQ(cancel, QRect(widest + e - 69, 4, 81, 29));
        for (int n = 1; n <= ColumnCount; ++n) {
            auto* label = Control<QLabel>(dialog, QStringLiteral("runtime_rlre_Label%1").arg(n));
            EXPECT_EQ(label->text(), QString(Columns[n - 1].name) + ":");
            EXPECT_EQ(label->geometry().topLeft(), QPoint(8, 45 + (n - 1) * 25 + 3));
            EXPECT_EQ(label->width(), e);
            EXPECT_TRUE(label->alignment() & Qt::AlignRight);
        }
        const auto fieldRect = [&](QWidget* field, int n) {
            EXPECT_EQ(Tag(field), n) << qPrintable(field->objectName());
            return QRect(field->pos(), QSize(field->width(), 1));
        };
        const auto expected = [&](int n, int width) {
            return QRect(e + 12, 45 + (n - 1) * 25, width, 1);
        };
        auto* name = Control<QLineEdit>(dialog, "runtime_rlre_Edit1");
        EXPECT_EQ(fieldRect(name, 1), expected(1, 100));
        EXPECT_EQ(name->text(), "Ann");
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_EQ(QApplication::focusWidget(), name) << "the first field, not a button";
        auto* colour = Control<QComboBox>(dialog, "runtime_rlre_CBox2");
        EXPECT_EQ(fieldRect(colour, 2), expected(2, 150));
        EXPECT_FALSE(colour->isEditable());
        EXPECT_EQ(colour->count(), 3);
        EXPECT_EQ(colour->maxVisibleItems(), 5);
        EXPECT_EQ(colour->currentIndex(), 1);
        auto* plain = Control<QLineEdit>(dialog, "runtime_rlre_Edit3");
        EXPECT_EQ(fieldRect(plain, 3), expected(3, 200));
        auto* day = Control<TDateTimePicker>(dialog, "runtime_rlre_DtPick4");
        EXPECT_EQ(fieldRect(day, 4), expected(4, 120));
        EXPECT_EQ(day->Format(), "dd.MM.yyyy");
        EXPECT_EQ(day->DateTime(), EncodeDate(2023, 12, 24));
        EXPECT_EQ(day->text(), "24.12.2023");
        auto* count = Control<TNumIO>(dialog, "runtime_rlre_NumIO5");
        EXPECT_EQ(fieldRect(count, 5), expected(5, 80));
        EXPECT_EQ(count->InputFormat(), itInt);
        EXPECT_EQ(count->Text(), "002") << "an empty cell starts with the default";
        auto* fixed = Control<QLineEdit>(dialog, "runtime_rlre_Edit6");
        EXPECT_FALSE(fixed->isEnabled());
        EXPECT_EQ(fixed->text(), "xyz");
        auto* town = Control<QComboBox>(dialog, "runtime_rlre_CBox7");
        EXPECT_TRUE(town->isEditable());
        EXPECT_EQ(town->maxVisibleItems(), 3);
        EXPECT_EQ(town->currentText(), "Porto");
        QTest::mouseClick(Button(dialog, "Cancel"), Qt::LeftButton);
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(list.Elem(5, 2), "") << "Cancel writes nothing";
    EXPECT_TRUE(list.findChildren<QDialog*>().isEmpty()) << "the form is freed";
}

TEST_F(RowEditorTest, OkWritesEveryFieldBack)
{
    const int result = EditRow(2, [&](QDialog& dialog) {
        auto* name = Control<QLineEdit>(dialog, "runtime_rlre_Edit1");
        name->selectAll();
        QTest::keyClicks(name, "Bob");
        QTest::keyClick(Control<QComboBox>(dialog, "runtime_rlre_CBox2"), Qt::Key_Down);
        auto* count = Control<TNumIO>(dialog, "runtime_rlre_NumIO5");
        count->setFocus();
        count->end(false);
        QTest::keyClicks(count, "7x");
        auto* town = Control<QComboBox>(dialog, "runtime_rlre_CBox7");
        town->lineEdit()->selectAll();
        QTest::keyClicks(town, "Kyoto");
        QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    const QStringList written = {"Bob", "blue", "", "24.12.2023", "0027", "xyz", "Kyoto"};
    for (int c = 1; c <= ColumnCount; ++c)
        EXPECT_EQ(list.Elem(c, 2), written[c - 1]) << c;
    EXPECT_EQ(list.Elem(1, 1), "") << "other rows stay";
}

// The dialog's own caption and buttons are in the application's language; the labels
// are the list's column names and stay as they are.
TEST_F(RowEditorTest, OwnFormSpeaksTheApplicationsLanguage)
{
    vektest::ScopedMarkingTranslator german;
    const int result = EditRow(3, [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "[de] Editing Row 3");
        EXPECT_TRUE(Button(dialog, "[de] OK"));
        QTest::mouseClick(Button(dialog, "[de] Cancel"), Qt::LeftButton);
        EXPECT_EQ(Control<QLabel>(dialog, "runtime_rlre_Label1")->text(), "Name:");
    });
    EXPECT_EQ(result, mrCancel);
}

TEST_F(RowEditorTest, EnterInAnEditableFieldClosesAsOkAndEscapeCancels)
{
    const QStringList fields = {"runtime_rlre_Edit1", "runtime_rlre_CBox2", "runtime_rlre_DtPick4",
                                "runtime_rlre_NumIO5", "runtime_rlre_CBox7"};
    for (const QString& field : fields) {
        const int result = EditRow(1, [&](QDialog& dialog) {
            QWidget* widget = Control<QWidget>(dialog, field);
            widget->setFocus();
            QTest::keyClick(widget, Qt::Key_Return);
        });
        EXPECT_EQ(result, mrOk) << qPrintable(field);
    }
    EXPECT_EQ(list.Elem(1, 1), "abc") << "the default was written on OK";
    EXPECT_EQ(list.Elem(5, 1), "001");
    EXPECT_EQ(EditRow(1, [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }),
              mrCancel);
}

TEST_F(RowEditorTest, ContainerFormHoldsTheControlsAndEndsItself)
{
    QDialog form;
    form.setWindowTitle("Application form");
    form.resize(100, 50);
    auto* done = new QPushButton("Done", &form);
    QObject::connect(done, &QPushButton::clicked, &form, [&] { form.done(7); });
    const auto open = [&] { return list.EditRowEntries(2, &form, 20, 10); };
    const int result = WithDialog(open, [&](QDialog& dialog) {
        EXPECT_EQ(&dialog, &form);
        EXPECT_EQ(form.windowTitle(), "");
        EXPECT_EQ(form.findChildren<QPushButton*>().size(), 1) << "no buttons of its own";
        const int e = LabelWidth(form);
        EXPECT_EQ(form.size(), QSize(20 + 200 + e + 28, 10 + ColumnCount * 25 + 38));
        EXPECT_EQ(Control<QLabel>(form, "runtime_rlre_Label3")->pos(), QPoint(20 + 8, 10 + 50 + 3));
        EXPECT_EQ(Control<QLineEdit>(form, "runtime_rlre_Edit3")->pos(), QPoint(e + 20 + 12, 10 + 50));
        QTest::mouseClick(done, Qt::LeftButton);
    });
    EXPECT_EQ(result, 7);
    EXPECT_EQ(list.Elem(5, 2), "") << "only OK writes";
    EXPECT_TRUE(form.findChildren<QWidget*>(QRegularExpression("runtime_rlre_")).isEmpty());
    EXPECT_EQ(form.findChildren<QPushButton*>().size(), 1);

    const int enter = WithDialog(open, [&](QDialog& dialog) {
        QTest::keyClick(Control<QLineEdit>(dialog, "runtime_rlre_Edit3"), Qt::Key_Enter);
    });
    EXPECT_EQ(enter, mrOk);
    EXPECT_EQ(list.Elem(5, 2), "002");
}

TEST_F(RowEditorTest, RequestEditFormatReplacesTheFormatPerCell)
{
    QStringList asked;
    list.OnRequestEditFormat = [&](TObject* sender, int col, int row, QString& format) {
        EXPECT_EQ(sender, &list);
        asked << QStringLiteral("%1/%2").arg(col).arg(row);
        if (col == 1)
            format = "[#l][90]Ann|Bea";
    };
    EditRow(2, [&](QDialog& dialog) {
        auto* box = Control<QComboBox>(dialog, "runtime_rlre_CBox1");
        EXPECT_EQ(box->width(), 90);
        EXPECT_FALSE(box->isEnabled());
        EXPECT_EQ(box->currentText(), "Ann");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("runtime_rlre_Edit1"), nullptr);
    });
    EXPECT_EQ(asked, QStringList({"1/2", "2/2", "3/2", "4/2", "5/2", "6/2", "7/2"}));
}

TEST_F(RowEditorTest, CellsAFieldCannotShowKeepTheirText)
{
    list.SetColumnFormat(3, "[dHH:mm][60]");
    list.SetColumnFormat(5, "[i][80]");
    list.SetColumnFormat(6, "[l][80]a|b");
    list.SetElem(4, 2, "31.02.2023"); // impossible
    list.SetElem(3, 2, "noon");       // unreadable
    list.SetElem(5, 2, "n/a");        // refused by the number field
    list.SetElem(6, 2, "zzz");        // not in the fixed list
    const int result = EditRow(2, [&](QDialog& dialog) {
        for (const char* name : {"runtime_rlre_DtPick3", "runtime_rlre_DtPick4"}) {
            auto* picker = Control<TDateTimePicker>(dialog, name);
            EXPECT_FALSE(picker->HasValue()) << name;
            EXPECT_FALSE(picker->toolTip().isEmpty()) << name;
        }
        auto* number = Control<TNumIO>(dialog, "runtime_rlre_NumIO5");
        EXPECT_EQ(number->Text(), "");
        EXPECT_EQ(number->placeholderText(), "n/a");
        auto* choice = Control<QComboBox>(dialog, "runtime_rlre_CBox6");
        EXPECT_EQ(choice->currentIndex(), -1);
        EXPECT_EQ(choice->placeholderText(), "zzz");
        QTest::keyClick(Control<QLineEdit>(dialog, "runtime_rlre_Edit1"), Qt::Key_Return);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(list.Elem(3, 2), "noon");
    EXPECT_EQ(list.Elem(4, 2), "31.02.2023");
    EXPECT_EQ(list.Elem(5, 2), "n/a");
    EXPECT_EQ(list.Elem(6, 2), "zzz");
}

TEST_F(RowEditorTest, PickersWriteBackOnlyWhatTheUserChanged)
{
    list.SetColumnFormat(3, "[dhh:mm tt][90]");
    list.SetColumnFormat(5, "[dd.MM.yyyy][90]01.01.2024");
    list.SetElem(3, 2, "03:07 pm");
    list.SetElem(4, 1, "");
    EditRow(1, [&](QDialog& dialog) {
        auto* empty = Control<TDateTimePicker>(dialog, "runtime_rlre_DtPick4");
        EXPECT_FALSE(empty->HasValue()) << "no cell text, no default: no value";
        EXPECT_EQ(Control<TDateTimePicker>(dialog, "runtime_rlre_DtPick5")->DateTime(),
                  EncodeDate(2024, 1, 1));
        QTest::keyClick(Control<QLineEdit>(dialog, "runtime_rlre_Edit1"), Qt::Key_Return);
    });
    EXPECT_EQ(list.Elem(4, 1), "") << "not a made-up date";
    EXPECT_EQ(list.Elem(5, 1), "01.01.2024") << "the default, as for the other fields";
    EditRow(2, [&](QDialog& dialog) {
        auto* time = Control<TDateTimePicker>(dialog, "runtime_rlre_DtPick3");
        EXPECT_EQ(time->text(), "03:07 PM");
        EXPECT_EQ(time->DateTime(), EncodeTime(15, 7, 0, 0));
        auto* day = Control<TDateTimePicker>(dialog, "runtime_rlre_DtPick4");
        day->setFocus();
        QTest::keyClick(day, Qt::Key_Up); // the day
        QTest::keyClick(day, Qt::Key_Return);
    });
    EXPECT_EQ(list.Elem(3, 2), "03:07 pm") << "untouched: the text as it was";
    EXPECT_EQ(list.Elem(4, 2), "25.12.2023");
}

TEST_F(RowEditorTest, TypingStopsWhereTheCellEnds)
{
    list.SetColumnCheckMode(7, cmBox);
    list.SetColumnFormat(7, "[s][90]");
    list.SetColumnIsPwd(1, true);
    list.SetColumnFormat(1, "[s][90]$pwd$12");
    EditRow(1, [&](QDialog& dialog) {
        auto* password = Control<QLineEdit>(dialog, "runtime_rlre_Edit1");
        EXPECT_EQ(password->echoMode(), QLineEdit::Password);
        EXPECT_EQ(password->text().size(), 12);
        auto* plain = Control<QLineEdit>(dialog, "runtime_rlre_Edit3");
        auto* checked = Control<QLineEdit>(dialog, "runtime_rlre_Edit7");
        EXPECT_EQ(plain->maxLength(), 255);
        EXPECT_EQ(checked->maxLength(), 254) << "the check flag takes one character";
        plain->setText(QString(300, u'p'));
        checked->setText(QString(300, u'c'));
        QTest::keyClick(plain, Qt::Key_Return);
    });
    EXPECT_EQ(list.Elem(3, 1), QString(255, u'p'));
    EXPECT_EQ(list.Elem(7, 1), QString(254, u'c'));
    EXPECT_EQ(list.Elem(1, 1).size(), 12);
}

TEST_F(RowEditorTest, RefusesRowsThatDoNotExist)
{
    for (const int row : {0, 4}) {
        try {
            list.EditRowEntries(row, 0, 0);
            ADD_FAILURE() << row;
        } catch (const EVEKRepListError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Component \"List1\": row %1 does not exist").arg(row));
        }
    }
    EXPECT_THROW(list.EditRowEntries(1, nullptr, 0, 0), EVEKRepListError);
}
