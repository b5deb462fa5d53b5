// Export macro and the namespace every part of the library lives in.
#pragma once

#include <QtCore/qglobal.h>

#if defined(VEK_BUILDING_LIBRARY)
#define VEK_EXPORT Q_DECL_EXPORT
#else
#define VEK_EXPORT Q_DECL_IMPORT
#endif
