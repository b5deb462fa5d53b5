// The Designer plugin: one widget-box group with every control once, each entry complete
// (texts, include file, an icon the control drew, a domXml that parses), widgets of the
// right class that load until polished, running outside Designer's form windows (in
// them they design: test_designer_editor.cpp).
#include "plugin_access.h"
#include "qstring_printer.h"

#include <VEK_NumIO.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QUiLoader>
#include <QXmlStreamReader>
#include <QtDesigner/QDesignerFormEditorInterface>

#include <memory>

using vektest::ControlClassNames;
using vektest::DesignerWidget;
using vektest::DesignerWidgets;

namespace {

struct TDomWidget {
    QString className;
    QString objectName;
    QSize size;
    QMap<QString, QString> properties; // name -> value text, for the control's own ones
};

// The <widget> of a domXml with its geometry; an empty class name when it does not parse.
TDomWidget ReadDomXml(const QString& xml)
{
    TDomWidget result;
    QXmlStreamReader reader(xml);
    QString element;
    int rect[4] = {};
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        element = reader.name().toString();
        if (element == u"property" && reader.attributes().value(QLatin1String("stdset")) == u"0") {
            const QString name = reader.attributes().value(QLatin1String("name")).toString();
            reader.readNextStartElement();
            result.properties[name] = reader.readElementText();
        }
        if (element == u"widget") {
            result.className = reader.attributes().value(QLatin1String("class")).toString();
            result.objectName = reader.attributes().value(QLatin1String("name")).toString();
        }
        static const QStringList coordinates{"x", "y", "width", "height"};
        if (const qsizetype i = coordinates.indexOf(element); i >= 0)
            rect[i] = reader.readElementText().toInt();
    }
    if (reader.hasError())
        return {};
    result.size = QSize(rect[2], rect[3]);
    return result;
}

std::unique_ptr<QWidget> Create(const QString& className, QWidget* parent = nullptr)
{
    return std::unique_ptr<QWidget>(DesignerWidget(className)->createWidget(parent));
}

bool IsDesigning(const QWidget* widget)
{
    const auto* control = dynamic_cast<const vek::TWidgetComponent*>(widget);
    return control->ComponentState().testFlag(vek::csDesigning);
}

} // namespace

TEST(DesignerPlugin, OffersEveryControlOnceInOneGroup)
{
    QStringList names;
    for (QDesignerCustomWidgetInterface* widget : DesignerWidgets()) {
        names << widget->name();
        EXPECT_EQ(widget->group(), "VekControls") << qPrintable(widget->name());
        EXPECT_FALSE(widget->isContainer());
    }
    EXPECT_EQ(names, ControlClassNames());

    // QUiLoader finds the plugin on the plugin path, as an application's loader does.
    const QStringList available = QUiLoader().availableWidgets();
    for (const QString& name : ControlClassNames())
        EXPECT_TRUE(available.contains(name)) << qPrintable(name);
}

TEST(DesignerPlugin, EntriesDescribeTheirControl)
{
    QSet<QString> toolTips;
    for (QDesignerCustomWidgetInterface* widget : DesignerWidgets()) {
        const QString name = widget->name();
        toolTips << widget->toolTip();
        EXPECT_GT(widget->whatsThis().size(), widget->toolTip().size()) << qPrintable(name);
        // The include file is a public header that declares the class.
        QFile header(QStringLiteral(VEK_PUBLIC_INCLUDE_DIR "/") + widget->includeFile());
        ASSERT_TRUE(header.open(QIODevice::ReadOnly)) << qPrintable(header.fileName());
        const QString declaration = QStringLiteral("class VEK_EXPORT %1 ").arg(name.section("::", -1));
        EXPECT_TRUE(QString::fromUtf8(header.readAll()).contains(declaration)) << qPrintable(name);
    }
    EXPECT_EQ(toolTips.size(), ControlClassNames().size()) << "every tool tip is the control's own";
}

TEST(DesignerPlugin, IconsAreDrawnByTheControls)
{
    for (QDesignerCustomWidgetInterface* widget : DesignerWidgets()) {
        const QIcon icon = widget->icon();
        ASSERT_TRUE(icon.availableSizes().contains(QSize(22, 22))) << qPrintable(widget->name());
        const QImage image = icon.pixmap(22, 22).toImage().convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colors;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colors << image.pixel(x, y);
        EXPECT_GE(colors.size(), 4) << qPrintable(widget->name()) << ": a picture, not a blank";
    }
}

TEST(DesignerPlugin, DomXmlNamesTheClassAndItsNaturalSize)
{
    for (QDesignerCustomWidgetInterface* widget : DesignerWidgets()) {
        const TDomWidget dom = ReadDomXml(widget->domXml());
        EXPECT_EQ(dom.className, widget->name());
        // Designer names new controls after the class: "numIO2", "meter2", ...
        QString objectName = widget->name().section("::", -1).mid(1);
        objectName[0] = objectName[0].toLower();
        EXPECT_EQ(dom.objectName, objectName);
        EXPECT_EQ(dom.size, Create(widget->name())->sizeHint()) << qPrintable(widget->name());
    }
}

// A TNumIO designing accepts any number; a program's starts with 0 .. 0. A TNumIO dropped
// on a form must bring the wide range into the form, or it would refuse all input later.
TEST(DesignerPlugin, DroppedNumIOKeepsItsDesignTimeRangeInTheForm)
{
    QWidget designerForm;
    designerForm.setProperty(vek::TComponentCore::DesigningProperty, true);
    vek::TNumIO designed(&designerForm);
    const TDomWidget dom = ReadDomXml(DesignerWidget("vek::TNumIO")->domXml());
    EXPECT_EQ(dom.properties.value("RangeLow").toDouble(), designed.RangeLow());
    EXPECT_EQ(dom.properties.value("RangeHigh").toDouble(), designed.RangeHigh());
}

TEST(DesignerPlugin, CreatesLoadingWidgetsOfItsClasses)
{
    for (const QString& name : ControlClassNames()) {
        const auto widget = Create(name);
        ASSERT_NE(widget, nullptr) << qPrintable(name);
        EXPECT_EQ(QString::fromLatin1(widget->metaObject()->className()), name);
        // Its caller sets the form's properties next; the load ends at the first polish.
        const auto* control = dynamic_cast<const vek::TWidgetComponent*>(widget.get());
        ASSERT_NE(control, nullptr) << qPrintable(name);
        EXPECT_TRUE(control->ComponentState().testFlag(vek::csLoading)) << qPrintable(name);
        widget->ensurePolished();
        EXPECT_FALSE(control->ComponentState().testFlag(vek::csLoading)) << qPrintable(name);
        EXPECT_FALSE(IsDesigning(widget.get())) << qPrintable(name) << " outside Designer";
    }
}

// Designer initializes the plugin with its core; a form it previews is built outside
// any form window, and there the controls run as in the program.
TEST(DesignerPlugin, ControlsInDesignersPreviewRun)
{
    QDesignerFormEditorInterface core;
    QDesignerCustomWidgetInterface* bars = DesignerWidget("vek::TProgBar");
    bars->initialize(&core);
    EXPECT_TRUE(bars->isInitialized());
    QWidget preview;
    const auto bar = Create("vek::TProgBar", &preview);
    bars->initialize(nullptr);
    EXPECT_FALSE(IsDesigning(bar.get()));
}
