// Basic types shared by every control: colors, date/time, alignment, input state and
// the event signatures. They keep the names application code already knows from the
// control descriptions (TColor, TShiftState, TNotifyEvent, ...).
#pragma once

#include "vekglobal.h"

#include <QFlags>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

namespace vek {

using TObject = QObject;

/// 0x00BBGGRR; a high byte of 0xFF marks a system color whose index is the low byte.
using TColor = quint32;

/// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

enum TMouseButton { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

enum TShiftStateItem : unsigned {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateItem)

enum TComponentStateItem : unsigned {
    csLoading = 0x01,
    csDesigning = 0x02,
    csDestroying = 0x04,
};
Q_DECLARE_FLAGS(TComponentState, TComponentStateItem)

enum TFontStyle : unsigned { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)

/// Mouse cursors by the host's numbers (crHourGlass = -11 and so on).
using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9,
                  crUpArrow = -10, crHourGlass = -11, crDrag = -12, crNoDrop = -13,
                  crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17,
                  crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                  crSizeAll = -22;

/// Results of modal dialogs (QDialog::exec and done take them as int): none, OK, Cancel.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, int& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, QPoint MousePos, bool& Handled)>;

} // namespace vek

Q_DECLARE_OPERATORS_FOR_FLAGS(vek::TShiftState)
Q_DECLARE_OPERATORS_FOR_FLAGS(vek::TComponentState)
Q_DECLARE_OPERATORS_FOR_FLAGS(vek::TFontStyles)
