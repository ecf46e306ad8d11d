#pragma once
// Measures of the design are in twips (1440 to the inch); widgets turn them into pixels
// with the dots per inch of their screen.

namespace vocalith {

constexpr int twipsToPixels(int twips, int dpi) { return twips * dpi / 1440; }

} // namespace vocalith
