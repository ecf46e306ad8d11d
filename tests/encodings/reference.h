#pragma once
// Test helpers for the converters: the plain rule-by-rule replacement every converter must
// equal, random texts that make keys touch and overlap, and hexadecimal notation of texts.

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <utility>

namespace vocalith::test {

using Rules = QList<std::pair<QString, QString>>;

// Each rule in order over the whole text, every occurrence, left to right.
inline QString byRules(QString text, const Rules &rules) {
    for (const auto &[find, replace] : rules)
        text.replace(find, replace);
    return text;
}

// `count` texts of up to `length` fragments each, drawn with a fixed seed.
inline QStringList randomTexts(const QStringList &fragments, int count, int length = 12, quint32 seed = 7) {
    QRandomGenerator random(seed);
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

// "2816 2807" → the two units U+2816 U+2807.
inline QString fromHex(const QString &codes) {
    QString text;
    for (const QString &code : codes.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        text += QChar(char16_t(code.toUShort(nullptr, 16)));
    return text;
}

// The 136 inventory symbols, in rule order.
inline QString inventory() {
    return fromHex(QStringLiteral(
        "0251 0250 0252 00E6 0253 0299 03B2 0254 0255 00E7 0257 0256 00F0 02A4 0259 0258 025A "
        "025B 025C 025D 025E 025F 0284 0261 0260 0262 029B 0266 0267 0127 0265 029C 0268 026A "
        "029D 026D 026C 026B 026E 029F 0271 026F 0270 014B 0273 0272 0274 00F8 0275 0278 03B8 "
        "0153 0276 0298 0279 027A 027E 027B 0280 0281 027D 0282 0283 0288 02A7 0289 028B 028A "
        "028C 0263 0264 028D 03C7 028E 028F 0291 0290 0292 0294 02A1 0295 02A2 01C0 01C1 01C2 "
        "01C3 02C8 02CC 02D0 02D1 02BC 02B4 02B0 02B1 02B2 02B7 02E0 02E4 02DE 0325 030A 0324 "
        "032A 032C 0330 033A 033C 033B 031A 0339 0303 031C 031F 0320 0308 0334 033D 031D 0329 "
        "031E 032F 0318 0319 0306 030B 0301 0304 0300 030F 035C 0361 2193 2191 2192 2197 2198"));
}

// What an imported reference of an inventory symbol gives: the affricate ligatures come
// back as two letters.
inline QString decoded(QChar symbol) {
    if (symbol == QChar(0x02A4))
        return QStringLiteral("d\u0292");
    if (symbol == QChar(0x02A7))
        return QStringLiteral("t\u0283");
    return symbol;
}

} // namespace vocalith::test
