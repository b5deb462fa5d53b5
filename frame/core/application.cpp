#include "application.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QMimeData>

namespace vek {

namespace {

QString MessageOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("unknown exception");
    }
}

// "Name" (vek::TProgBar), so that the warning tells which control failed.
QString SenderText(const TObject* sender)
{
    if (!sender)
        return QStringLiteral("event handling");
    const QString className = QString::fromLatin1(sender->metaObject()->className());
    if (sender->objectName().isEmpty())
        return QStringLiteral("a %1").arg(className);
    return QStringLiteral("\"%1\" (%2)").arg(sender->objectName(), className);
}

} // namespace

void TApplication::HandleException(TObject* Sender, std::exception_ptr error)
{
    if (!error)
        return;
    const QString message = MessageOf(error);
    if (OnException) {
        try {
            OnException(Sender, message);
            return;
        } catch (...) {
            // A failing handler must not take the application down; fall back to the
            // warning.
        }
    }
    qWarning().noquote() << "Unhandled exception in" << SenderText(Sender) + ":" << message;
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents();
}

TApplication* Application()
{
    static TApplication application;
    return &application;
}

QCursor ToQCursor(TCursor cursor)
{
    switch (cursor) {
    case crNone: return QCursor(Qt::BlankCursor);
    case crCross: return QCursor(Qt::CrossCursor);
    case crIBeam: return QCursor(Qt::IBeamCursor);
    case crSizeNESW: return QCursor(Qt::SizeBDiagCursor);
    case crSizeNS: return QCursor(Qt::SizeVerCursor);
    case crSizeNWSE: return QCursor(Qt::SizeFDiagCursor);
    case crSizeWE: return QCursor(Qt::SizeHorCursor);
    case crUpArrow: return QCursor(Qt::UpArrowCursor);
    case crHourGlass:
    case crSQLWait: return QCursor(Qt::WaitCursor);
    case crDrag:
    case crMultiDrag: return QCursor(Qt::DragCopyCursor);
    case crNoDrop:
    case crNo: return QCursor(Qt::ForbiddenCursor);
    case crHSplit: return QCursor(Qt::SplitHCursor);
    case crVSplit: return QCursor(Qt::SplitVCursor);
    case crAppStart: return QCursor(Qt::BusyCursor);
    case crHelp: return QCursor(Qt::WhatsThisCursor);
    case crHandPoint: return QCursor(Qt::PointingHandCursor);
    case crSizeAll: return QCursor(Qt::SizeAllCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}

void TScreen::SetCursor(TCursor value)
{
    if (value == FCursor)
        return;
    if (FCursor != crDefault)
        QApplication::restoreOverrideCursor();
    FCursor = value;
    if (FCursor != crDefault)
        QApplication::setOverrideCursor(ToQCursor(FCursor));
}

TScreen* Screen()
{
    static TScreen screen;
    return &screen;
}

QString TClipboard::AsText() const
{
    return QApplication::clipboard()->text();
}

void TClipboard::SetAsText(const QString& text)
{
    QApplication::clipboard()->setText(text);
}

bool TClipboard::HasFormat(unsigned format) const
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return false;
    switch (format) {
    case CF_TEXT:
    case CF_UNICODETEXT: return data->hasText();
    case CF_BITMAP: return data->hasImage();
    default: return false;
    }
}

void TClipboard::Clear()
{
    QApplication::clipboard()->clear();
}

TClipboard* Clipboard()
{
    static TClipboard clipboard;
    return &clipboard;
}

void MessageBeep(unsigned)
{
    QApplication::beep();
}

} // namespace vek
