#pragma once
// HTML character references for the inventory symbols: decimal ("&#593;") and
// hexadecimal ("&#x0251;"). Pure functions; characters outside the inventory pass unchanged.

#include <QString>

namespace vocalith {

// Every inventory symbol becomes "&#" decimal ";".
QString Text2HTML(QString Text);
// Decodes exact decimal references of inventory symbols; ʤ and ʧ come back as dʒ and tʃ.
QString HTML2Text(QString Text);

// Every inventory symbol becomes "&#x" four upper-case hexadecimal digits ";".
QString Text2HexHTML(QString Text);
// Decodes padded (four digits) and short (no leading zero) upper-case references of
// inventory symbols; ʤ and ʧ come back as dʒ and tʃ.
QString HexHTML2Text(QString Text);

} // namespace vocalith
