#include "surface_checks.h"

#include "pixels.h"
#include "scoped_palette.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QMetaProperty>
#include <QSet>
#include <QStyle>
#include <QVBoxLayout>

#include <memory>

namespace vektest {

namespace {

std::unique_ptr<QWidget> Make(const WidgetFactory& make)
{
    return std::unique_ptr<QWidget>(make());
}

} // namespace

void ExpectSizesItselfInLayout(const WidgetFactory& make)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QWidget* control = make();
    layout->addWidget(control);
    const QSize hint = control->sizeHint();
    EXPECT_TRUE(hint.isValid()) << "no sizeHint";
    EXPECT_GT(hint.width(), 0);
    EXPECT_GT(hint.height(), 0);
    window.adjustSize();
    layout->activate();
    EXPECT_GT(control->width(), 0);
    EXPECT_GT(control->height(), 0);
    const QSize minimum = control->minimumSizeHint();
    if (minimum.isValid()) {
        EXPECT_LE(minimum.width(), hint.width());
        EXPECT_LE(minimum.height(), hint.height());
        EXPECT_GE(control->width(), minimum.width());
        EXPECT_GE(control->height(), minimum.height());
    }
}

void ExpectColorPropertiesRoundTrip(const WidgetFactory& make)
{
    const auto control = Make(make);
    const QMetaObject* meta = control->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.metaType().id() != QMetaType::QColor)
            continue;
        SCOPED_TRACE(property.name());
        const QColor initial = property.read(control.get()).value<QColor>();
        EXPECT_TRUE(property.isResettable()) << "no RESET";
        const QColor picked(0x12, 0x34, 0x56);
        ASSERT_TRUE(property.write(control.get(), picked));
        EXPECT_EQ(property.read(control.get()).value<QColor>(), picked);
        ASSERT_TRUE(property.reset(control.get()));
        EXPECT_EQ(property.read(control.get()).value<QColor>(), initial);
    }
}

void ExpectEachPropertyOnce(const WidgetFactory& make)
{
    const auto control = Make(make);
    const QMetaObject* meta = control->metaObject();
    QSet<QString> seen;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QString name = QString::fromLatin1(meta->property(i).name()).toLower();
        EXPECT_FALSE(seen.contains(name)) << "property twice: " << meta->property(i).name();
        seen.insert(name);
    }
}

void ExpectSetEnabledRepaints(const WidgetFactory& make)
{
    const auto control = Make(make);
    const QImage enabled = Render(control.get());
    control->setEnabled(false);
    const QImage disabled = Render(control.get());
    EXPECT_NE(disabled, enabled) << "disabling changed no pixel";

    const auto disabledFromStart = Make(make);
    disabledFromStart->setEnabled(false);
    EXPECT_EQ(Render(disabledFromStart.get()), disabled);

    control->setEnabled(true);
    EXPECT_EQ(Render(control.get()), enabled);
}

void ExpectPaletteSwitchRepaints(const WidgetFactory& make)
{
    const auto control = Make(make);
    const QImage light = Render(control.get());
    ScopedPalette dark(DarkPalette());
    const QImage switched = Render(control.get());
    EXPECT_NE(switched, light) << "the dark palette changed no pixel";
    const auto createdDark = Make(make);
    EXPECT_EQ(Render(createdDark.get()), switched) << "stale pixels after the switch";
}

void ExpectQtSurface(const WidgetFactory& make)
{
    ExpectQtSurface(make, make);
}

void ExpectQtSurface(const WidgetFactory& plain, const WidgetFactory& themed)
{
    {
        SCOPED_TRACE("layout");
        ExpectSizesItselfInLayout(plain);
    }
    {
        SCOPED_TRACE("colors");
        ExpectColorPropertiesRoundTrip(plain);
    }
    {
        SCOPED_TRACE("properties");
        ExpectEachPropertyOnce(plain);
    }
    {
        SCOPED_TRACE("enabled");
        ExpectSetEnabledRepaints(plain);
    }
    {
        SCOPED_TRACE("palette");
        ExpectPaletteSwitchRepaints(themed);
    }
}

} // namespace vektest
