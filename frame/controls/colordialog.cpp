#include "colordialog.h"

#include <frame/canvas/colors.h>

#include <QColorDialog>

namespace vek {

struct TColorDialog::Private {
    QWidget* parent;
    TColor color = 0;
};

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

TColorDialog::TColorDialog(QWidget* parent) : d(std::make_unique<Private>(Private{parent}))
{
}

TColorDialog::~TColorDialog() = default;

TColor TColorDialog::Color() const
{
    return d->color;
}

void TColorDialog::SetColor(TColor value)
{
    d->color = value;
}

bool TColorDialog::Execute()
{
    TColor color = d->color;
    const bool confirmed =
        Executor() ? Executor()(d->parent, color) : ExecuteQColorDialog(d->parent, color);
    if (confirmed)
        d->color = color;
    return confirmed;
}

void TColorDialog::SetExecutor(TExecutor executor)
{
    Executor() = std::move(executor);
}

} // namespace vek
