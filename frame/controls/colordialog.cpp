#include "colordialog.h"

#include <frame/canvas/colors.h>

#include <QColorDialog>

namespace vek {

namespace {

TColorDialog::TExecutor& Executor()
{
    static TColorDialog::TExecutor executor;
    return executor;
}

bool ExecuteQColorDialog(QWidget* parent, TColor& color)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
    if (!chosen.isValid())
        return false;
    color = FromQColor(chosen);
    return true;
}

} // namespace

bool TColorDialog::Execute()
{
    TColor color = FColor;
    const bool confirmed = Executor() ? Executor()(FParent, color) : ExecuteQColorDialog(FParent, color);
    if (confirmed)
        FColor = color;
    return confirmed;
}

void TColorDialog::SetExecutor(TExecutor executor)
{
    Executor() = std::move(executor);
}

} // namespace vek
