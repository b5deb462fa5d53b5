// vekcontrols-designer-snapshot: the Designer plugin at work in Designer's own components,
// with no display: a picture of the "VekControls" group of Designer's widget box, and a
// form as Designer's form editor shows it (and, with --resave, writes it). The README's
// pictures come from here (scripts/readme-images.sh), and the forms of the tests and
// examples were written by Designer through --resave.
//
//   vekcontrols-designer-snapshot --widget-box box.png --form panel.ui [form.png]
//                                 [--resave saved.ui]
//
// The plugin is found on QT_PLUGIN_PATH (<build>/plugins from the build tree).
#include "headlessdesigner.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerWidgetBoxInterface>

#include <cstdio>

namespace {

constexpr const char* GroupName = "VekControls";

int Fail(const QString& message)
{
    std::fprintf(stderr, "vekcontrols-designer-snapshot: %s\n", qPrintable(message));
    return 1;
}

// The widget box with Qt's own widgets and the plugin's, showing the plugin's group only.
bool SnapWidgetBox(QDesignerFormEditorInterface* core, const QString& file)
{
    QDesignerWidgetBoxInterface* box = core->widgetBox();
    box->setFileName(QStringLiteral(":/qt-project.org/widgetbox/widgetbox.xml"));
    box->load();
    for (int i = box->categoryCount() - 1; i >= 0; --i)
        if (box->category(i).name() != QLatin1String(GroupName))
            box->removeCategory(i);
    if (box->categoryCount() != 1)
        return false;
    const int rowHeight = 24;
    box->resize(240, rowHeight * (box->widgetCount(0) + 1) + 32);
    return box->grab().save(file);
}

// The form opened in a form window, as Designer shows it while it is edited.
QDesignerFormWindowInterface* OpenForm(QDesignerFormEditorInterface* core, const QString& uiFile)
{
    QFile form(uiFile);
    if (!form.open(QIODevice::ReadOnly))
        return nullptr;
    QDesignerFormWindowInterface* window = core->formWindowManager()->createFormWindow(nullptr);
    window->setContents(QString::fromUtf8(form.readAll()));
    if (!window->mainContainer())
        return nullptr;
    window->resize(window->mainContainer()->size());
    return window;
}

// The form as Designer writes it when it is saved.
bool SaveForm(QDesignerFormWindowInterface* window, const QString& file)
{
    QFile saved(file);
    const QByteArray contents = window->contents().toUtf8();
    return saved.open(QIODevice::WriteOnly) && saved.write(contents) == contents.size();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pictures of the VekControls Designer plugin"));
    parser.addHelpOption();
    const QCommandLineOption widgetBox(QStringLiteral("widget-box"),
                                       QStringLiteral("Write the plugin's widget-box group to <png>."),
                                       QStringLiteral("png"));
    const QCommandLineOption form(QStringLiteral("form"),
                                  QStringLiteral("Open <ui> in a form window; a first argument "
                                                 "names the picture of it."),
                                  QStringLiteral("ui"));
    const QCommandLineOption resave(QStringLiteral("resave"),
                                    QStringLiteral("Write the opened form to <ui> as Designer saves it."),
                                    QStringLiteral("ui"));
    parser.addOptions({widgetBox, form, resave});
    parser.addPositionalArgument(QStringLiteral("form-png"), QStringLiteral("Picture of the form."));
    parser.process(app);

    QDesignerFormEditorInterface* core = vekdesigner::HeadlessDesigner();
    if (parser.isSet(widgetBox) && !SnapWidgetBox(core, parser.value(widgetBox)))
        return Fail(QStringLiteral("no \"%1\" group in the widget box: is the plugin on QT_PLUGIN_PATH?")
                        .arg(QLatin1String(GroupName)));
    if (!parser.isSet(form))
        return 0;
    QDesignerFormWindowInterface* window = OpenForm(core, parser.value(form));
    if (!window)
        return Fail(QStringLiteral("cannot open %1").arg(parser.value(form)));
    const QStringList pictures = parser.positionalArguments();
    if (!pictures.isEmpty() && !window->mainContainer()->grab().save(pictures.constFirst()))
        return Fail(QStringLiteral("cannot write %1").arg(pictures.constFirst()));
    if (parser.isSet(resave) && !SaveForm(window, parser.value(resave)))
        return Fail(QStringLiteral("cannot write %1").arg(parser.value(resave)));
    return 0;
}
