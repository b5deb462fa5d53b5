// Application-wide services: exception handling for event handlers, message processing,
// the screen cursor, the clipboard and the beep.
#pragma once

#include "types.h"

#include <QCursor>

#include <exception>

namespace vek {

/// The application services the controls use: exception reporting and event
/// processing (Application()).
class VEK_EXPORT TApplication {
public:
    /// Reports an exception that escaped an event handler or a timer tick. Calls
    /// OnException when assigned, otherwise writes the message to stderr. Never throws.
    void HandleException(TObject* Sender, std::exception_ptr error);
    /// Processes pending events (repaints, timers, input) and returns.
    void ProcessMessages();

    /// Receives the exceptions HandleException reports, with the message as UTF-8 text.
    std::function<void(TObject* Sender, const QString& Message)> OnException;
};

VEK_EXPORT TApplication* Application();

/// Runs action and hands any exception to Application()->HandleException: exceptions
/// must never cross Qt's event loop.
template <typename Action>
void RunGuarded(TObject* sender, Action&& action)
{
    try {
        action();
    } catch (...) {
        Application()->HandleException(sender, std::current_exception());
    }
}

/// The Qt cursor for one of the host's cursor numbers (crHourGlass and so on).
VEK_EXPORT QCursor ToQCursor(TCursor cursor);

/// Screen()->SetCursor(crHourGlass) shows the wait cursor over the whole application
/// until SetCursor(crDefault).
class VEK_EXPORT TScreen {
public:
    /// The cursor shown over the whole application; crDefault (the default) lets each
    /// widget show its own.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);

private:
    TCursor FCursor = crDefault;
};

VEK_EXPORT TScreen* Screen();

/// Shows a cursor over the whole application while it lives (the wait cursor during a
/// long step), then restores the screen cursor shown before, also when an exception
/// ends the scope.
class TScopedScreenCursor {
public:
    /// Shows cursor until the end of the scope.
    explicit TScopedScreenCursor(TCursor cursor) : FSaved(Screen()->Cursor())
    {
        Screen()->SetCursor(cursor);
    }
    ~TScopedScreenCursor() { Screen()->SetCursor(FSaved); }
    TScopedScreenCursor(const TScopedScreenCursor&) = delete;
    TScopedScreenCursor& operator=(const TScopedScreenCursor&) = delete;

private:
    TCursor FSaved;
};

/// Clipboard format numbers understood by HasFormat.
enum TClipboardFormat : unsigned { CF_TEXT = 1, CF_BITMAP = 2, CF_UNICODETEXT = 13 };

/// The system clipboard (Clipboard()), on QClipboard.
class VEK_EXPORT TClipboard {
public:
    /// The clipboard's text ("" when it holds none), or puts text there.
    QString AsText() const;
    void SetAsText(const QString& text);
    /// Whether the clipboard holds data of a TClipboardFormat.
    bool HasFormat(unsigned format) const;
    /// Empties the clipboard.
    void Clear();
};

VEK_EXPORT TClipboard* Clipboard();

/// Sound types of MessageBeep; all give the desktop's standard beep.
constexpr unsigned MB_OK = 0x00, MB_ICONHAND = 0x10, MB_ICONQUESTION = 0x20,
                   MB_ICONEXCLAMATION = 0x30, MB_ICONASTERISK = 0x40;
VEK_EXPORT void MessageBeep(unsigned type = MB_OK);

} // namespace vek
