// TNumIO2 keyboard: editing the text with its own caret and selection, clipboard keys
// and the validation of every keystroke.
#include "numio2_p.h"

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
bool TNumIO2::Private::AcceptableWhileTyping(const QString& text) const
{
    if (text.size() > MaxInputLength)
        return false;
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+"))
        return true;
    if (inputFormat == itDynamic && text.size() == 1 && QStringLiteral("$%&").contains(text.at(0)))
        return true;
    return q->CheckValidity(text);
}

void TNumIO2::KeyDown(int& Key, TShiftState Shift)
{
    // OnKeyDown sees the key first and may swallow it by clearing Key.
    TCustomControl::KeyDown(Key, Shift);
    d->keyShifted = Shift.testFlag(ssShift) || Key == VK_SHIFT;
    d->keyCtrl = Shift.testFlag(ssCtrl) || Key == VK_CONTROL;
    if (Key == 0 || Key == VK_SHIFT || Key == VK_CONTROL)
        return;
    if (d->readOnly) {
        if (d->keyCtrl && Key == 'C')
            d->HandleCtrlKey(Key);
        return;
    }
    const QString oldBuffer = d->inBuffer;
    const int oldCaret = d->caretPos;
    const int oldSelBegin = d->selBegin;
    const int oldSelEnd = d->selEnd;
    bool changed = d->keyCtrl ? d->HandleCtrlKey(Key) : d->HandlePlainKey(Key, Shift);

    if (d->inBuffer != oldBuffer && d->onlineCheck && !d->AcceptableWhileTyping(d->inBuffer)) {
        d->inBuffer = oldBuffer;
        d->caretPos = oldCaret;
        d->selBegin = oldSelBegin;
        d->selEnd = oldSelEnd;
        changed = false;
        if (d->beep)
            MessageBeep(BeepSound);
    }
    d->SelectFixPointDigit();
    d->caretVisible = true;
    if (changed)
        Changed();
    Paint();
}

void TNumIO2::KeyUp(int& Key, TShiftState Shift)
{
    if (Key == VK_SHIFT)
        d->keyShifted = false;
    else if (Key == VK_CONTROL)
        d->keyCtrl = false;
    TCustomControl::KeyUp(Key, Shift);
}

bool TNumIO2::Private::HandleCtrlKey(int key)
{
    const QString selected = inBuffer.mid(selBegin, selEnd - selBegin);
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
        if (beep)
            MessageBeep(BeepSound);
        return false;
    }
}

bool TNumIO2::Private::HandlePlainKey(int key, TShiftState shift)
{
    const int length = int(inBuffer.size());
    switch (key) {
    case VK_BACK:
        if (selBegin < selEnd) {
            DeleteSelection(true);
            return true;
        }
        if (caretPos == 0)
            return false;
        inBuffer.remove(--caretPos, 1);
        return true;
    case VK_DELETE:
        if (selBegin < selEnd) {
            DeleteSelection(true);
            return true;
        }
        if (caretPos >= length)
            return false;
        inBuffer.remove(caretPos, 1);
        return true;
    case VK_TAB: q->focusNextPrevChild(!shift.testFlag(ssShift)); return false;
    case VK_END: caretPos = length; return false;
    case VK_HOME: caretPos = 0; return false;
    case VK_LEFT:
    case VK_UP: caretPos = std::max(caretPos - 1, 0); return false;
    case VK_RIGHT:
    case VK_DOWN: caretPos = std::min(caretPos + 1, length); return false;
    case VK_PRIOR:
    case VK_NEXT:
        // The spin buttons' step: the arrows already move the caret.
        if (!buttons.visible)
            return false;
        WriteValue(SpinResult(q->Value(), key == VK_PRIOR));
        return true;
    default: break;
    }
    // The keypad's separator key types a comma, or a point where only points are taken.
    const QChar keypadSeparator =
        SeparatorModeOf(decPSep) == smPoint ? QLatin1Char('.') : QLatin1Char(',');
    const QChar typed = CharOfKey(key, keyShifted, keypadSeparator);
    if (typed.isNull()) {
        if (beep)
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
void TNumIO2::Private::DeleteSelection(bool writeZeroWhenEmpty)
{
    if (selBegin >= selEnd)
        return;
    inBuffer.remove(selBegin, selEnd - selBegin);
    caretPos = selBegin;
    selEnd = selBegin;
    if (writeZeroWhenEmpty && inBuffer.isEmpty())
        WriteValue(0);
}

void TNumIO2::Private::InsertText(const QString& text)
{
    inBuffer.insert(caretPos, text);
    caretPos += int(text.size());
}

// In itFixPoint the decimals are overwritten: with the caret among them the next one is
// selected, so that the next digit replaces it. Otherwise no selection is left.
void TNumIO2::Private::SelectFixPointDigit()
{
    const int length = int(inBuffer.size());
    if (inputFormat == itFixPoint && caretPos > length - decP - 1) {
        selBegin = caretPos;
        selEnd = std::min(caretPos + 1, length);
    } else {
        selBegin = selEnd;
    }
}

} // namespace vek
