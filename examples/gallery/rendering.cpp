// What the screenshot mode and the appearance tests share: the dark palette and the way
// a page is rendered off screen.
#include "pages.h"

#include <QApplication>

std::vector<GalleryPage>& GalleryPages()
{
    static std::vector<GalleryPage> pages;
    return pages;
}

QPalette GalleryDarkPalette()
{
    QPalette p;
    const QColor window(0x35, 0x36, 0x3a), base(0x23, 0x24, 0x28), text(0xe8, 0xe8, 0xe8);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Light, QColor(0x5a, 0x5b, 0x60));
    p.setColor(QPalette::Midlight, QColor(0x48, 0x49, 0x4e));
    p.setColor(QPalette::Mid, QColor(0x2c, 0x2d, 0x31));
    p.setColor(QPalette::Dark, QColor(0x1c, 0x1d, 0x20));
    p.setColor(QPalette::Shadow, QColor(0x10, 0x10, 0x12));
    p.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9b, 0xa0));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return p;
}

QImage RenderPage(const GalleryPage& page)
{
    QWidget* widget = page.create(nullptr);
    widget->resize(widget->sizeHint().expandedTo(QSize(480, 320)));
    widget->setAttribute(Qt::WA_DontShowOnScreen);
    widget->show();
    // A page that gives one of its controls the focus shows that control's focus mark:
    // the focus is real only in the active window.
    if (QWidget* focus = widget->focusWidget()) {
        QApplication::setActiveWindow(widget);
        focus->setFocus(Qt::OtherFocusReason);
    }
    QApplication::processEvents();
    QImage image = widget->grab().toImage();
    delete widget;
    return image;
}
