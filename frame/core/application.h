// Application-wide services: exception handling for event handlers, message processing,
// the screen cursor, the clipboard and the beep.
#pragma once

#include "types.h"

#include <QCursor>

#include <exception>

namespace vek {

/// The application services the controls use: exception reporting and event
/// processing (Application()).
///
/// Exceptions never cross Qt's event loop (letting one through a Qt event handler is
/// undefined behaviour in Qt). Wherever Qt calls into the library (paint, input, focus,
/// resize and change events, timer ticks, signals of Qt's own widgets) the library runs
/// its code and the application's handlers (OnChange, OnBeforeDisplay, owner drawing,
/// timer tick events, ...) through RunGuarded, which hands any exception to
/// HandleException. The control stays usable: its next paint and input work.
class VEK_EXPORT TApplication {
public:
    /// Reports an exception that escaped an event handler, a paint or a timer tick.
    /// Calls OnException when assigned; otherwise, or when OnException throws itself,
    /// writes a warning through qWarning that names the control (its Name and class)
    /// and gives the message. Never throws.
    void HandleException(TObject* Sender, std::exception_ptr error);
    /// Processes pending events (repaints, timers, input) and returns.
    void ProcessMessages();

    /// The one hook for exceptions that reach the library's event boundary: receives
    /// the control whose event or handler failed (nullptr when none) and the message as
    /// UTF-8 text (what() of a std::exception, "unknown exception" otherwise). Default
    /// empty: the warning of HandleException.
    std::function<void(TObject* Sender, const QString& Message)> OnException;
};

VEK_EXPORT TApplication* Application();

/// Runs action and hands any exception to Application()->HandleException with sender:
/// the guard around every call from Qt's event handling into control code and the
/// application's handlers.
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
