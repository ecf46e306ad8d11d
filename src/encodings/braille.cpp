#include "encodings/braille.h"

#include "encodings/brailletable.h"
#include "engine/compiledchain.h"
#include "engine/textchain.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace vocalith {
namespace {

using braille::BrailleCode;
using braille::BrailleTable;

// Import rules: the table reversed, three-cell sequences first, then two-cell, then one-cell;
// within a length by ascending cells; for equal cells the lower symbol first, so that its twin
// never matches (U+281B gives g, not ɡ).
std::span<const Replacement> importChain() {
    struct Chain {
        std::array<char16_t[2], BrailleTable.size()> symbols{};
        std::vector<Replacement> rules;
        Chain() {
            std::vector<size_t> order(BrailleTable.size());
            for (size_t k = 0; k < order.size(); ++k) {
                order[k] = k;
                symbols[k][0] = BrailleTable[k].symbol;
            }
            std::stable_sort(order.begin(), order.end(), [](size_t a, size_t b) {
                const std::u16string_view ca = BrailleTable[a].cells, cb = BrailleTable[b].cells;
                if (ca.size() != cb.size())
                    return ca.size() > cb.size();
                if (ca != cb)
                    return ca < cb;
                return BrailleTable[a].symbol < BrailleTable[b].symbol;
            });
            for (const size_t k : order)
                rules.push_back({BrailleTable[k].cells, symbols[k]});
        }
    };
    static const Chain chain;
    return chain.rules;
}

} // namespace

QString Text2Braille(QString Text) {
    // Every key is one unit and no cell sequence holds a table symbol, so one scan equals
    // replacing symbol by symbol.
    QString out;
    out.reserve(Text.size() * 2);
    for (const QChar c : Text) {
        const auto it = std::lower_bound(BrailleTable.begin(), BrailleTable.end(), c.unicode(),
                                         [](const BrailleCode &e, char16_t s) { return e.symbol < s; });
        if (it != BrailleTable.end() && it->symbol == c.unicode())
            out += QStringView(it->cells);
        else
            out += c;
    }
    return out;
}

QString Braille2Unicode(QString Text) {
    static const CompiledChain chain(importChain());
    return chain.apply(std::move(Text));
}

} // namespace vocalith
