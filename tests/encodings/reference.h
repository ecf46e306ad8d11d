#pragma once
// The plain rule-by-rule replacement every converter must equal, fed with the program's own
// tables, and random texts that make the keys touch and overlap.

#include "encodings/brailletable.h"
#include "encodings/stringexpression.h"
#include "encodings/symbolinventory.h"
#include "encodings/xsampatables.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace vocalith::test {

using Rules = QList<std::pair<QString, QString>>;

// Each rule in order over the whole text, every occurrence, left to right.
inline QString byRules(QString text, const Rules &rules) {
    for (const auto &[find, replace] : rules)
        text.replace(find, replace);
    return text;
}

inline Rules toRules(std::span<const Replacement> chain) {
    Rules rules;
    for (const Replacement &r : chain)
        rules << std::pair{QString::fromUtf16(r.find), QString::fromUtf16(r.replace)};
    return rules;
}

// `count` texts of up to `length` fragments each, drawn with a fixed seed.
inline QStringList randomTexts(const QStringList &fragments, int count, int length = 12) {
    QRandomGenerator random(7);
    QStringList texts;
    for (int t = 0; t < count; ++t) {
        QString text;
        for (int k = int(random.bounded(length + 1)); k > 0; --k)
            text += fragments[int(random.bounded(qsizetype(fragments.size())))];
        texts << text;
    }
    return texts;
}

// Every way two keys can overlap (the end of one is the start of the other), written as
// one text; these are the texts where the order of two rules can decide the result.
inline QStringList overlaps(const QStringList &keys) {
    QStringList texts;
    for (const QString &a : keys)
        for (const QString &b : keys)
            for (qsizetype k = 1; k < b.size() && k <= a.size(); ++k)
                if (a.endsWith(QStringView(b).left(k)))
                    texts << a + b.mid(k);
    return texts;
}

// ---------------------------------------------------------------- X-SAMPA

inline Rules xsampaExport() {
    Rules rules = toRules(xsampa::exportToneChain()) + toRules(xsampa::kExportBarredVowels);
    for (const xsampa::SymbolCode &e : xsampa::kExportSymbols)
        rules << std::pair{QString(QChar(e.symbol)), QString::fromUtf16(e.code)};
    return rules;
}

inline Rules xsampaImport() { return toRules(xsampa::importChain()); }

// ---------------------------------------------------------------- Braille

inline Rules brailleExport() {
    Rules rules;
    for (const braille::BrailleCode &e : braille::BrailleTable)
        rules << std::pair{QString(QChar(e.symbol)), QString::fromUtf16(e.cells)};
    return rules;
}

// Cells to symbol: longest cell sequences first, then by cells, then the lower symbol first,
// so that of two symbols with the same cells the lower one is imported.
inline Rules brailleImport() {
    Rules rules;
    for (const auto &[symbol, cells] : brailleExport())
        rules << std::pair{cells, symbol};
    std::stable_sort(rules.begin(), rules.end(), [](const auto &a, const auto &b) {
        if (a.first.size() != b.first.size())
            return a.first.size() > b.first.size();
        return a.first != b.first ? a.first < b.first : a.second < b.second;
    });
    return rules;
}

// ---------------------------------------------------------------- character references

// What an imported reference gives: the affricate ligatures come back as two letters.
inline QString decoded(QChar symbol) {
    if (symbol == QChar(0x02A4))
        return QStringLiteral("d\u0292");
    if (symbol == QChar(0x02A7))
        return QStringLiteral("t\u0283");
    return symbol;
}

// One rule per inventory symbol, from the symbol to its reference or back.
template <bool Export>
Rules referenceRules(QString (*reference)(QChar)) {
    Rules rules;
    for (const QChar c : SymbolInventory)
        rules << (Export ? std::pair{QString(c), reference(c)} : std::pair{reference(c), decoded(c)});
    return rules;
}
inline QString decimal(QChar c) { return QStringLiteral("&#%1;").arg(c.unicode()); }
inline QString shortHex(QChar c) { return QStringLiteral("&#x%1;").arg(QString::number(c.unicode(), 16).toUpper()); }
inline QString paddedHex(QChar c) {
    return QStringLiteral("&#x%1;").arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
}
inline Rules decimalExport() { return referenceRules<true>(decimal); }
inline Rules decimalImport() { return referenceRules<false>(decimal); }
inline Rules hexExport() { return referenceRules<true>(paddedHex); }
inline Rules hexImport() { return referenceRules<false>(paddedHex) + referenceRules<false>(shortHex); }

// ---------------------------------------------------------------- string expression

// The characters written between double quotes, in rule order: a to z with ñ after n, then
// the punctuation.
inline const QString kQuotable = QStringLiteral(u"abcdefghijklmn\u00F1opqrstuvwxyz,.:;\u00BF?!\u00A1=|");

// Export, before the ends are trimmed and the quoted pieces joined (see stringExpressionExport).
inline Rules stringExpressionRules() {
    Rules rules{{QStringLiteral(" "), QStringLiteral("\" \" & ")}};
    for (const QChar q : kQuotable)
        rules << std::pair{QString(q), QStringLiteral("\"%1\" & ").arg(q)};
    for (const QChar c : SymbolInventory)
        rules << std::pair{QString(c), QStringLiteral("ChrW(%1) & ").arg(c.unicode())};
    return rules;
}

inline QString stringExpressionExport(const QString &text) {
    QString out = byRules(text, stringExpressionRules());
    while (out.startsWith(u' '))
        out.remove(0, 1);
    while (out.endsWith(u' '))
        out.chop(1);
    if (out.endsWith(u'&'))
        out.chop(1);
    return out.remove(QStringLiteral("\" & \""));
}

inline Rules stringExpressionImport() {
    Rules rules{{QStringLiteral(" & "), QString()}};
    for (const QChar q : kQuotable)
        rules << std::pair{QStringLiteral("\"%1\"").arg(q), QString(q)};
    for (const QChar c : SymbolInventory)
        rules << std::pair{QStringLiteral("ChrW(%1)").arg(c.unicode()), QString(c)};
    rules << std::pair{QStringLiteral("\""), QString()};
    return rules;
}

} // namespace vocalith::test
