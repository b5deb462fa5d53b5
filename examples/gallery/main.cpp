// Gallery: every control of the library, live, with a few of its properties to play
// with. "gallery --screenshot DIR" renders one PNG per control into DIR and exits.
#include "pages.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QTextStream>

#include <algorithm>
#include <cstring>

std::vector<GalleryPage>& GalleryPages()
{
    static std::vector<GalleryPage> pages;
    return pages;
}

namespace {

std::vector<GalleryPage> SortedPages()
{
    std::vector<GalleryPage> pages = GalleryPages();
    std::sort(pages.begin(), pages.end(),
              [](const GalleryPage& a, const GalleryPage& b) { return a.order < b.order; });
    return pages;
}

int WriteScreenshots(const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "cannot create " << folder << "\n";
        return 1;
    }
    for (const GalleryPage& page : SortedPages()) {
        QWidget* widget = page.create(nullptr);
        widget->resize(widget->sizeHint().expandedTo(QSize(480, 320)));
        widget->setAttribute(Qt::WA_DontShowOnScreen);
        widget->show();
        QApplication::processEvents();
        const QString file = QDir(folder).filePath(page.fileName + ".png");
        if (!widget->grab().save(file)) {
            QTextStream(stderr) << "cannot write " << file << "\n";
            return 1;
        }
        QTextStream(stdout) << file << "\n";
        delete widget;
    }
    return 0;
}

class GalleryWindow : public QWidget {
public:
    GalleryWindow()
    {
        setWindowTitle("VekControls gallery");
        auto* list = new QListWidget(this);
        auto* stack = new QStackedWidget(this);
        for (const GalleryPage& page : SortedPages()) {
            list->addItem(page.title);
            stack->addWidget(page.create(stack));
        }
        list->setFixedWidth(180);
        auto* layout = new QHBoxLayout(this);
        layout->addWidget(list);
        layout->addWidget(stack, 1);
        connect(list, &QListWidget::currentRowChanged, stack, &QStackedWidget::setCurrentIndex);
        list->setCurrentRow(0);
        resize(900, 600);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QString screenshotFolder;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0)
            screenshotFolder = QString::fromLocal8Bit(argv[i + 1]);
    if (!screenshotFolder.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    if (!screenshotFolder.isEmpty())
        return WriteScreenshots(screenshotFolder);

    GalleryWindow window;
    window.show();
    return app.exec();
}
