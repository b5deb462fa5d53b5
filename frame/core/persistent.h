// TPersistent: the copy protocol shared by controls, fonts, bitmaps and settings objects.
#pragma once

#include "vekglobal.h"

#include <QString>

namespace vek {

class VEK_EXPORT TPersistent {
public:
    virtual ~TPersistent() = default;

    /// Copies the settings of Source into this object. The default asks Source to copy
    /// itself here (AssignTo) and raises EConvertError when neither side knows the other.
    virtual void Assign(const TPersistent* Source);

    /// The class name without namespace, as used in messages ("TNumLab").
    virtual QString ClassName() const;

protected:
    /// Copies this object into Dest; the default raises EConvertError
    /// ("Cannot assign a TFoo to a TBar").
    virtual void AssignTo(TPersistent* Dest) const;

};

} // namespace vek
