// TRotLab for screen readers: static text named by its caption, at whatever angle it is
// drawn. The label base announces caption changes.
#include "VEK_RotLab.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>

namespace vek {

namespace {

class RotLabAccessible : public TAccessibleControl {
public:
    explicit RotLabAccessible(TRotLab* label) : TAccessibleControl(label, QAccessible::StaticText) {}

protected:
    QString Caption() const override { return static_cast<TRotLab*>(widget())->Caption(); }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TRotLab, RotLabAccessible>();

} // namespace

} // namespace vek
