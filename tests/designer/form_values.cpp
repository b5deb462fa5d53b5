#include "form_values.h"

#include <VEK_FolderTree.h>
#include <VEK_onoffbut.h>

#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QDate>
#include <QFile>
#include <QUiLoader>

namespace vektest {

namespace {

struct TFormValue {
    const char* object;
    const char* property;
    QVariant value;
};

// What controls.ui sets, as the controls report it back.
const std::vector<TFormValue>& FormValues()
{
    static const std::vector<TFormValue> values{
        {"numIO", "text", QStringLiteral("250")},
        {"numIO", "RangeLow", 200.0},
        {"numIO", "RangeHigh", 300.0},
        {"numIO2", "Value", 42.5},
        {"numIO2", "RangeLow", 10.0},
        {"numIO2", "RangeHigh", 50.0},
        {"numIO2", "LeftText", QStringLiteral("U")},
        {"numLab", "Value", 3.25},
        {"numLab", "Precision", 2},
        {"numLab", "RightText", QStringLiteral("A")},
        {"sevenSeg", "Caption", QStringLiteral("12.5")},
        {"sevenSeg", "NumDigits", 5},
        {"sevenSeg", "ColorText", QColor(255, 0, 0)},
        {"rasterLab", "Text", QStringLiteral("HELLO")},
        {"rasterLab", "DotSize", 3},
        {"rotLab", "Caption", QStringLiteral("Rotated")},
        {"rotLab", "TextAngle", 90},
        {"meter", "Value", 150.0},
        {"meter", "Caption", QStringLiteral("kV")},
        {"meter", "MeterMinValue", 50.0},
        {"meter", "MeterMaxValue", 200.0},
        {"progBar", "Value", 60.0},
        {"progBar", "Min", 20.0},
        {"progBar", "Max", 80.0},
        {"progBar", "TextVisible", false},
        {"onOffBut", "OnOff", true},
        {"onOffBut", "ButtonStyle", QVariant::fromValue(vek::TOnOffBut::oobsLedRedGreen)},
        {"onOffBut", "RightText", QStringLiteral("Power")},
        {"repSpeedButton", "Caption", QStringLiteral("+")},
        {"repSpeedButton", "RepeatClickInterval", 50},
        {"repSpeedButton", "StartClickInterval", 300},
        {"colSel", "NumColors", 16},
        {"colSel", "SelColor", QColor(255, 0, 0)},
        {"markSel", "Selected", 7},
        {"markSel", "NrOfColumns", 13},
        {"markSel", "NrOfRows", 4},
        {"thumbnails", "SlideSize", 64},
        {"thumbnails", "Min", 5},
        {"thumbnails", "Max", 40},
        {"folderTree", "OldTreeStyle", false},
        {"gradFill", "ColorFirst", QColor(0, 0, 128)},
        {"gradFill", "ColorLast", QColor(255, 255, 0)},
        {"gradFill", "NrColors", 8},
        {"miniCal", "Date", QDate(2024, 2, 29)},
        {"miniCal", "Language", 2},
        {"reportListView", "CommonHeader", QStringLiteral("Results")},
        {"reportListView", "NrOfRows", 20},
        {"reportListView", "NrOfColumns", 4},
        {"nTabEd", "Comment", QStringLiteral("T1")},
        {"nTabEd", "NrOfRows", 30},
        {"nTabEd", "NrOfColumns", 5},
    };
    return values;
}

} // namespace

QByteArray FormFile()
{
    QFile file(QStringLiteral(VEK_TEST_FORMS_DIR "/controls.ui"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    return file.readAll();
}

std::unique_ptr<QWidget> LoadWithQUiLoader(const QByteArray& form)
{
    QBuffer buffer;
    buffer.setData(form);
    buffer.open(QIODevice::ReadOnly);
    QUiLoader loader;
    std::unique_ptr<QWidget> widget(loader.load(&buffer));
    EXPECT_NE(widget, nullptr) << qPrintable(loader.errorString());
    return widget;
}

std::vector<vek::TWidgetComponent*> FormControls(QWidget* form)
{
    std::vector<vek::TWidgetComponent*> controls;
    for (QWidget* child : form->findChildren<QWidget*>())
        if (auto* control = dynamic_cast<vek::TWidgetComponent*>(child);
            control && child->parentWidget() == form)
            controls.push_back(control);
    return controls;
}

bool Loading(const vek::TWidgetComponent* control)
{
    return control->ComponentState().testFlag(vek::csLoading);
}

void ExpectFormValues(QWidget* form)
{
    ASSERT_NE(form, nullptr);
    const auto controls = FormControls(form);
    EXPECT_EQ(controls.size(), 18u);
    for (const auto* control : controls)
        EXPECT_FALSE(Loading(control)) << qPrintable(control->Name()) << " has not had Loaded";
    for (const TFormValue& expected : FormValues()) {
        const QObject* object = form->findChild<QObject*>(QString::fromLatin1(expected.object));
        ASSERT_NE(object, nullptr) << expected.object;
        const QVariant actual = object->property(expected.property);
        EXPECT_EQ(actual, expected.value) << expected.object << "." << expected.property << " is "
                                          << qPrintable(actual.toString()) << ", not "
                                          << qPrintable(expected.value.toString());
    }
    // Designer writes the nodes the folder tree showed as the tree widget's items; the
    // tree drops them when it has loaded and lists the file system's roots.
    const auto* tree = form->findChild<vek::TFolderTree*>(QStringLiteral("folderTree"));
    ASSERT_NE(tree, nullptr);
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        EXPECT_FALSE(tree->topLevelItem(i)->text(0).isEmpty()) << "a node the form added";
}


} // namespace vektest
