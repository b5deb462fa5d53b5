// The fixed headless environment of tests and benchmarks: offscreen platform, Fusion
// style with its standard palette, en-US locale and DejaVu Sans at 12 pixels without
// hinting, so that pixel positions are the same on every machine.
#pragma once

namespace vektest {

// Before the QApplication exists: platform and scaling variables.
void PrepareHeadlessEnvironment();

// After the QApplication exists: style, palette, locale and font.
void ConfigureHeadlessApplication();

} // namespace vektest
