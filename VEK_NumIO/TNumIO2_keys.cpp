// TNumIO2 keyboard: editing the text with its own caret and selection, clipboard keys
// and the validation of every keystroke.
#include "VEK_NumIO.h"

#include <frame/core/application.h>
#include <frame/controls/keys.h>

namespace vek {

namespace {

// Longer texts are no numbers anyone types; refusing them keeps a pasted document from
// turning the field into a slow, unreadable strip.
constexpr qsizetype MaxInputLength = 1024;

constexpr unsigned BeepSound = 0xFFFF;

// The character a key types (by its place on a US keyboard), or a null QChar.
QChar CharOfKey(int key, bool shifted, QChar keypadSeparator)
{
    if (key >= '0' && key <= '9') {
        if (shifted && key >= '4' && key <= '6')
            return QLatin1Char("$%&"[key - '4']);
        return QLatin1Char(char(key));
    }
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
        return QLatin1Char(char('0' + key - VK_NUMPAD0));
    if (key >= 'A' && key <= 'F')
        return QLatin1Char(char(key));
    switch (key) {
    case VK_ADD:
    case VK_OEM_PLUS: return QLatin1Char('+');
    case VK_SUBTRACT:
    case VK_OEM_MINUS: return QLatin1Char('-');
    case VK_DECIMAL: return keypadSeparator;
    case VK_OEM_COMMA: return QLatin1Char(',');
    case VK_OEM_PERIOD: return QLatin1Char('.');
    default: return QChar();
    }
}

} // namespace

// Texts a number may pass through while it is typed: empty, a lone sign, and under
// itDynamic a lone prefix (else "$FF" could never be typed), besides valid ones.
bool TNumIO2::AcceptableWhileTyping(const QString& text) const
{
    if (text.size() > MaxInputLength)
        return false;
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+"))
        return true;
    if (FInputFormat == itDynamic && text.size() == 1
        && QStringLiteral("$%&").contains(text.at(0)))
        return true;
    return CheckValidity(text);
}

void TNumIO2::KeyDown(int& Key, TShiftState Shift)
{
    // OnKeyDown sees the key first and may swallow it by clearing Key.
    TCustomControl::KeyDown(Key, Shift);
    FKeyShifted = Shift.testFlag(ssShift) || Key == VK_SHIFT;
    FKeyCntrl = Shift.testFlag(ssCtrl) || Key == VK_CONTROL;
    if (Key == 0 || Key == VK_SHIFT || Key == VK_CONTROL)
        return;
    if (FReadOnly) {
        if (FKeyCntrl && Key == 'C')
            HandleCtrlKey(Key);
        return;
    }
    const QString oldBuffer = FInBuffer;
    const int oldCaret = FCaretPos;
    const int oldSelBegin = FSelBegin;
    const int oldSelEnd = FSelEnd;
    bool changed = FKeyCntrl ? HandleCtrlKey(Key) : HandlePlainKey(Key, Shift);

    if (FInBuffer != oldBuffer && FOnlineCheck && !AcceptableWhileTyping(FInBuffer)) {
        FInBuffer = oldBuffer;
        FCaretPos = oldCaret;
        FSelBegin = oldSelBegin;
        FSelEnd = oldSelEnd;
        changed = false;
        if (FBeep)
            MessageBeep(BeepSound);
    }
    SelectFixPointDigit();
    FCaretVisib = true;
    if (changed)
        Changed();
    Paint();
}

void TNumIO2::KeyUp(int& Key, TShiftState Shift)
{
    if (Key == VK_SHIFT)
        FKeyShifted = false;
    else if (Key == VK_CONTROL)
        FKeyCntrl = false;
    TCustomControl::KeyUp(Key, Shift);
}

// Ctrl+C, Ctrl+V, Ctrl+X. Returns whether the text changed.
bool TNumIO2::HandleCtrlKey(int key)
{
    const QString selected = FInBuffer.mid(FSelBegin, FSelEnd - FSelBegin);
    switch (key) {
    case 'C':
        if (!selected.isEmpty())
            Clipboard()->SetAsText(selected);
        return false;
    case 'V':
        if (!Clipboard()->HasFormat(CF_TEXT))
            return false;
        // Like typing: the pasted text replaces the selection. Surrounding blanks and
        // line breaks of copied text are no part of the number.
        DeleteSelection(false);
        InsertText(Clipboard()->AsText().trimmed());
        return true;
    case 'X':
        if (selected.isEmpty())
            return false;
        Clipboard()->SetAsText(selected);
        DeleteSelection(true);
        return true;
    default:
        if (FBeep)
            MessageBeep(BeepSound);
        return false;
    }
}

// Keys without Ctrl. Returns whether the text changed.
bool TNumIO2::HandlePlainKey(int key, TShiftState shift)
{
    const int length = int(FInBuffer.size());
    switch (key) {
    case VK_BACK:
        if (FSelBegin < FSelEnd) {
            DeleteSelection(true);
            return true;
        }
        if (FCaretPos == 0)
            return false;
        FInBuffer.remove(--FCaretPos, 1);
        return true;
    case VK_DELETE:
        if (FSelBegin < FSelEnd) {
            DeleteSelection(true);
            return true;
        }
        if (FCaretPos >= length)
            return false;
        FInBuffer.remove(FCaretPos, 1);
        return true;
    case VK_TAB: focusNextPrevChild(!shift.testFlag(ssShift)); return false;
    case VK_END: FCaretPos = length; return false;
    case VK_HOME: FCaretPos = 0; return false;
    case VK_LEFT:
    case VK_UP: FCaretPos = std::max(FCaretPos - 1, 0); return false;
    case VK_RIGHT:
    case VK_DOWN: FCaretPos = std::min(FCaretPos + 1, length); return false;
    default: break;
    }
    // The keypad's separator key types a comma, or a point where only points are taken.
    const QChar keypadSeparator =
        SeparatorModeOf(FDecPSep) == smPoint ? QLatin1Char('.') : QLatin1Char(',');
    const QChar typed = CharOfKey(key, FKeyShifted, keypadSeparator);
    if (typed.isNull()) {
        if (FBeep)
            MessageBeep(BeepSound);
        return false;
    }
    DeleteSelection(false);
    InsertText(QString(typed));
    return true;
}

// Removes the selected characters and collapses the selection at the caret. An emptied
// text becomes the text of 0 when asked, so that the field never shows nothing after a
// deletion.
void TNumIO2::DeleteSelection(bool writeZeroWhenEmpty)
{
    if (FSelBegin >= FSelEnd)
        return;
    FInBuffer.remove(FSelBegin, FSelEnd - FSelBegin);
    FCaretPos = FSelBegin;
    FSelEnd = FSelBegin;
    if (writeZeroWhenEmpty && FInBuffer.isEmpty()) {
        FInBuffer = TextOfValue(0);
        ClampPositions();
    }
}

void TNumIO2::InsertText(const QString& text)
{
    FInBuffer.insert(FCaretPos, text);
    FCaretPos += int(text.size());
}

// In itFixPoint the decimals are overwritten: with the caret among them the next one is
// selected, so that the next digit replaces it. Otherwise no selection is left.
void TNumIO2::SelectFixPointDigit()
{
    const int length = int(FInBuffer.size());
    if (FInputFormat == itFixPoint && FCaretPos > length - FDecP - 1) {
        FSelBegin = FCaretPos;
        FSelEnd = std::min(FCaretPos + 1, length);
    } else {
        FSelBegin = FSelEnd;
    }
}

} // namespace vek
