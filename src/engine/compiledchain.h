#pragma once
// A replacement chain prepared for long texts. The result is always that of applyChain
// (each rule in order over the whole text); it is reached in one pass over the text when no
// rule's replacement holds a character of a later rule's key and no replacement is empty.
// Then a replaced piece can never take part in a later match, so each rule in turn only
// takes the leftmost free occurrences of its key in the original text.

#include "engine/textchain.h"

#include <QString>
#include <array>
#include <span>
#include <unordered_map>
#include <vector>

namespace vocalith {

class CompiledChain {
public:
    explicit CompiledChain(std::span<const Replacement> chain);

    QString apply(QString text) const;

private:
    QString applySinglePass(const QString &text) const;

    struct Rule {
        QStringView find;
        QStringView replace;
    };
    std::span<const Replacement> m_chain;
    std::vector<Rule> m_rules;
    // Rules by the first unit of their key.
    std::unordered_map<char16_t, std::vector<int>> m_byFirst;
    // Whether an ASCII unit starts any key: most text is ASCII and starts none.
    std::array<bool, 128> m_asciiFirst{};
    bool m_singlePass = true;
};

} // namespace vocalith
