// An application's first steps with the library: a few controls in a layout, wired with
// connect() and set through Qt's property system, painted off screen, and (built with
// CMake) a Designer form compiled by uic. Exits 0 when all of it worked; prints what
// failed otherwise.
#include <VEK_Meter.h>
#include <VEK_NumIO.h>
#include <VEK_NumLab.h>
#include <frame/core/formload.h>
#include <vekcontrols_version.h>
#ifdef VEK_CONSUMER_WITH_FORM
#include "ui_panel.h"
#endif

#include <QApplication>
#include <QPluginLoader>
#include <QVBoxLayout>

#include <cstdio>

namespace {

int failures = 0;

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "FAILED: %s\n", what);
        ++failures;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Check(QStringLiteral(VEKCONTROLS_VERSION_STR) == QStringLiteral(VEK_CONSUMER_EXPECTED_VERSION),
          "the version header names the library's version");
    Check(VEKCONTROLS_VERSION == QT_VERSION_CHECK(VEKCONTROLS_VERSION_MAJOR, VEKCONTROLS_VERSION_MINOR,
                                                  VEKCONTROLS_VERSION_PATCH),
          "VEKCONTROLS_VERSION compares like QT_VERSION");

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new vek::TNumIO2;
    auto* label = new vek::TNumLab;
    auto* meter = new vek::TMeter;
    meter->SetMeterMaxValue(100);
    layout->addWidget(field);
    layout->addWidget(label);
    layout->addWidget(meter);
    QObject::connect(field, &vek::TNumIO2::valueChanged, label, &vek::TNumLab::SetValue);
    QObject::connect(field, &vek::TNumIO2::valueChanged, meter, &vek::TMeter::SetValue);

    field->SetValue(42.5);
    Check(label->Value() == 42.5, "the label follows the field through a signal");
    Check(meter->Value() == 42.5, "the meter follows the field through a signal");
    Check(label->setProperty("Precision", 1) && label->DisplayText() == QStringLiteral("42.5"),
          "a Q_PROPERTY reaches the label");

#ifdef VEK_CONSUMER_WITH_FORM
    QWidget form;
    Ui::Panel ui;
    {
        vek::TFormLoad load;
        ui.setupUi(&form);
    }
    Check(ui.field->Text() == QStringLiteral("250") && ui.field->RangeLow() == 200,
          "the form's field keeps its text, which its range (set after it) accepts");
    Check(ui.label->DisplayText() == QStringLiteral("7.5"), "the form's label shows its value");
#endif

    // --designer-plugin FILE: the installed Designer plugin loads as Designer and
    // QUiLoader load it. (Qt takes "--plugin" for itself.)
    const QStringList arguments = app.arguments();
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--designer-plugin")); at > 0) {
        QPluginLoader plugin(arguments.value(at + 1));
        const bool loaded = plugin.instance() != nullptr;
        Check(loaded, qPrintable(QStringLiteral("the plugin loads: ") + plugin.errorString()));
        Check(plugin.metaData().value(QStringLiteral("IID")).toString() ==
                  QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"),
              "the plugin is a widget collection");
    }

    window.adjustSize();
    Check(!window.grab().isNull() && meter->width() > 0, "the window paints off screen");
    if (failures == 0)
        std::puts("consumer ok");
    return failures == 0 ? 0 : 1;
}
