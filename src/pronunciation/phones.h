#pragma once
// A pronunciation as the rules work on it: a list of phones already written in the lexicon's
// symbols (ɑː, tʃ, n̩ …). Every rule of this folder is one function over that list, so each can
// be tested alone: CMUdict's ARPAbet becomes American English (arpabet.h), espeak-ng's phoneme
// names British (RP) or American English (espeak.h, british.h), conventions of both accents
// and checks of one source against the other follow (conventions.h, crosscheck.h), and a last
// step divides the syllables and writes the stress marks at the syllable starts (syllables.h).
// notation.h chains them for each accent.
//
// Here: the phone, the marks of the notation, reading notation text, and the small queries
// the rules share.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>
#include <initializer_list>
#include <span>

namespace vocalith::pronunciation {

inline const QChar kPrimary(0x02C8);
inline const QChar kSecondary(0x02CC);
inline const QChar kSyllabicMark(0x0329);
inline const QString kLinkingR = QStringLiteral("(r)");

enum class Stress { None, Primary, Secondary };

struct Phone {
    QString sym;
    bool vowel = false; // a syllable nucleus: vowels, diphthongs, rhotic vowels, n̩ and l̩
    Stress stress = Stress::None;
    bool morphemeStart = false; // a suffix begins here: no onset reaches back across it
    bool operator==(const Phone &) const = default;
};
using Pron = QVector<Phone>;

// Builds a pronunciation from notation text such as "ˈneɪ.ʃn̩" (dots are ignored, a stress
// mark stresses the next nucleus). With rhotic, vowel + r is one nucleus (American ˈver.i).
Pron parseNotation(const QString &text, bool rhotic = false);

// --- what the rules share -------------------------------------------------------------

// A source's phoneme name and the phone it becomes (the tables of arpabet.cpp, espeak.cpp).
struct Symbol {
    const char *source;
    const char16_t *target;
    bool vowel;
};
// The first table entry named so, or nullptr.
inline const Symbol *findSymbol(QStringView name, std::initializer_list<std::span<const Symbol>> tables) {
    for (auto table : tables)
        for (const Symbol &s : table)
            if (name == QLatin1String(s.source))
                return &s;
    return nullptr;
}

inline Phone phone(const char16_t *sym, bool vowel, Stress stress = Stress::None) {
    return Phone{QString::fromUtf16(sym), vowel, stress};
}

inline QStringList texts(std::initializer_list<const char16_t *> items) {
    QStringList l;
    for (const char16_t *x : items)
        l << QString::fromUtf16(x);
    return l;
}

inline bool isVowelAt(const Pron &p, int i) { return i >= 0 && i < p.size() && p[i].vowel; }

// The nucleus with the primary stress, or -1.
inline int primaryIndex(const Pron &p) {
    for (int i = 0; i < p.size(); ++i)
        if (p[i].stress == Stress::Primary)
            return i;
    return -1;
}

// The indexes of the nuclei, in order.
inline QVector<int> nuclei(const Pron &p) {
    QVector<int> n;
    for (int i = 0; i < p.size(); ++i)
        if (p[i].vowel)
            n << i;
    return n;
}

inline bool oneOf(const QString &s, std::initializer_list<const char16_t *> set) {
    for (const char16_t *x : set)
        if (s == QStringView(x))
            return true;
    return false;
}

// A diphthong + ə (British) or aɪ/aʊ + ər (American) held as one nucleus.
inline bool isTriphthong(const QString &s) {
    return s.size() >= 3 && (s.endsWith(QStringLiteral("ə")) || s.endsWith(QStringLiteral("ər"))) &&
           (s.startsWith(QStringLiteral("aɪ")) || s.startsWith(QStringLiteral("aʊ")) ||
            s.startsWith(QStringLiteral("eɪ")) || s.startsWith(QStringLiteral("əʊ")) ||
            s.startsWith(QStringLiteral("ɔɪ")));
}

inline bool isWeakVowel(const QString &s) { return oneOf(s, {u"ə", u"ɪ", u"i", u"u"}); }
inline bool isShortCheckedVowel(const QString &s) { return oneOf(s, {u"ɪ", u"e", u"æ", u"ʌ", u"ɒ", u"ʊ"}); }

} // namespace vocalith::pronunciation
