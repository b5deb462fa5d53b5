// Placeholder bodies of the clipboard commands until the clipboard work lands; this file
// is replaced by the real implementation and must not survive into a release.
#include "VEK_ntabed.h"

namespace vek {

void TNTabEd::PopupMenuClickCopy(TObject*) {}
void TNTabEd::PopupMenuClickPaste(TObject*) {}
void TNTabEd::PopupMenuClickExtClip(TObject*) {}
bool TNTabEd::CopyBufferFilled() const { return false; }

} // namespace vek
