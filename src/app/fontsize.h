#pragma once
// The text of the font-size box as a point size.

#include <QString>
#include <optional>

namespace vocalith {

// The size for a text that the program's numeric test accepts and that is a usable
// point size (above 0, at most 1000); nullopt otherwise.
std::optional<double> parseFontSize(const QString &text);

} // namespace vocalith
