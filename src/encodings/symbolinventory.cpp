#include "encodings/symbolinventory.h"

#include <algorithm>

namespace vocalith {
namespace {

struct Entry {
    char16_t unit;
    int index;
};

// The inventory sorted by code point, for binary search.
constexpr auto kSorted = [] {
    std::array<Entry, SymbolInventory.size()> sorted{};
    for (size_t k = 0; k < SymbolInventory.size(); ++k)
        sorted[k] = {SymbolInventory[k], int(k)};
    std::sort(sorted.begin(), sorted.end(), [](Entry a, Entry b) { return a.unit < b.unit; });
    return sorted;
}();

static_assert(std::adjacent_find(kSorted.begin(), kSorted.end(), [](Entry a, Entry b) { return a.unit == b.unit; }) ==
                  kSorted.end(),
              "inventory code points are distinct");

} // namespace

int inventoryIndex(char16_t unit) {
    if (unit < kSorted.front().unit)
        return -1;
    const auto it =
        std::lower_bound(kSorted.begin(), kSorted.end(), unit, [](Entry e, char16_t u) { return e.unit < u; });
    return it != kSorted.end() && it->unit == unit ? it->index : -1;
}

std::optional<char16_t> inventorySymbol(unsigned codePoint) {
    if (codePoint > 0xFFFF || inventoryIndex(char16_t(codePoint)) < 0)
        return std::nullopt;
    return char16_t(codePoint);
}

} // namespace vocalith
