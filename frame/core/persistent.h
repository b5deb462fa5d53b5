// TPersistent: the copy protocol shared by controls, fonts, bitmaps and settings objects.
#pragma once

#include "vekglobal.h"

#include <QString>

namespace vek {

/// An object whose settings can be copied into another of its kind (Assign).
class VEK_EXPORT TPersistent {
public:
    virtual ~TPersistent() = default;

    /// Copies the settings of Source into this object. The default asks Source to copy
    /// itself here (AssignTo) and raises EConvertError when neither side knows the other.
    virtual void Assign(const TPersistent* Source);

    /// The class name without namespace, as used in messages ("TNumLab").
    virtual QString ClassName() const;

protected:
    /// Copies this object into Dest, a class that does not know this one; the default
    /// raises EConvertError ("Cannot assign a TFoo to a TBar"). A class's own Assign
    /// handles sources of its class, so AssignTo is overridden only for copies into
    /// other classes.
    virtual void AssignTo(TPersistent* Dest) const;
};

} // namespace vek
