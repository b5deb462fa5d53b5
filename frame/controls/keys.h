// Keyboard and mouse state in the host's terms: virtual-key codes (VK_...), the shift
// state set and the character a key press produces.
#pragma once

#include <frame/core/types.h>

#include <QKeyEvent>

namespace vek {

/// Virtual-key codes. Letters and digits are their upper-case ASCII codes ('A', '0').
enum : int {
    VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_CANCEL = 0x03, VK_MBUTTON = 0x04,
    VK_BACK = 0x08, VK_TAB = 0x09, VK_CLEAR = 0x0C, VK_RETURN = 0x0D,
    VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12, VK_PAUSE = 0x13, VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23,
    VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
    VK_SELECT = 0x29, VK_PRINT = 0x2A, VK_SNAPSHOT = 0x2C, VK_INSERT = 0x2D,
    VK_DELETE = 0x2E, VK_HELP = 0x2F,
    VK_LWIN = 0x5B, VK_RWIN = 0x5C, VK_APPS = 0x5D,
    VK_NUMPAD0 = 0x60, VK_NUMPAD1, VK_NUMPAD2, VK_NUMPAD3, VK_NUMPAD4, VK_NUMPAD5,
    VK_NUMPAD6, VK_NUMPAD7, VK_NUMPAD8, VK_NUMPAD9,
    VK_MULTIPLY = 0x6A, VK_ADD = 0x6B, VK_SEPARATOR = 0x6C, VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F,
    VK_F1 = 0x70, VK_F2, VK_F3, VK_F4, VK_F5, VK_F6, VK_F7, VK_F8, VK_F9, VK_F10, VK_F11,
    VK_F12, VK_F13, VK_F14, VK_F15, VK_F16, VK_F17, VK_F18, VK_F19, VK_F20, VK_F21, VK_F22,
    VK_F23, VK_F24,
    VK_NUMLOCK = 0x90, VK_SCROLL = 0x91,
    VK_OEM_1 = 0xBA, VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC, VK_OEM_MINUS = 0xBD,
    VK_OEM_PERIOD = 0xBE, VK_OEM_2 = 0xBF, VK_OEM_3 = 0xC0, VK_OEM_4 = 0xDB,
    VK_OEM_5 = 0xDC, VK_OEM_6 = 0xDD, VK_OEM_7 = 0xDE, VK_OEM_102 = 0xE2,
};

/// Shift, Ctrl and Alt from the modifiers; ssLeft/ssRight/ssMiddle from held buttons.
VEK_EXPORT TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers,
                                    Qt::MouseButtons buttons = Qt::NoButton);

/// The virtual-key code of a key event (keypad keys give VK_NUMPAD0.., VK_DECIMAL, ...;
/// punctuation is mapped as on a US keyboard); 0 for keys without a code.
VEK_EXPORT int VirtualKeyOf(const QKeyEvent* event);

/// The character a key press delivers to KeyPress: printable text, Backspace (#8), Tab
/// (#9), Enter (#13), Escape (#27), and Ctrl+letter as control codes (Ctrl+C = #3).
/// A null QChar when the key produces no character (arrows, Delete, function keys).
VEK_EXPORT QChar KeyPressCharOf(const QKeyEvent* event);

/// The host's mouse button for a Qt button; false for buttons the host does not know.
VEK_EXPORT bool MouseButtonOf(Qt::MouseButton button, TMouseButton& result);

} // namespace vek
