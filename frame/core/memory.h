// How much memory a structure may claim, checked before it is allocated.
#pragma once

#include "vekglobal.h"

#include <QtGlobal>

namespace vek {

/// Whether a structure of Bytes may be allocated: at most half of the memory the system
/// has available now. Linux hands out address space it cannot back and ends the process
/// that touches too much of it (the out-of-memory killer, not std::bad_alloc), so sizes
/// that could not end well are refused before the allocation, and the caller reports an
/// error instead.
VEK_EXPORT bool FitsInMemory(qint64 Bytes);

} // namespace vek
