#pragma once
// The IPA code points written as character references by the decimal, hexadecimal and
// string-expression converters, in the order their rules run.

#include <array>
#include <optional>

namespace vocalith {

// clang-format off
inline constexpr std::array<char16_t, 136> SymbolInventory = {
    // Letters (86).
    u'\u0251', u'\u0250', u'\u0252', u'\u00E6', u'\u0253', u'\u0299', u'\u03B2', u'\u0254', u'\u0255', u'\u00E7',
    u'\u0257', u'\u0256', u'\u00F0', u'\u02A4', u'\u0259', u'\u0258', u'\u025A', u'\u025B', u'\u025C', u'\u025D',
    u'\u025E', u'\u025F', u'\u0284', u'\u0261', u'\u0260', u'\u0262', u'\u029B', u'\u0266', u'\u0267', u'\u0127',
    u'\u0265', u'\u029C', u'\u0268', u'\u026A', u'\u029D', u'\u026D', u'\u026C', u'\u026B', u'\u026E', u'\u029F',
    u'\u0271', u'\u026F', u'\u0270', u'\u014B', u'\u0273', u'\u0272', u'\u0274', u'\u00F8', u'\u0275', u'\u0278',
    u'\u03B8', u'\u0153', u'\u0276', u'\u0298', u'\u0279', u'\u027A', u'\u027E', u'\u027B', u'\u0280', u'\u0281',
    u'\u027D', u'\u0282', u'\u0283', u'\u0288', u'\u02A7', u'\u0289', u'\u028B', u'\u028A', u'\u028C', u'\u0263',
    u'\u0264', u'\u028D', u'\u03C7', u'\u028E', u'\u028F', u'\u0291', u'\u0290', u'\u0292', u'\u0294', u'\u02A1',
    u'\u0295', u'\u02A2', u'\u01C0', u'\u01C1', u'\u01C2', u'\u01C3',
    // Suprasegmentals and modifier letters (13).
    u'\u02C8', u'\u02CC', u'\u02D0', u'\u02D1', u'\u02BC', u'\u02B4', u'\u02B0', u'\u02B1', u'\u02B2', u'\u02B7',
    u'\u02E0', u'\u02E4', u'\u02DE',
    // Combining diacritics (32).
    u'\u0325', u'\u030A', u'\u0324', u'\u032A', u'\u032C', u'\u0330', u'\u033A', u'\u033C', u'\u033B', u'\u031A',
    u'\u0339', u'\u0303', u'\u031C', u'\u031F', u'\u0320', u'\u0308', u'\u0334', u'\u033D', u'\u031D', u'\u0329',
    u'\u031E', u'\u032F', u'\u0318', u'\u0319', u'\u0306', u'\u030B', u'\u0301', u'\u0304', u'\u0300', u'\u030F',
    u'\u035C', u'\u0361',
    // Arrows (5).
    u'\u2193', u'\u2191', u'\u2192', u'\u2197', u'\u2198',
};
// clang-format on

// Position of the UTF-16 unit in SymbolInventory, or -1 when it is not an inventory symbol.
int inventoryIndex(char16_t unit);
// The inventory code point with this value, if there is one.
std::optional<char16_t> inventorySymbol(unsigned codePoint);

} // namespace vocalith
