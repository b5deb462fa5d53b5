// A seam for appearance tests: with glyphs hidden, every canvas lays out its text and
// fills text cells as usual but draws no glyph, so that comparing a rendering with and
// without glyphs tells exactly which pixels are text and what they stand on.
#pragma once

namespace vek::glyphprobe {

void SetGlyphsHidden(bool hidden);
bool GlyphsHidden();

} // namespace vek::glyphprobe
