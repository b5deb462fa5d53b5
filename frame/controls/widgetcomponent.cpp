#include "widgetcomponent.h"

#include <frame/core/application.h>

namespace vek {

TWidgetComponent::TWidgetComponent(QWidget* self, QObject* owner)
    : FSelf(self), FCore(self, owner)
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
