#include "pronunciation/arpabet.h"

#include <QHash>

namespace vocalith::pronunciation {

namespace {

// CMUdict's ARPAbet without stress digits. AH, ER, IY and UW depend on stress and context
// and are handled in phonesFromArpabet.
// clang-format off
constexpr Symbol kArpabet[] = {
    {"AA", u"ɑː", true}, {"AE", u"æ", true},  {"AO", u"ɔː", true}, {"AW", u"aʊ", true},
    {"AY", u"aɪ", true}, {"EH", u"e", true},  {"EY", u"eɪ", true}, {"IH", u"ɪ", true},
    {"OW", u"oʊ", true}, {"OY", u"ɔɪ", true}, {"UH", u"ʊ", true},
    {"B", u"b", false},  {"CH", u"tʃ", false}, {"D", u"d", false},  {"DH", u"ð", false},
    {"F", u"f", false},  {"G", u"ɡ", false},  {"HH", u"h", false}, {"JH", u"dʒ", false},
    {"K", u"k", false},  {"L", u"l", false},  {"M", u"m", false},  {"N", u"n", false},
    {"NG", u"ŋ", false}, {"P", u"p", false},  {"R", u"r", false},  {"S", u"s", false},
    {"SH", u"ʃ", false}, {"T", u"t", false},  {"TH", u"θ", false}, {"V", u"v", false},
    {"W", u"w", false},  {"Y", u"j", false},  {"Z", u"z", false},  {"ZH", u"ʒ", false},
};
// clang-format on

} // namespace

bool phonesFromArpabet(const QString &arpabet, Pron &out) {
    out.clear();
    const QStringList tokens = arpabet.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int k = 0; k < tokens.size(); ++k) {
        QString t = tokens[k];
        Stress stress = Stress::None;
        int digit = -1;
        if (!t.isEmpty() && t.back().isDigit()) {
            digit = t.back().digitValue();
            t.chop(1);
            stress = digit == 1 ? Stress::Primary : digit == 2 ? Stress::Secondary : Stress::None;
        }
        const bool nextIsVowel = k + 1 < tokens.size() && tokens[k + 1].back().isDigit();
        if (t == QLatin1String("AH")) {
            out << phone(digit == 0 ? u"ə" : u"ʌ", true, stress);
        } else if (t == QLatin1String("ER")) {
            if (digit == 0 && nextIsVowel) {
                out << phone(u"ə", true) << phone(u"r", false);
            } else {
                out << phone(digit == 0 ? u"ər" : u"ɜːr", true, stress);
            }
        } else if (t == QLatin1String("IY")) {
            out << phone(digit == 0 ? u"i" : u"iː", true, stress);
        } else if (t == QLatin1String("UW")) {
            out << phone(digit == 0 && nextIsVowel ? u"u" : u"uː", true, stress);
        } else if (const Symbol *s = findSymbol(t, {kArpabet})) {
            if (s->vowel != (digit >= 0))
                return false;
            out << phone(s->target, s->vowel, stress);
        } else {
            return false;
        }
    }
    return !out.isEmpty();
}

void fuseAmericanRhotics(Pron &p) {
    static const QHash<QString, QString> fused = [] {
        const QStringList from = texts({u"ɑː", u"ɔː", u"oʊ", u"ɪ", u"iː", u"e", u"eɪ", u"ʊ", u"uː"});
        const QStringList to = texts({u"ɑːr", u"ɔːr", u"ɔːr", u"ɪr", u"ɪr", u"er", u"er", u"ʊr", u"ʊr"});
        QHash<QString, QString> h;
        for (int i = 0; i < from.size(); ++i)
            h.insert(from[i], to[i]);
        return h;
    }();
    for (int i = 0; i + 1 < p.size(); ++i) {
        if (!p[i].vowel || p[i + 1].sym != QLatin1String("r") || !fused.contains(p[i].sym))
            continue;
        // oʊ + r + vowel only arises across the parts of a compound (elbowroom).
        if (p[i].sym == QStringLiteral("oʊ") && isVowelAt(p, i + 2))
            continue;
        // The r begins a stressed syllable (irregular, arise): it stays an onset.
        if (isVowelAt(p, i + 2) && p[i + 2].stress != Stress::None)
            continue;
        // An unstressed ɪ/e before r + vowel is a weak prefix vowel (erect, direct): keep.
        if (isVowelAt(p, i + 2) && p[i].stress == Stress::None && p[i].sym != QStringLiteral("ɑː") &&
            p[i].sym != QStringLiteral("ɔː") && nuclei(p).front() == i)
            continue;
        p[i].sym = fused.value(p[i].sym);
        p.remove(i + 1);
    }
}

void applyAmericanWeakVowels(const QString &word, Pron &p) {
    const int n = p.size();
    auto weakToI = [&](int i) {
        if (i >= 0 && i < n && p[i].vowel && p[i].stress == Stress::None &&
            (p[i].sym == QStringLiteral("ə") || p[i].sym == QLatin1String("i")))
            p[i].sym = QStringLiteral("ɪ");
    };
    auto symAt = [&](int i) { return i >= 0 && i < n ? p[i].sym : QString(); };
    // Suffixes, judged by spelling and the final phones.
    if (word.endsWith(QLatin1String("ed")) && n >= 3 && symAt(n - 1) == QLatin1String("d") &&
        oneOf(symAt(n - 3), {u"t", u"d"}))
        weakToI(n - 2);
    else if (word.endsWith(QLatin1String("ed")) && n >= 3 && symAt(n - 1) == QLatin1String("d") && word.size() > 4 &&
             symAt(n - 2) == QStringLiteral("ə") && oneOf(symAt(n - 3), {u"k", u"ɡ"}))
        weakToI(n - 2); // naked, wicked, rugged
    if (word.endsWith(QLatin1String("es")) && n >= 3 && symAt(n - 1) == QLatin1String("z") &&
        oneOf(symAt(n - 3), {u"s", u"z", u"ʃ", u"ʒ", u"tʃ", u"dʒ"}))
        weakToI(n - 2);
    if ((word.endsWith(QLatin1String("ist")) && n >= 3 && symAt(n - 2) == QLatin1String("s") &&
         symAt(n - 1) == QLatin1String("t")))
        weakToI(n - 3);
    if ((word.endsWith(QLatin1String("ists")) && n >= 4 && symAt(n - 3) == QLatin1String("s")))
        weakToI(n - 4);
    for (const char *suffix : {"ice", "ices", "ace", "aces"}) {
        if (word.endsWith(QLatin1String(suffix)) && word.size() > 5) {
            const int s = p.back().sym == QStringLiteral("z") ? n - 3 : n - 1;
            if (s >= 1 && oneOf(symAt(s), {u"s"}))
                weakToI(s - 1);
            break;
        }
    }
    for (const char *suffix : {"age", "ages", "aged", "ledge", "ledged"}) {
        if (!word.endsWith(QLatin1String(suffix)))
            continue;
        for (int i = n - 1; i >= 1; --i)
            if (p[i].sym == QStringLiteral("dʒ")) {
                weakToI(i - 1);
                break;
            }
    }
    // Prefixes before the stress.
    const int primary = primaryIndex(p);
    static const char *const prefixes[] = {"pre", "re", "de", "be", "e"};
    for (const char *prefix : prefixes) {
        if (!word.startsWith(QLatin1String(prefix)))
            continue;
        const QString pre = QLatin1String(prefix);
        int v = -1;
        for (int i = 0; i < n; ++i)
            if (p[i].vowel) {
                v = i;
                break;
            }
        if (v < 0 || primary <= v)
            break;
        // The vowel must be the prefix's own: its consonants come before it.
        const int consonantsBefore = v;
        if (consonantsBefore != pre.size() - 1)
            break;
        if (p[v].sym == QStringLiteral("e") && p[v].stress == Stress::None && pre == QLatin1String("e"))
            p[v].sym = QStringLiteral("ɪ");                                // entitled, endorse
        else if (!(p[v].sym == QLatin1String("i") && isVowelAt(p, v + 1))) // react keeps i
            weakToI(v);
        break;
    }
}

void removeGlideW(const QString &word, Pron &p) {
    if (word.contains(QLatin1Char('w')))
        return;
    for (int i = 1; i + 1 < p.size(); ++i) {
        if (p[i].sym != QStringLiteral("w") || !p[i - 1].vowel || !p[i + 1].vowel || p[i - 1].stress != Stress::None ||
            p[i + 1].stress != Stress::None)
            continue;
        if (!oneOf(p[i - 1].sym, {u"ə", u"u", u"uː", u"ʊ"}))
            continue;
        p[i - 1].sym = QStringLiteral("u");
        p.remove(i);
    }
}

void dropPretonicWeakSecondary(Pron &p) {
    const int primary = primaryIndex(p);
    if (primary < 0)
        return;
    int previous = -1;
    for (int i = primary - 1; i >= 0; --i)
        if (p[i].vowel) {
            previous = i;
            break;
        }
    if (previous < 0 || p[previous].stress != Stress::Secondary)
        return;
    // Only the first nucleus, a short weak-prone vowel (be-, de-, re-, e-, in- …).
    for (int i = 0; i < previous; ++i)
        if (p[i].vowel)
            return;
    if (oneOf(p[previous].sym, {u"ɪ", u"ə", u"i"}))
        p[previous].stress = Stress::None;
}

void dropPrefixSecondary(const QString &word, Pron &p) {
    const QVector<int> n = nuclei(p);
    if (n.size() < 2 || p[n[0]].sym != QStringLiteral("iː") || p[n[0]].stress != Stress::Secondary ||
        p[n[1]].stress != Stress::Primary)
        return;
    for (const char *prefix : {"re", "de", "pre", "be"})
        if (word.startsWith(QLatin1String(prefix)) && n[0] == int(qstrlen(prefix)) - 1) {
            p[n[0]].sym = QStringLiteral("i");
            p[n[0]].stress = Stress::None;
            return;
        }
}

} // namespace vocalith::pronunciation
