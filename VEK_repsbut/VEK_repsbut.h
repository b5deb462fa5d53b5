// TRepSpeedButton: a speed button that repeats while held. A left press held on the
// button raises OnRepeatClick (and repeatClicked()) after StartClickInterval
// milliseconds and then every RepeatClickInterval milliseconds, until the button is
// released or the pointer leaves it. The ordinary OnClick and clicked() follow a release
// on the button, as for any speed button.
//
// Unlike a plain speed button it takes the focus (Tab reaches it) and shows it with a
// dotted outline in the palette's highlight color inside its edge. Space or Enter held
// down is a held left button: the press starts the repeats, the release stops them and
// is the click; the keyboard's own repeats of the held key are ignored.
#pragma once

#include <frame/controls/speedbutton.h>
#include <frame/core/errors.h>
#include <frame/core/watchedevent.h>

#include <memory>

namespace vek {

/// Raised when the repeat timer cannot be started ("Component "\<Name\>": no timer
/// available").
class VEK_EXPORT EVEKRepSpeedButton : public EVEKError {
public:
    using EVEKError::EVEKError;
};

/// A speed button that repeats while held (see the top of this header).
class VEK_EXPORT TRepSpeedButton : public TSpeedButton {
    Q_OBJECT
    Q_PROPERTY(int RepeatClickInterval READ RepeatClickInterval WRITE SetRepeatClickInterval)
    Q_PROPERTY(int StartClickInterval READ StartClickInterval WRITE SetStartClickInterval)

public:
    /// A control with the default settings; parent is its owner and Qt parent.
    explicit TRepSpeedButton(QWidget* parent = nullptr);
    ~TRepSpeedButton() override;

    /// Milliseconds between repeats, at least 10 (default 200). A change while the
    /// button is held restarts the repeats at once with the new interval.
    int RepeatClickInterval() const;
    void SetRepeatClickInterval(int value);
    /// Milliseconds from the press to the first repeat, at least 10 (default 500).
    int StartClickInterval() const;
    void SetStartClickInterval(int value);

    /// Raised for each repeat, before repeatClicked(). Assigning it while the button is
    /// held moves on to the repeat interval, like a change of RepeatClickInterval.
    TWatchedEvent<TNotifyEvent> OnRepeatClick{[this] { EventAssigned(); }};

Q_SIGNALS:
    /// One repeat of a held button, emitted right after OnRepeatClick.
    void repeatClicked();

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void focusOutEvent(QFocusEvent* event) override;
    /// One timer tick: the first ends the start delay; each raises RepeatClickEvent,
    /// OnRepeatClick and repeatClicked().
    virtual void DoTimer();
    /// A hook for descendants, called before OnRepeatClick; does nothing here.
    virtual void RepeatClickEvent() {}

private:
    struct Private;
    std::unique_ptr<Private> d;

    bool Designing() const { return ComponentState().testFlag(csDesigning); }
    // Restart timer 1 with the start delay (InitTimer) or the repeat interval
    // (UpdateTimer); either only stops it while the button is not held.
    void InitTimer();
    void UpdateTimer();
    void StartTimer(int interval);
    void EventAssigned();
    // A press held by the mouse or a key starts the repeats, its end stops them.
    void StartHolding();
    void EndHolding();
    // Ends the repetition as a release away from the button would (no click).
    void StopHolding();
};

} // namespace vek
