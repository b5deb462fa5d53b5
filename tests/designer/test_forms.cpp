// A form with one of each control (controls.ui, as Qt Designer wrote it), read by
// QUiLoader through the plugin and compiled by uic: the controls hold the form's values,
// whatever order the form lists them in, and have finished loading.
#include "form_values.h"
#include "ui_controls.h"

#include <frame/core/formload.h>

#include <gtest/gtest.h>

#include <QDomDocument>

#include <memory>
#include <vector>

namespace {

// The same form with the properties of every widget in reverse order.
QByteArray WithPropertiesReversed(const QByteArray& form)
{
    QDomDocument document;
    EXPECT_TRUE(document.setContent(form));
    const QDomNodeList widgets = document.elementsByTagName(QStringLiteral("widget"));
    for (int i = 0; i < widgets.size(); ++i) {
        QDomElement widget = widgets.at(i).toElement();
        std::vector<QDomElement> properties;
        for (QDomElement p = widget.firstChildElement(QStringLiteral("property")); !p.isNull();
             p = p.nextSiblingElement(QStringLiteral("property")))
            properties.push_back(p);
        for (const QDomElement& property : properties) {
            const QDomNode moved = widget.removeChild(property);
            widget.insertBefore(moved, widget.firstChild());
        }
    }
    return document.toByteArray();
}

} // namespace

TEST(Forms, QUiLoaderLoadsUntilTheFormIsPolished)
{
    const auto form = vektest::LoadWithQUiLoader(vektest::FormFile());
    ASSERT_NE(form, nullptr);
    for (const auto* control : vektest::FormControls(form.get()))
        EXPECT_TRUE(vektest::Loading(control)) << qPrintable(control->Name());
    form->ensurePolished();
    vektest::ExpectFormValues(form.get());
}

TEST(Forms, QUiLoaderLoadEndsWhenTheEventLoopRuns)
{
    const auto form = vektest::LoadWithQUiLoader(vektest::FormFile());
    QCoreApplication::sendPostedEvents();
    vektest::ExpectFormValues(form.get());
}

TEST(Forms, QUiLoaderInsideAFormLoadEndsWithIt)
{
    std::unique_ptr<QWidget> form;
    {
        vek::TFormLoad load;
        form = vektest::LoadWithQUiLoader(vektest::FormFile());
    }
    vektest::ExpectFormValues(form.get());
}

TEST(Forms, PropertyOrderDoesNotMatter)
{
    const QByteArray reversed = WithPropertiesReversed(vektest::FormFile());
    ASSERT_NE(reversed, vektest::FormFile());
    const auto form = vektest::LoadWithQUiLoader(reversed);
    form->ensurePolished();
    vektest::ExpectFormValues(form.get());
}

TEST(Forms, UicFormInsideAFormLoad)
{
    QWidget form;
    Ui::ControlsForm ui;
    {
        vek::TFormLoad load;
        ui.setupUi(&form);
    }
    vektest::ExpectFormValues(&form);
    EXPECT_EQ(ui.meter->Value(), 150.0) << "uic's members are the controls";
}
