// Gallery: every control of the library, live, with a few of its properties to play
// with. "gallery --screenshot DIR" renders one PNG per control into DIR (in the light and
// a dark palette) and exits, with "--width N" scaled down to N pixels wide (the README's
// pictures); "gallery --dark" starts in the dark palette; "--scale 2" paints as on a
// screen of device pixel ratio 2.
#include "pages.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPalette>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

std::vector<GalleryPage> SortedPages()
{
    std::vector<GalleryPage> pages = GalleryPages();
    std::sort(pages.begin(), pages.end(),
              [](const GalleryPage& a, const GalleryPage& b) { return a.order < b.order; });
    return pages;
}

bool WriteScreenshot(const GalleryPage& page, const QString& file, int width)
{
    QImage image = RenderPage(page);
    if (width > 0 && width < image.width())
        image = image.scaledToWidth(width, Qt::SmoothTransformation);
    const bool saved = image.save(file);
    QTextStream(saved ? stdout : stderr) << (saved ? "" : "cannot write ") << file << "\n";
    return saved;
}

// One PNG per page in the standard palette and one ("-dark") in a dark palette.
int WriteScreenshots(const QString& folder, int width)
{
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "cannot create " << folder << "\n";
        return 1;
    }
    const QPalette light = QApplication::style()->standardPalette();
    for (const GalleryPage& page : SortedPages()) {
        QApplication::setPalette(light);
        if (!WriteScreenshot(page, QDir(folder).filePath(page.fileName + ".png"), width))
            return 1;
        QApplication::setPalette(GalleryDarkPalette());
        if (!WriteScreenshot(page, QDir(folder).filePath(page.fileName + "-dark.png"), width))
            return 1;
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
    int screenshotWidth = 0;
    bool dark = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
            screenshotFolder = QString::fromLocal8Bit(argv[i + 1]);
        if (std::strcmp(argv[i], "--width") == 0 && i + 1 < argc)
            screenshotWidth = std::atoi(argv[i + 1]);
        // "--scale 2" paints at a device pixel ratio of 2, as on a high-DPI screen (it
        // must be known before the application object exists).
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc)
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
        dark |= std::strcmp(argv[i], "--dark") == 0;
    }
    if (!screenshotFolder.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    if (!screenshotFolder.isEmpty())
        return WriteScreenshots(screenshotFolder, screenshotWidth);

    if (dark)
        QApplication::setPalette(GalleryDarkPalette());
    GalleryWindow window;
    window.show();
    return app.exec();
}
