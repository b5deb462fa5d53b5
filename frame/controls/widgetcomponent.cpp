#include "widgetcomponent.h"

#include <frame/core/application.h>

#include <QEvent>

#include <utility>

namespace vek {

namespace {

// Ends a control's load at its first polish or at the next turn of the event loop,
// whichever comes first, and then goes away.
class TLoadEndAtPolish : public QObject {
public:
    TLoadEndAtPolish(QWidget* control, std::function<void()> end)
        : QObject(control), FEnd(std::move(end))
    {
        control->installEventFilter(this);
        QMetaObject::invokeMethod(this, [this] { Finish(); }, Qt::QueuedConnection);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Polish)
            Finish();
        return false;
    }

private:
    void Finish()
    {
        if (!FEnd)
            return;
        parent()->removeEventFilter(this);
        std::exchange(FEnd, nullptr)();
        deleteLater();
    }

    std::function<void()> FEnd;
};

} // namespace

TWidgetComponent::TWidgetComponent(QWidget* self, QObject* owner)
    : FSelf(self), FCore(self, owner, [this] { Loaded(); })
{
    FFont.SetFromQFont(self->font());
    FFont.OnChange = [this] {
        // The widget's FontChange comes back through SyncFont; the TFont is already
        // up to date then.
        FApplyingFont = true;
        FSelf->setFont(FFont.ToQFont());
        FApplyingFont = false;
        FontChanged();
    };
}

void TWidgetComponent::LoadUntilPolished()
{
    if (ComponentState() & csLoading)
        return;
    BeginLoading();
    // Loaded runs from the event loop here, where no exception may pass.
    new TLoadEndAtPolish(FSelf, [this] {
        if (ComponentState() & csLoading)
            RunGuarded(FSelf, [this] { EndLoading(); });
    });
}

void TWidgetComponent::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    FSelf->setGeometry(ALeft, ATop, std::max(0, AWidth), std::max(0, AHeight));
}

void TWidgetComponent::SetVisible(bool value)
{
    FVisible = value;
    if (!value || FSelf->parentWidget())
        FSelf->setVisible(value);
}

void TWidgetComponent::SetCursor(TCursor value)
{
    FCursor = value;
    if (value == crDefault)
        FSelf->unsetCursor();
    else
        FSelf->setCursor(ToQCursor(value));
}

void TWidgetComponent::SyncFont()
{
    if (FApplyingFont)
        return;
    FFont.SetFromQFont(FSelf->font());
    FontChanged();
}

bool TWidgetComponent::ShowPopupMenu(const QPoint& globalPos)
{
    if (!FPopupMenu)
        return false;
    FPopupMenu->popup(globalPos);
    return true;
}

} // namespace vek
