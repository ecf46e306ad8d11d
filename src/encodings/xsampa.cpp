#include "encodings/xsampa.h"

#include "encodings/xsampatables.h"
#include "engine/compiledchain.h"

#include <algorithm>

namespace vocalith {
namespace {

using namespace xsampa;

bool isToneLetter(QChar c) {
    return std::any_of(kToneLetters.begin(), kToneLetters.end(),
                       [c](const ToneLetter &t) { return t.letter == c.unicode(); });
}

// Runs of two or more tone letters through the tone chain. The chain's rule order decides
// how a run of four or more letters is cut (˥˩˩˩ gives ˥ and <BBB>), so it runs rule by rule;
// its keys are tone letters only and its codes hold none, so each run can be done on its own.
QString exportToneRuns(const QString &text) {
    QString out;
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (!isToneLetter(text[i])) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && isToneLetter(text[end]))
            ++end;
        if (end - i >= 2) {
            out += QStringView(text).mid(copied, i - copied);
            out += applied(text.mid(i, end - i), exportToneChain());
            copied = end;
        }
        i = end;
    }
    if (copied == 0)
        return text;
    out += QStringView(text).mid(copied);
    return out;
}

const char16_t *exportCode(char16_t symbol) {
    const auto it = std::lower_bound(kExportSymbols.begin(), kExportSymbols.end(), symbol,
                                     [](const SymbolCode &e, char16_t s) { return e.symbol < s; });
    return it != kExportSymbols.end() && it->symbol == symbol ? it->code : nullptr;
}

} // namespace

QString Text2SAMPA(QString Text) {
    const QString text = exportToneRuns(Text);
    // The barred vowels and then the one-character rules. Every key is one character (or one
    // character and U+0336) and every code is ASCII, which no key contains, so one scan that
    // tries the barred vowels first equals running the rules in order.
    QString out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QStringView rest = QStringView(text).mid(i);
        const auto barred = std::find_if(kExportBarredVowels.begin(), kExportBarredVowels.end(),
                                         [rest](const Replacement &r) { return rest.startsWith(QStringView(r.find)); });
        if (barred != kExportBarredVowels.end()) {
            out += QStringView(barred->replace);
            i += QStringView(barred->find).size() - 1;
        } else if (const char16_t *code = exportCode(text[i].unicode())) {
            out += QStringView(code);
        } else {
            out += text[i];
        }
    }
    return out;
}

QString SAMPA2Unicode(QString Text) {
    static const CompiledChain chain(importChain());
    return chain.apply(std::move(Text));
}

} // namespace vocalith
