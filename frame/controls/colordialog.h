// TColorDialog: the modal color picker (QColorDialog) with a replaceable executor, so that
// tests and scripted front ends can supply the user's choice without a modal loop.
#pragma once

#include <frame/core/types.h>

#include <functional>
#include <memory>

class QWidget;

namespace vek {

/// The color dialog the controls open (a QColorDialog unless a test or an application
/// puts its own executor in place).
class VEK_EXPORT TColorDialog {
public:
    /// Receives the preset color, writes the chosen one into it and returns whether the
    /// user confirmed.
    using TExecutor = std::function<bool(QWidget* parent, TColor& color)>;

    /// A dialog over parent (none: a top-level window), preset to black.
    explicit TColorDialog(QWidget* parent = nullptr);
    ~TColorDialog();

    /// The preset color before Execute, the chosen one after a confirmed Execute;
    /// default 0 (black).
    TColor Color() const;
    void SetColor(TColor value);

    /// Shows the dialog; true when the user confirmed a color.
    bool Execute();

    /// Replaces the dialog of every TColorDialog (an empty function restores QColorDialog).
    static void SetExecutor(TExecutor executor);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
