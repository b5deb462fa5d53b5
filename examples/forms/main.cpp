// A Designer form with controls (supplypanel.ui), used both ways an application can:
// compiled by uic into Ui::SupplyPanel (the default), or read at run time by QUiLoader
// through the Designer plugin (--runtime). The form's own connections wire the set
// point to the displays. --screenshot FILE renders the form into a PNG and exits.
#include "ui_supplypanel.h"

#include <frame/core/formload.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QUiLoader>

#include <cstdio>
#include <memory>

namespace {

// The form as uic compiled it. setupUi runs inside a form load, so the controls take
// their settings in any order and have Loaded once setupUi returns.
class CompiledPanel : public QWidget {
public:
    CompiledPanel()
    {
        vek::TFormLoad load;
        ui.setupUi(this);
    }

private:
    Ui::SupplyPanel ui;
};

// The same form read when the program runs; QUiLoader creates the controls through the
// Designer plugin (on QT_PLUGIN_PATH, or installed with Qt's plugins).
std::unique_ptr<QWidget> LoadPanel(QString* error)
{
    QFile form(QStringLiteral(":/forms/supplypanel.ui"));
    form.open(QIODevice::ReadOnly);
    QUiLoader loader;
    vek::TFormLoad load;
    std::unique_ptr<QWidget> panel(loader.load(&form));
    if (!panel)
        *error = loader.errorString();
    return panel;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
#ifdef VEK_BUILD_TREE_PLUGINS
    // Run from the build tree, the plugin has not been installed yet.
    QCoreApplication::addLibraryPath(QStringLiteral(VEK_BUILD_TREE_PLUGINS));
#endif
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A Designer form with VekControls"));
    parser.addHelpOption();
    const QCommandLineOption runtime(
        QStringLiteral("runtime"), QStringLiteral("Read the form with QUiLoader instead of uic's code."));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the form into <file> and exit."),
                                        QStringLiteral("file"));
    parser.addOptions({runtime, screenshot});
    parser.process(app);

    QString error;
    std::unique_ptr<QWidget> panel =
        parser.isSet(runtime) ? LoadPanel(&error) : std::make_unique<CompiledPanel>();
    if (!panel) {
        std::fprintf(stderr, "Cannot read the form: %s\n", qPrintable(error));
        return 1;
    }
    if (parser.isSet(screenshot))
        return panel->grab().save(parser.value(screenshot)) ? 0 : 1;
    panel->show();
    return app.exec();
}
