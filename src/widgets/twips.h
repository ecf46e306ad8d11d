#pragma once
// Measures of the design are in twips (1440 to the inch); widgets turn them into pixels
// with the dots per inch of their screen.

namespace vocalith {

constexpr int twipsToPixels(int twips, int dpi) { return twips * dpi / 1440; }

// Inner margin of the main window's panels, in pixels: small, so that the window fits a
// 1024-pixel-wide screen.
constexpr int kPanelMargin = 6;

} // namespace vocalith
