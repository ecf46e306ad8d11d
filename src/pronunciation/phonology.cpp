#include "pronunciation/phonology.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <span>

namespace vocalith::pronunciation {

namespace {

const QChar kPrimary(0x02C8);
const QChar kSecondary(0x02CC);
const QChar kSyllabicMark(0x0329);
const QString kLinkingR = QStringLiteral("(r)");

struct Symbol {
    const char *source;
    const char16_t *target;
    bool vowel;
};

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

// espeak-ng's English phoneme names, the same for both voices. "@L" is ə + l (the syllabic
// rule decides later); "@-" is a schwa espeak itself marks as elidable and is dropped.
// clang-format off
constexpr Symbol kEspeakCommon[] = {
    {"a#", u"ə", true}, {"@", u"ə", true},  {"@2", u"ə", true}, {"@5", u"ə", true},
    {"I", u"ɪ", true},  {"I2", u"ɪ", true}, {"I#", u"ɪ", true}, {"i", u"i", true},
    {"i:", u"iː", true}, {"E", u"e", true}, {"e", u"e", true},  {"eI", u"eɪ", true},
    {"aI", u"aɪ", true}, {"aU", u"aʊ", true}, {"OI", u"ɔɪ", true}, {"V", u"ʌ", true},
    {"U", u"ʊ", true},  {"u:", u"uː", true}, {"u", u"u", true}, {"O:", u"ɔː", true},
    {"O", u"ɔː", true}, {"O2", u"ɔː", true}, {"A:", u"ɑː", true},
    {"b", u"b", false}, {"d", u"d", false}, {"f", u"f", false}, {"g", u"ɡ", false},
    {"h", u"h", false}, {"j", u"j", false}, {"k", u"k", false}, {"l", u"l", false},
    {"m", u"m", false}, {"n", u"n", false}, {"N", u"ŋ", false}, {"p", u"p", false},
    {"r", u"r", false}, {"r-", u"r", false}, {"s", u"s", false}, {"S", u"ʃ", false},
    {"t", u"t", false}, {"t#", u"t", false}, {"t2", u"t", false}, {"?", u"t", false},
    {"T", u"θ", false}, {"D", u"ð", false}, {"v", u"v", false}, {"w", u"w", false},
    {"z", u"z", false}, {"Z", u"ʒ", false}, {"tS", u"tʃ", false}, {"dZ", u"dʒ", false},
    {"x", u"k", false}, {"n-", u"n", false}, {"l/", u"l", false}, {"l#", u"l", false},
    {"r/", u"r", false}, {"z/", u"z", false}, {"w#", u"w", false}, {"C", u"k", false},
};
// clang-format on

// clang-format off
constexpr Symbol kEspeakRP[] = {
    {"a", u"æ", true},   {"aa", u"ɑː", true}, {"0", u"ɒ", true},  {"3", u"ə", true},
    {"3:", u"ɜː", true}, {"oU", u"əʊ", true}, {"A@", u"ɑː", true}, {"O@", u"ɔː", true},
    {"o@", u"ɔː", true}, {"e@", u"eə", true}, {"i@", u"ɪə", true}, {"i@3", u"ɪə", true},
    {"U@", u"ʊə", true}, {"aI@", u"aɪə", true}, {"aI3", u"aɪə", true}, {"aU@", u"aʊə", true},
    {"A~", u"ɒ", true},  {"O~", u"ɒ", true}, {"3:r", u"ɜː", true}, {"e", u"e", true},
};
// clang-format on

// clang-format off
constexpr Symbol kEspeakUS[] = {
    {"a", u"æ", true},    {"aa", u"æ", true},   {"0", u"ɑː", true},  {"3", u"ər", true},
    {"3:", u"ɜːr", true}, {"oU", u"oʊ", true},  {"A@", u"ɑːr", true}, {"O@", u"ɔːr", true},
    {"o@", u"ɔːr", true}, {"e@", u"er", true},  {"i@", u"ɪr", true},  {"i@3", u"ɪr", true},
    {"U@", u"ʊr", true},  {"aI@", u"aɪər", true}, {"aI3", u"aɪər", true}, {"aU@", u"aʊər", true},
    {"A~", u"ɑː", true},  {"O~", u"ɔː", true}, {"3:r", u"ɜːr", true},
};
// clang-format on

const Symbol *findSymbol(QStringView name, std::initializer_list<std::span<const Symbol>> tables) {
    for (auto table : tables)
        for (const Symbol &s : table)
            if (name == QLatin1String(s.source))
                return &s;
    return nullptr;
}

Phone phone(const char16_t *sym, bool vowel, Stress stress = Stress::None) {
    return Phone{QString::fromUtf16(sym), vowel, stress};
}

QStringList texts(std::initializer_list<const char16_t *> items) {
    QStringList l;
    for (const char16_t *x : items)
        l << QString::fromUtf16(x);
    return l;
}

bool isVowelAt(const Pron &p, int i) { return i >= 0 && i < p.size() && p[i].vowel; }

int primaryIndex(const Pron &p) {
    for (int i = 0; i < p.size(); ++i)
        if (p[i].stress == Stress::Primary)
            return i;
    return -1;
}

QVector<int> nuclei(const Pron &p) {
    QVector<int> n;
    for (int i = 0; i < p.size(); ++i)
        if (p[i].vowel)
            n << i;
    return n;
}

bool oneOf(const QString &s, std::initializer_list<const char16_t *> set) {
    for (const char16_t *x : set)
        if (s == QStringView(x))
            return true;
    return false;
}

bool isTriphthong(const QString &s) {
    return s.size() >= 3 && (s.endsWith(QStringLiteral("ə")) || s.endsWith(QStringLiteral("ər"))) &&
           (s.startsWith(QStringLiteral("aɪ")) || s.startsWith(QStringLiteral("aʊ")) ||
            s.startsWith(QStringLiteral("eɪ")) || s.startsWith(QStringLiteral("əʊ")) ||
            s.startsWith(QStringLiteral("ɔɪ")));
}

bool isWeakVowel(const QString &s) { return oneOf(s, {u"ə", u"ɪ", u"i", u"u"}); }
bool isShortCheckedVowel(const QString &s) { return oneOf(s, {u"ɪ", u"e", u"æ", u"ʌ", u"ɒ", u"ʊ"}); }

// Single-consonant onsets are all consonants but ŋ; these are the clusters.
const QSet<QString> &onsetClusters() {
    static const QSet<QString> set = [] {
        QSet<QString> s;
        for (const char16_t *c : {u"p", u"b", u"k", u"ɡ", u"f"}) {
            s << QString::fromUtf16(c) + QStringLiteral("l") << QString::fromUtf16(c) + QStringLiteral("r");
        }
        for (const char16_t *c : {u"t", u"d", u"θ", u"ʃ"})
            s << QString::fromUtf16(c) + QStringLiteral("r");
        for (const char16_t *c :
             {u"p", u"b", u"t", u"d", u"k", u"ɡ", u"f", u"v", u"θ", u"s", u"z", u"m", u"n", u"h", u"l"})
            s << QString::fromUtf16(c) + QStringLiteral("j");
        for (const char16_t *c : {u"t", u"d", u"k", u"ɡ", u"s", u"θ", u"ʃ"})
            s << QString::fromUtf16(c) + QStringLiteral("w");
        for (const char16_t *c : {u"p", u"t", u"k", u"m", u"n", u"l", u"f", u"w"})
            s << QStringLiteral("s") + QString::fromUtf16(c);
        for (const char16_t *c : {u"spl", u"spr", u"str", u"skr", u"skw", u"spj", u"stj", u"skj", u"skl"})
            s << QString::fromUtf16(c);
        return s;
    }();
    return set;
}

} // namespace

bool isLegalOnset(const QStringList &consonants) {
    if (consonants.isEmpty())
        return true;
    if (consonants.size() == 1)
        return consonants.front() != QStringLiteral("ŋ");
    return onsetClusters().contains(consonants.join(QString()));
}

Pron parseNotation(const QString &text, bool rhotic) {
    // Longest symbols first, so that "aɪə" is one nucleus and "tʃ" one consonant.
    static const QStringList rhotics = texts({u"aɪər", u"aʊər", u"ɑːr", u"ɔːr", u"ɜːr", u"ər", u"ɪr", u"er", u"ʊr"});
    static const QStringList vowels =
        texts({u"aɪə", u"aʊə", u"eɪə", u"əʊə", u"ɔɪə", u"iː", u"ɑː", u"ɔː", u"uː", u"ɜː", u"eɪ", u"aɪ",
               u"ɔɪ",  u"aʊ",  u"əʊ",  u"oʊ",  u"ɪə",  u"eə", u"ʊə", u"n̩",  u"l̩",  u"m̩",  u"i",  u"ɪ",
               u"e",   u"æ",   u"ʌ",   u"ɒ",   u"ʊ",   u"u",  u"ə",  u"ɑ",  u"ɔ",  u"ɜ",  u"a",  u"o"});
    static const QStringList consonants = texts({u"tʃ", u"dʒ"});
    Pron p;
    Stress pending = Stress::None;
    const QString t = QString(text).remove(kLinkingR);
    auto take = [&](const QStringList &symbols, bool vowel, int &i) {
        for (const QString &v : symbols)
            if (QStringView(t).mid(i).startsWith(v)) {
                p << Phone{v, vowel, vowel ? pending : Stress::None};
                if (vowel)
                    pending = Stress::None;
                i += v.size();
                return true;
            }
        return false;
    };
    for (int i = 0; i < t.size();) {
        const QChar c = t[i];
        if (c == kPrimary || c == kSecondary) {
            pending = c == kPrimary ? Stress::Primary : Stress::Secondary;
            ++i;
        } else if (c == QLatin1Char('.') || c == QLatin1Char(' ')) {
            ++i;
        } else if (!(rhotic && take(rhotics, true, i)) && !take(vowels, true, i) && !take(consonants, false, i)) {
            p << Phone{QString(c), false, Stress::None};
            ++i;
        }
    }
    return p;
}

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

void addPretonicSecondary(Pron &p) {
    const QVector<int> n = nuclei(p);
    const int primary = primaryIndex(p);
    if (n.size() < 2 || primary < 0 || n[0] == primary)
        return;
    for (int k = 0; k < n.size() && n[k] < primary; ++k)
        if (p[n[k]].stress != Stress::None)
            return; // already marked
    Phone &first = p[n[0]];
    if (n[1] >= primary && !isTriphthong(first.sym)) // the first syllable touches the stress
        return;
    if (oneOf(first.sym, {u"ə", u"ɪ", u"i", u"u", u"ʊ", u"ər", u"n̩", u"l̩"}))
        return;
    first.stress = Stress::Secondary;
}

bool phonesFromEspeak(const QString &mnemonics, EspeakVoice voice, Pron &out) {
    out.clear();
    const auto own = voice == EspeakVoice::RP ? std::span<const Symbol>(kEspeakRP) : std::span<const Symbol>(kEspeakUS);
    QString text = mnemonics;
    text.replace(QLatin1Char(' '), QLatin1Char('_'));
    Stress pending = Stress::None;
    const QStringList tokens = text.split(QLatin1Char('_'), Qt::SkipEmptyParts);
    for (qsizetype k = 0; k < tokens.size(); ++k) {
        QString t = tokens[k];
        while (!t.isEmpty() && QStringLiteral("',%=").contains(t.front())) {
            if (t.front() == QLatin1Char('\''))
                pending = Stress::Primary;
            else if (t.front() == QLatin1Char(',') && pending == Stress::None)
                pending = Stress::Secondary;
            t.remove(0, 1);
        }
        if (t.isEmpty() || t == QLatin1String(";") || t == QLatin1String("|") || t == QLatin1String("||"))
            continue;
        t.remove(QLatin1Char(';'));
        if (t == QLatin1String("@-"))
            continue;
        if (t == QLatin1String("@L")) {
            out << phone(u"ə", true, pending) << phone(u"l", false);
            pending = Stress::None;
            continue;
        }
        // The American voice writes the syllabic n after a glottal t as "n-", or as a plain
        // "n" in forms like gettin': our American entries have ə + n there (ˈbʌt.ən).
        const auto vowelNext = [&] {
            if (k + 1 == tokens.size())
                return false;
            QStringView next(tokens[k + 1]);
            while (!next.isEmpty() && QStringLiteral("',%=").contains(next.front()))
                next = next.mid(1);
            const Symbol *s = findSymbol(next, {own, kEspeakCommon});
            return s && s->vowel;
        };
        if (voice == EspeakVoice::US &&
            (t == QLatin1String("n-") ||
             (t == QLatin1String("n") && k > 0 && tokens[k - 1].endsWith(QLatin1Char('?')) && !vowelNext()))) {
            out << phone(u"ə", true, pending) << phone(u"n", false);
            pending = Stress::None;
            continue;
        }
        // The American voice's "i@" is the NEAR vowel only stressed before its r (period,
        // theory); elsewhere it is i + ə (idea aɪˈdiː.ə, trillian ˈtrɪl.i.ən, ameliorate
        // əˈmiː.li.ə.reɪt).
        if (voice == EspeakVoice::US && t == QLatin1String("i@") &&
            (pending == Stress::None || k + 1 == tokens.size() || !tokens[k + 1].startsWith(QLatin1Char('r')))) {
            out << phone(pending == Stress::None ? u"i" : u"iː", true, pending) << phone(u"ə", true);
            pending = Stress::None;
            continue;
        }
        const Symbol *s = findSymbol(t, {own, kEspeakCommon});
        if (!s)
            return false;
        Phone ph = phone(s->target, s->vowel, s->vowel ? pending : Stress::None);
        if (s->vowel)
            pending = Stress::None;
        // An American rhotic nucleus already holds the r that espeak writes after it.
        if (!s->vowel && ph.sym == QLatin1String("r") && !out.isEmpty() && out.back().vowel &&
            out.back().sym.endsWith(QLatin1Char('r')))
            continue;
        out << ph;
    }
    // A final linking r of espeak is written by the linking-r mark instead.
    if (voice == EspeakVoice::RP && out.size() > 1 && out.back().sym == QLatin1String("r") && out[out.size() - 2].vowel)
        out.removeLast();
    return !out.isEmpty();
}

void dropIntrusiveR(const QString &word, Pron &p) {
    const auto isR = [](const Phone &ph) { return ph.sym == QLatin1String("r"); };
    qsizetype excess = std::count_if(p.begin(), p.end(), isR) - word.count(QLatin1Char('r'), Qt::CaseInsensitive);
    for (int i = p.size() - 2; i > 0 && excess > 0; --i)
        if (isR(p[i]) && p[i + 1].vowel && p[i - 1].vowel &&
            oneOf(p[i - 1].sym, {u"ɔː", u"ɑː", u"ɜː", u"ə", u"ɪə", u"eə", u"ʊə", u"aɪə", u"aʊə"})) {
            p.remove(i);
            --excess;
        }
}

void dropNonPrevocalicR(Pron &p) {
    for (int i = 1; i < p.size(); ++i)
        if (p[i].sym == QStringLiteral("r") && p[i - 1].vowel && !isVowelAt(p, i + 1))
            p.remove(i--);
}

void mergeTriphthongs(Pron &p) {
    for (int i = 0; i + 1 < p.size(); ++i) {
        if (!p[i].vowel || !p[i + 1].vowel || p[i + 1].stress != Stress::None)
            continue;
        const QString &a = p[i].sym;
        const QString &b = p[i + 1].sym;
        const bool british = b == QStringLiteral("ə") && oneOf(a, {u"aɪ", u"aʊ", u"eɪ", u"əʊ", u"ɔɪ"});
        const bool american = b == QStringLiteral("ər") && oneOf(a, {u"aɪ", u"aʊ"});
        if (!british && !american)
            continue;
        p[i].sym += b;
        p.remove(i + 1);
    }
}

void applySyllabicConsonants(Pron &p) {
    auto isConsonantAt = [&](int i) { return i >= 0 && i < p.size() && !p[i].vowel; };
    auto onlyConsonantsAfter = [&](int i) {
        for (int k = i; k < p.size(); ++k)
            if (p[k].vowel)
                return false;
        return true;
    };
    for (int i = 1; i + 1 < p.size(); ++i) {
        if (p[i].sym != QStringLiteral("ə") || p[i].stress != Stress::None || !isConsonantAt(i - 1))
            continue;
        const QString &before = p[i - 1].sym;
        const QString &next = p[i + 1].sym;
        if (!onlyConsonantsAfter(i + 2))
            continue;
        if (next == QLatin1String("l")) {
            if (oneOf(before, {u"r", u"l", u"j", u"w"}))
                continue;
            // national: n after a consonant is itself the end of a cluster; keep ə.
            if (oneOf(before, {u"n", u"m"}) && isConsonantAt(i - 2))
                continue;
            p[i] = Phone{QStringLiteral("l̩"), true, Stress::None};
            p.remove(i + 1);
        } else if (next == QLatin1String("n")) {
            if (!oneOf(before, {u"t", u"d", u"s", u"z", u"ʃ", u"ʒ", u"f", u"v", u"θ", u"ð"}))
                continue;
            const bool sibilantSuffix = oneOf(before, {u"ʃ", u"ʒ"});
            const bool afterStress = isVowelAt(p, i - 2) && p[i - 2].stress != Stress::None;
            if (!sibilantSuffix && !afterStress)
                continue;
            p[i] = Phone{QStringLiteral("n̩"), true, Stress::None};
            p.remove(i + 1);
        }
    }
}

void reduceAryEnding(const QString &word, Pron &p) {
    if (!(word.endsWith(QLatin1String("ary")) || word.endsWith(QLatin1String("ory")) ||
          word.endsWith(QLatin1String("ery"))))
        return;
    const int n = p.size();
    if (n < 4 || p[n - 1].sym != QLatin1String("i") || p[n - 2].sym != QLatin1String("r") || !p[n - 3].vowel)
        return;
    // Only after the stressed syllable: primary stress must lie earlier than the vowel.
    const int primary = primaryIndex(p);
    if (primary < 0 || primary >= n - 3)
        return;
    Phone &v = p[n - 3];
    if (oneOf(v.sym, {u"e", u"eə", u"ɔː", u"ɒ", u"æ"})) {
        v.sym = QStringLiteral("ə");
        v.stress = Stress::None;
    }
}

namespace {

// The first vowel of the word when it is an unstressed prefix vowel before the primary
// stress, else -1.
int weakPrefixVowel(const Pron &p) {
    const QVector<int> n = nuclei(p);
    const int primary = primaryIndex(p);
    if (n.size() < 2 || primary < 0 || n.front() >= primary || p[n.front()].stress != Stress::None)
        return -1;
    return n.front();
}

} // namespace

void keepPrefixNasal(const QString &word, Pron &p) {
    const int v = weakPrefixVowel(p);
    const bool nasalPrefix = word.startsWith(QLatin1String("in")) || word.startsWith(QLatin1String("un")) ||
                             word.startsWith(QLatin1String("con")) || word.startsWith(QLatin1String("en"));
    if (v >= 0 && nasalPrefix && v + 2 < p.size() && p[v + 1].sym == QStringLiteral("ŋ") &&
        oneOf(p[v + 2].sym, {u"k", u"ɡ"}))
        p[v + 1].sym = QStringLiteral("n");
}

void reduceWeakPrefixes(const QString &word, Pron &p) {
    keepPrefixNasal(word, p);
    const int v = weakPrefixVowel(p);
    if (v < 0)
        return;
    Phone &first = p[v];
    if (first.sym == QStringLiteral("e") && v == 0 &&
        (word.startsWith(QLatin1String("en")) || word.startsWith(QLatin1String("em")) ||
         word.startsWith(QLatin1String("ex")) || word.startsWith(QLatin1String("es"))))
        first.sym = QStringLiteral("ɪ");
    else if (first.sym == QStringLiteral("ɒ") && word.startsWith(QLatin1Char('o')) && v == 0)
        first.sym = QStringLiteral("ə");
}

void applyWeakEndings(const QString &word, Pron &p) {
    const int n = p.size();
    if (n >= 3 && (word.endsWith(QLatin1String("ies")) || word.endsWith(QLatin1String("ied"))) &&
        oneOf(p[n - 1].sym, {u"z", u"d"}) && p[n - 2].sym == QStringLiteral("ɪ") && p[n - 2].stress == Stress::None &&
        !p[n - 3].vowel)
        p[n - 2].sym = QStringLiteral("i");
    if (word.endsWith(QLatin1String("iness")) && n >= 5 && p[n - 4].sym == QStringLiteral("ɪ") &&
        p[n - 3].sym == QStringLiteral("n"))
        p[n - 4].sym = QStringLiteral("i");
    for (int i = 1; i + 1 < n; ++i)
        if (p[i].sym == QStringLiteral("ʊ") && p[i].stress == Stress::None && p[i - 1].sym == QStringLiteral("j") &&
            p[i + 1].sym == QStringLiteral("l"))
            p[i].sym = QStringLiteral("ə");
}

bool isBathStem(const QString &word) {
    // Words espeak's RP voice gives with æ that British dictionaries write with ɑː.
    // clang-format off
    static const QSet<QString> stems = {
        QStringLiteral("lather"), QStringLiteral("rafter"), QStringLiteral("rafters"),
        QStringLiteral("distaff"), QStringLiteral("chaff"), QStringLiteral("chaffs"),
        QStringLiteral("slander"), QStringLiteral("slanders"), QStringLiteral("blanch"),
        QStringLiteral("raspberry"), QStringLiteral("vast"), QStringLiteral("vastly"),
        QStringLiteral("advance"), QStringLiteral("staff"),
    };
    // clang-format on
    return stems.contains(word);
}

void applyBathVowel(const QString &word, Pron &p) {
    static const char *const endings[] = {"s", "es", "ed", "d", "ing", "er", "ers", "ment", "ments", "ness", "ly"};
    bool listed = isBathStem(word);
    for (const char *e : endings) {
        const QLatin1String ending(e);
        if (listed || !word.endsWith(ending) || word.size() <= ending.size() + 2)
            continue;
        const QString stem = word.chopped(ending.size());
        // advance|ment, advanc|ing (the stem's e dropped), staff|er
        listed = isBathStem(stem) || isBathStem(stem + QLatin1Char('e'));
    }
    if (!listed)
        return;
    const int primary = primaryIndex(p);
    const int v = primary >= 0 ? primary : (nuclei(p).isEmpty() ? -1 : nuclei(p).front());
    if (v >= 0 && p[v].sym == QStringLiteral("æ"))
        p[v].sym = QStringLiteral("ɑː");
}

bool transferPrimaryStress(Pron &british, const Pron &american) {
    const QVector<int> bn = nuclei(british);
    const QVector<int> an = nuclei(american);
    if (bn.size() != an.size() || bn.size() < 2)
        return false;
    int bp = -1, ap = -1;
    for (int k = 0; k < bn.size(); ++k) {
        if (british[bn[k]].stress == Stress::Primary)
            bp = k;
        if (american[an[k]].stress == Stress::Primary)
            ap = k;
    }
    if (bp < 0 || ap < 0 || bp == ap)
        return false;
    if (american[an[bp]].stress != Stress::None)
        return false; // CMUdict stresses espeak's syllable too: a real difference of accents
    Phone &target = british[bn[ap]];
    if (isWeakVowel(target.sym) || target.sym.contains(kSyllabicMark))
        return false;
    british[bn[bp]].stress = Stress::None;
    target.stress = Stress::Primary;
    return true;
}

void applyDictionaryStress(Pron &p) {
    const QVector<int> n = nuclei(p);
    if (n.isEmpty())
        return;
    // One primary stress: the last of several (outside AW1 T S AY1 D); a word with only
    // secondary stress has its first secondary as primary (upon).
    int primary = -1;
    for (int i : n)
        if (p[i].stress == Stress::Primary) {
            if (primary >= 0)
                p[primary].stress = Stress::Secondary;
            primary = i;
        }
    if (primary < 0)
        for (int i : n)
            if (p[i].stress == Stress::Secondary) {
                p[i].stress = Stress::Primary;
                primary = i;
                break;
            }
    // A triphthong counts as two syllables, as dictionaries stress it (ˈfaɪə, ˈaʊə).
    if (n.size() == 1 && !isTriphthong(p[n.front()].sym)) {
        p[n.front()].stress = Stress::None;
        return;
    }
    for (int i : n)
        if (primary >= 0 && i > primary && p[i].stress == Stress::Secondary)
            p[i].stress = Stress::None;
}

void weakenUnstressedLongVowels(Pron &p) {
    if (nuclei(p).size() < 2)
        return; // a word of one syllable keeps its full vowel (three θriː)
    for (int i = 0; i < p.size(); ++i) {
        if (!p[i].vowel || p[i].stress != Stress::None)
            continue;
        const bool last = i + 1 == p.size();
        const bool beforeVowel = isVowelAt(p, i + 1);
        const bool openSyllable = i + 2 < p.size() && !p[i + 1].vowel && isVowelAt(p, i + 2);
        if (p[i].sym == QStringLiteral("iː") && (last || beforeVowel))
            p[i].sym = QStringLiteral("i");
        else if (p[i].sym == QStringLiteral("uː") && (beforeVowel || openSyllable))
            p[i].sym = QStringLiteral("u");
        else if (p[i].sym == QStringLiteral("ɪ") && beforeVowel && i > 0)
            p[i].sym = QStringLiteral("i"); // period ˈpɪə.ri.əd
    }
}

namespace {

// Splits unstressed ɪə after a consonant into i + ə; with keepFinal, a last nucleus ɪə stays.
void splitIa(Pron &p, bool keepFinal, bool keepFirst = false) {
    const QVector<int> n = nuclei(p);
    if (n.size() < 2)
        return; // near nɪə
    for (int i = keepFirst ? n.front() + 1 : 1; i < p.size(); ++i) {
        const bool american = p[i].sym == QStringLiteral("ɪr");
        if ((p[i].sym != QStringLiteral("ɪə") && !american) || p[i].stress != Stress::None || p[i - 1].vowel)
            continue;
        // linear, nuclear: -e.ar after l or n is i.ə even so.
        if (keepFinal && !oneOf(p[i - 1].sym, {u"l", u"n"}) &&
            std::none_of(p.cbegin() + i + 1, p.cend(), [](const Phone &ph) { return ph.vowel; }))
            continue;
        p[i].sym = QStringLiteral("i");
        p.insert(i + 1, Phone{american ? QStringLiteral("ər") : QStringLiteral("ə"), true, Stress::None});
    }
}

} // namespace

void splitUnstressedIa(Pron &p) { splitIa(p, false); }

void splitUnstressedIa(const QString &word, Pron &p) {
    const QString w = word.toLower();
    bool nearSpelling = false;
    for (const char *ending : {"ear", "eer", "ere", "eare", "ears", "eers", "eres", "eares"})
        nearSpelling = nearSpelling || w.endsWith(QLatin1String(ending));
    // herein, hereafter, hereto: the first vowel is the NEAR vowel of here.
    splitIa(p, nearSpelling, w.startsWith(QLatin1String("here")));
}

void reduceWeakSuffixes(const QString &word, Pron &p) {
    const int n = p.size();
    auto reduceAt = [&](int i) {
        if (i >= 0 && i < n && p[i].sym == QStringLiteral("ɪ") && p[i].stress == Stress::None)
            p[i].sym = QStringLiteral("ə");
    };
    // -ity, -ities: ɪ t i (z)
    if ((word.endsWith(QLatin1String("ity")) || word.endsWith(QLatin1String("ities"))) && n >= 3) {
        const int end = word.endsWith(QLatin1String("ities")) && p.back().sym == QStringLiteral("z") ? n - 1 : n;
        if (end >= 3 && p[end - 1].sym == QStringLiteral("i") && p[end - 2].sym == QStringLiteral("t"))
            reduceAt(end - 3);
    }
    // -itive, -itives, -itively: ɪ t ɪ v
    for (const char *suffix : {"itive", "itives", "itively"}) {
        if (!word.endsWith(QLatin1String(suffix)))
            continue;
        for (int i = n - 1; i >= 2; --i)
            if (p[i].sym == QLatin1String("v") && p[i - 1].sym == QStringLiteral("ɪ") &&
                p[i - 2].sym == QLatin1String("t")) {
                reduceAt(i - 3);
                break;
            }
        break;
    }
    // -ible, -ibly, -ibility: the ɪ before b
    for (const char *suffix : {"ible", "ibles", "ibly", "ibility", "ibilities"}) {
        if (!word.endsWith(QLatin1String(suffix)))
            continue;
        for (int i = n - 1; i >= 1; --i)
            if (p[i].sym == QStringLiteral("b")) {
                reduceAt(i - 1);
                break;
            }
        break;
    }
}

void markSuffixBoundaries(const QString &word, Pron &p, const std::function<bool(const QString &)> &isWord) {
    struct Suffix {
        const char *spelling;
        std::initializer_list<const char16_t *> phones; // as they end the pronunciation
    };
    // clang-format off
    static const Suffix suffixes[] = {
        {"ness", {u"n", u"ə", u"s"}},   {"nesses", {u"n", u"ə", u"s", u"ɪ", u"z"}},
        {"less", {u"l", u"ə", u"s"}},   {"lessly", {u"l", u"ə", u"s", u"l", u"i"}},
        {"ment", {u"m", u"ə", u"n", u"t"}}, {"ments", {u"m", u"ə", u"n", u"t", u"s"}},
        {"ful", {u"f", u"l̩"}},         {"ful", {u"f", u"ə", u"l"}}, {"fully", {u"f", u"ə", u"l", u"i"}},
        {"ly", {u"l", u"i"}},           {"ship", {u"ʃ", u"ɪ", u"p"}}, {"ships", {u"ʃ", u"ɪ", u"p", u"s"}},
        {"hood", {u"h", u"ʊ", u"d"}},   {"dom", {u"d", u"ə", u"m"}}, {"some", {u"s", u"ə", u"m"}},
        {"wise", {u"w", u"aɪ", u"z"}},  {"wards", {u"w", u"ə", u"d", u"z"}}, {"wards", {u"w", u"ər", u"d", u"z"}},
    };
    // clang-format on
    for (const Suffix &s : suffixes) {
        if (!word.endsWith(QLatin1String(s.spelling)) || word.size() <= int(qstrlen(s.spelling)) + 1 ||
            !isWord(word.chopped(int(qstrlen(s.spelling)))))
            continue;
        const int n = int(s.phones.size());
        if (p.size() <= n)
            continue;
        int i = int(p.size()) - n, k = 0;
        bool match = true;
        for (const char16_t *ph : s.phones)
            match = match && p[i + k++].sym == QStringView(ph);
        if (match && !p[i - 1].vowel)
            p[i].morphemeStart = true;
    }
}

QVector<int> syllableStarts(const Pron &p) {
    QVector<int> starts;
    const QVector<int> n = nuclei(p);
    if (n.isEmpty())
        return {0};
    starts << 0;
    for (int k = 1; k < n.size(); ++k) {
        const int a = n[k - 1], b = n[k];
        // Consonants a+1 … b-1: the onset is the longest legal tail.
        int start = b;
        while (start - 1 > a && !p[start].morphemeStart) {
            QStringList cluster;
            for (int j = start - 1; j < b; ++j)
                cluster << p[j].sym;
            if (!isLegalOnset(cluster))
                break;
            --start;
        }
        // A stressed short vowel cannot end a syllable: it keeps one consonant.
        if (start == a + 1 && start < b && p[a].stress != Stress::None && isShortCheckedVowel(p[a].sym))
            ++start;
        starts << start;
    }
    return starts;
}

QString renderPron(const Pron &p) {
    const QVector<int> starts = syllableStarts(p);
    QString out;
    for (int s = 0; s < starts.size(); ++s) {
        const int from = starts[s];
        const int to = s + 1 < starts.size() ? starts[s + 1] : p.size();
        Stress stress = Stress::None;
        for (int i = from; i < to; ++i)
            if (p[i].vowel)
                stress = p[i].stress;
        if (stress == Stress::Primary)
            out += kPrimary;
        else if (stress == Stress::Secondary)
            out += kSecondary;
        else if (s > 0)
            out += QLatin1Char('.');
        for (int i = from; i < to; ++i)
            out += p[i].sym;
    }
    return out;
}

QString withLinkingR(const QString &word, const QString &british) {
    if (british.isEmpty() || british.endsWith(kLinkingR))
        return british;
    const QString w = word.toLower();
    if (!(w.endsWith(QLatin1Char('r')) || w.endsWith(QLatin1String("re"))))
        return british;
    const QChar last = british.back();
    if (last != QChar(0x0259) && last != QChar(0x02D0)) // ə or a long vowel
        return british;
    return british + kLinkingR;
}

QVector<QPair<int, int>> alignNuclei(const Pron &a, const Pron &b) {
    const QVector<int> na = nuclei(a), nb = nuclei(b);
    QVector<QPair<int, int>> pairs;
    if (na.size() != nb.size())
        return pairs;
    for (int k = 0; k < na.size(); ++k)
        pairs.append({na[k], nb[k]});
    return pairs;
}

void applyAmericanThought(Pron &american, const Pron &british) {
    for (const auto &[a, b] : alignNuclei(american, british)) {
        if (american[a].sym != QStringLiteral("ɑː") || british[b].sym != QStringLiteral("ɔː"))
            continue;
        // ɑː + r that did not fuse begins a stressed syllable (START, LOT + r): left alone.
        if (a + 1 < american.size() && american[a + 1].sym == QLatin1String("r"))
            continue;
        american[a].sym = QStringLiteral("ɔː");
    }
}

void voiceAsCmudict(const QString &word, Pron &british, const Pron &american) {
    const QVector<int> nb = nuclei(british), na = nuclei(american);
    const QString w = word.toLower();
    // Words whose s is British where American English has z.
    static const char *const britishS[] = {"sth", "advertis", "desecrat", "pretzel", "evasiv"};
    if (nb.size() != na.size() || std::any_of(std::begin(britishS), std::end(britishS),
                                              [&](const char *s) { return w.contains(QLatin1String(s)); }))
        return;
    for (int k = 0; k + 1 < nb.size(); ++k) {
        const int from = nb[k] + 1, length = nb[k + 1] - from;
        if (length != na[k + 1] - na[k] - 1)
            continue;
        // dis- keeps its s (ˌdɪs.ɪn.fəˈmeɪ.ʃn̩).
        if (k == 0 && w.startsWith(QLatin1String("dis")))
            continue;
        bool voiced = false, same = true;
        for (int i = 0; i < length && same; ++i) {
            const QString &b = british[from + i].sym, &a = american[na[k] + 1 + i].sym;
            voiced = voiced || (b == QLatin1String("s") && a == QLatin1String("z"));
            same = b == a || (b == QLatin1String("s") && a == QLatin1String("z"));
        }
        if (!voiced || !same)
            continue;
        for (int i = 0; i < length; ++i)
            if (american[na[k] + 1 + i].sym == QLatin1String("z"))
                british[from + i].sym = QStringLiteral("z");
    }
}

void applyBritishPluralVoicing(const QString &word, Pron &american, const Pron &british,
                               const std::function<bool(const QString &)> &isWord) {
    const int a = american.size(), b = british.size();
    if (!word.endsWith(QLatin1Char('s')) || word.endsWith(QLatin1String("ss")) || a < 2 || b < 2 ||
        american[a - 1].sym != QLatin1String("s") || british[b - 1].sym != QLatin1String("z") || !isWord)
        return;
    // Only an ending: the word without it is a word (colas, solstices; not trellis, ethos).
    const QString w = word.toLower();
    const bool plural = (w.size() > 3 && isWord(w.chopped(1))) ||
                        (w.endsWith(QLatin1String("es")) && w.size() > 4 && isWord(w.chopped(2)));
    if (!plural)
        return;
    const bool sameBefore =
        american[a - 2].sym == british[b - 2].sym || (american[a - 2].vowel && british[b - 2].vowel);
    if (sameBefore)
        american[a - 1].sym = QStringLiteral("z");
}

void voiceSingularIsUs(const QString &word, Pron &british, const Pron &american,
                       const std::function<bool(const QString &)> &isWord) {
    const QString w = word.toLower();
    const bool is = w.endsWith(QLatin1String("is")) && !w.endsWith(QLatin1String("ies"));
    const bool us = w.endsWith(QLatin1String("us")) && !w.endsWith(QLatin1String("ues"));
    const int b = british.size();
    // A weak vowel before it, and not a plural (snafus): the word without s is no word.
    if ((!is && !us) || b < 2 || american.isEmpty() || british[b - 1].sym != QLatin1String("z") ||
        !oneOf(british[b - 2].sym, {u"i", u"ɪ", u"ə"}) || american.back().sym != QLatin1String("s") ||
        (isWord && isWord(w.chopped(1))))
        return;
    british[b - 1].sym = QStringLiteral("s");
    british[b - 2].sym = is ? QStringLiteral("ɪ") : QStringLiteral("ə");
}

void applySharedWeakI(const QString &word, Pron &american, const Pron &british) {
    const QVector<int> last = nuclei(american);
    const bool ainEnding = word.endsWith(QLatin1String("ain")) || word.endsWith(QLatin1String("ains"));
    auto symAt = [](const Pron &p, int i) { return i >= 0 && i < p.size() ? p[i].sym : QString(); };
    for (const auto &[a, b] : alignNuclei(american, british)) {
        if (american[a].sym != QStringLiteral("ə") || american[a].stress != Stress::None ||
            british[b].sym != QStringLiteral("ɪ") || british[b].stress != Stress::None)
            continue;
        if (ainEnding && a == last.back())
            continue;
        // The same syllable: the same consonant after it, and before it unless an American
        // rhotic nucleus took the r (ˈɒr.ɪ.dʒɪn, ˈɔːr.ə.dʒən).
        if (symAt(american, a + 1) != symAt(british, b + 1))
            continue;
        const bool vowelBefore = isVowelAt(american, a - 1) || isVowelAt(british, b - 1);
        if (!vowelBefore && symAt(american, a - 1) != symAt(british, b - 1))
            continue;
        american[a].sym = QStringLiteral("ɪ");
    }
}

void stressBeforeIon(const QString &word, Pron &p) {
    const QString w = word.toLower();
    bool ion = false;
    for (const char *ending : {"tion", "sion", "cion", "gion", "xion", "cian", "tian"})
        ion = ion || w.endsWith(QLatin1String(ending)) || w.endsWith(QLatin1String(ending) + QLatin1Char('s'));
    // television and compounds of station keep the stress of their first part.
    if (!ion || w.startsWith(QLatin1String("tele")) || w.startsWith(QLatin1String("sub")) ||
        w.endsWith(QLatin1String("station")) || w.endsWith(QLatin1String("stations")))
        return;
    const QVector<int> n = nuclei(p);
    const int primary = primaryIndex(p);
    // -ion of one syllable only: bastion ˈbæs.ti.ən has two.
    if (n.size() < 3 || primary < 0 || !oneOf(p[n.back()].sym, {u"ə", u"n̩"}) || isVowelAt(p, n.back() - 1))
        return;
    const int target = n[n.size() - 2];
    if (primary == target || oneOf(p[target].sym, {u"ə", u"ər", u"n̩", u"l̩"}))
        return;
    p[primary].stress = primary < target ? Stress::Secondary : Stress::None;
    p[target].stress = Stress::Primary;
}

void addNtSyllable(const QString &word, Pron &p) {
    const int n = p.size();
    if (!word.endsWith(QLatin1String("n't")) || n < 4 || p[n - 1].sym != QLatin1String("t") ||
        p[n - 2].sym != QLatin1String("n") || p[n - 3].vowel || p[n - 3].sym == QLatin1String("r"))
        return;
    p.insert(n - 2, Phone{QStringLiteral("ə"), true, Stress::None});
    if (primaryIndex(p) < 0)
        p[nuclei(p).front()].stress = Stress::Primary;
}

void matchEndingVoicing(Pron &p) {
    const int n = p.size();
    if (n < 2 || p[n - 2].vowel)
        return;
    const QString &before = p[n - 2].sym;
    if (p[n - 1].sym == QLatin1String("z") && oneOf(before, {u"p", u"t", u"k", u"f", u"θ"}))
        p[n - 1].sym = QStringLiteral("s");
    else if (p[n - 1].sym == QLatin1String("s") && oneOf(before, {u"b", u"d", u"ɡ", u"v", u"ð"}))
        p[n - 1].sym = QStringLiteral("z");
    else if (p[n - 1].sym == QLatin1String("d") && oneOf(before, {u"p", u"k", u"f", u"θ", u"s", u"ʃ", u"tʃ"}))
        p[n - 1].sym = QStringLiteral("t");
}

void reduceAsCmudict(const QString &word, Pron &british, const Pron &american) {
    auto symAt = [](const Pron &p, int i) { return i >= 0 && i < p.size() ? p[i].sym : QString(); };
    const QVector<int> n = nuclei(british);
    const int primary = primaryIndex(british);
    const QString w = word.toLower();
    const bool someOrUmn =
        w.contains(QLatin1String("some")) || w.endsWith(QLatin1String("umn")) || w.endsWith(QLatin1String("umns"));
    for (const auto &[b, a] : alignNuclei(british, american)) {
        if (british[b].stress != Stress::None || !oneOf(british[b].sym, {u"ʌ", u"əʊ", u"ɒ", u"æ", u"e"}) ||
            american[a].sym != QStringLiteral("ə") || american[a].stress != Stress::None)
            continue;
        // RP keeps the ʌ of compounds (ˈhɪk.ʌp, ˈɪm.pʌls, ʌnˈseɪf); it is weak in -some and autumn.
        if (british[b].sym == QStringLiteral("ʌ") && !someOrUmn)
            continue;
        // After the stress RP keeps ɒ where American English weakens it (ˈreɪ.ɒn, ˈen.i.bɒd.i),
        // and əʊ in a last syllable (kɪˈməʊ.nəʊz) and in micro-, macro- (ˈmaɪ.krəʊ.weɪv).
        if (british[b].sym == QStringLiteral("ɒ") && b > primary)
            continue;
        if (british[b].sym == QStringLiteral("əʊ") &&
            (b == n.back() || w.startsWith(QLatin1String("micro")) || w.startsWith(QLatin1String("macro"))))
            continue;
        // Before the stress only in the syllable just before it (kənˈskrɪp.ʃn̩); two syllables
        // before, RP keeps the full vowel (ˌkɒn.ekˈtɪv.ə.ti, ˌmaɪ.krəʊ-).
        const qsizetype k = n.indexOf(b);
        if (b < primary && (k + 1 >= n.size() || n[k + 1] != primary))
            continue;
        // The same syllable: the same consonants around it.
        if (symAt(british, b + 1) != symAt(american, a + 1) || symAt(british, b - 1) != symAt(american, a - 1))
            continue;
        british[b].sym = QStringLiteral("ə");
    }
}

void applyOneVowel(const QString &word, Pron &p, const std::function<bool(const QString &)> &isWord) {
    QString w = word.toLower();
    w.remove(QLatin1Char('\''));
    auto isOneVowel = [&](int i) { return i >= 0 && i < p.size() && oneOf(p[i].sym, {u"ɒ", u"ɔː", u"ɑː", u"ə"}); };
    auto isWAt = [&](int i) { return i >= 0 && i < p.size() && p[i].sym == QLatin1String("w"); };
    auto isNAt = [&](int i) { return i >= 0 && i < p.size() && p[i].sym == QLatin1String("n"); };
    if (w.endsWith(QLatin1String("one")) || w.endsWith(QLatin1String("ones")) || w.endsWith(QLatin1String("once"))) {
        int n = p.size();
        if (n >= 1 && oneOf(p[n - 1].sym, {u"s", u"z"}))
            --n;
        if (isWAt(n - 3) && isOneVowel(n - 2) && isNAt(n - 1))
            p[n - 2].sym = QStringLiteral("ʌ");
    }
    // one- and one + a word (oneself, oneness), not names that start so (Oneida).
    QString rest = w.mid(3);
    const bool hyphen = rest.startsWith(QLatin1Char('-'));
    if (hyphen)
        rest.remove(0, 1);
    if (w.startsWith(QLatin1String("one")) && (hyphen || (rest.size() >= 4 && isWord && isWord(rest))) && isWAt(0) &&
        isOneVowel(1) && isNAt(2))
        p[1].sym = QStringLiteral("ʌ");
}

bool applyCompoundHappy(Pron &p, const Pron &firstPart) {
    const int k = firstPart.size() - 1;
    if (k < 1 || p.size() <= firstPart.size() || firstPart[k].sym != QLatin1String("i"))
        return false;
    for (int i = 0; i < k; ++i)
        if (p[i].sym != firstPart[i].sym)
            return false;
    if (p[k].sym != QStringLiteral("ɪ") || p[k].stress != Stress::None)
        return false;
    p[k].sym = QStringLiteral("i");
    return true;
}

void applyGlideBeforeIon(const QString &word, Pron &p) {
    static const char *const endings[] = {"ion", "ions", "ior", "iors", "ian", "ians"};
    const QString w = word.toLower();
    QString ending;
    for (const char *e : endings)
        if (w.endsWith(QLatin1String(e)))
            ending = QLatin1String(e);
    if (ending.isEmpty() || w.size() < ending.size() + 2)
        return;
    const QChar consonant = w[w.size() - ending.size() - 1];
    if (consonant != QLatin1Char('l') && consonant != QLatin1Char('n'))
        return;
    // i + ə (ər) + n? + z? at the end, after l or n that follows a vowel (not ganglion).
    int end = p.size();
    if (end > 0 && p[end - 1].sym == QLatin1String("z"))
        --end;
    if (end > 0 && p[end - 1].sym == QLatin1String("n") && ending.startsWith(QLatin1String("i")) &&
        !ending.startsWith(QLatin1String("ior")))
        --end;
    const int i = end - 2;
    if (i < 2 || !oneOf(p[end - 1].sym, {u"ə", u"ər"}) || p[i].sym != QLatin1String("i") ||
        !oneOf(p[i - 1].sym, {u"l", u"n"}) || !p[i - 2].vowel)
        return;
    // -ian keeps i.ən after a long vowel or diphthong (Australian, Romanian).
    if (ending.startsWith(QLatin1String("ian")) &&
        !(isShortCheckedVowel(p[i - 2].sym) && p[i - 2].stress != Stress::None))
        return;
    p[i] = Phone{QStringLiteral("j"), false, Stress::None};
}

void applyBritishAlVowel(const QString &word, Pron &p) {
    static const QRegularExpression al(QStringLiteral("(a|au)l[bcdfgjkmnpqrstvxz]"));
    static const QRegularExpression ol(QStringLiteral("ol[bcdfgjklmnpqrstvxz]"));
    const QString w = word.toLower();
    if (!w.contains(al) || w.contains(ol))
        return;
    for (int i = 0; i + 2 < p.size(); ++i)
        if (p[i].sym == QStringLiteral("ɒ") && p[i + 1].sym == QLatin1String("l") && !p[i + 2].vowel)
            p[i].sym = QStringLiteral("ɔː");
}

void applyAmericanPrefixVowels(const QString &word, Pron &p, const Pron &british) {
    const QVector<int> n = nuclei(p);
    if (n.size() < 2 || n.front() != 0 || p.size() < 2)
        return;
    Phone &first = p[0];
    const QString w = word.toLower();
    const QVector<int> bn = nuclei(british);
    if (w.startsWith(QLatin1String("un")) && !bn.isEmpty() && bn.front() == 0 &&
        british[0].sym == QStringLiteral("ʌ") && first.sym == QStringLiteral("ə") && first.stress == Stress::None &&
        p[1].sym == QLatin1String("n")) {
        first.sym = QStringLiteral("ʌ");
    } else if ((w.startsWith(QLatin1String("en")) || w.startsWith(QLatin1String("em"))) &&
               first.sym == QLatin1String("e") && first.stress == Stress::Secondary &&
               p[n[1]].stress == Stress::Primary && oneOf(p[1].sym, {u"n", u"m"})) {
        first.sym = QStringLiteral("ɪ");
        first.stress = Stress::None;
    }
}

void applyPossessiveEnding(Pron &p) {
    const int n = p.size();
    if (n < 2 || !oneOf(p[n - 1].sym, {u"s", u"z"}))
        return;
    static const std::initializer_list<const char16_t *> sibilants = {u"s", u"z", u"ʃ", u"ʒ", u"tʃ", u"dʒ"};
    int stemEnd = n - 1;
    // A stem ending in a sibilant already carries ɪz (or ə z): the vowel belongs to the ending.
    if (n >= 3 && oneOf(p[n - 2].sym, {u"ɪ", u"ə"}) && p[n - 2].stress == Stress::None &&
        oneOf(p[n - 3].sym, sibilants))
        stemEnd = n - 2;
    p.resize(stemEnd);
    const QString last = p.back().sym;
    if (oneOf(last, sibilants)) {
        p << Phone{QStringLiteral("ɪ"), true, Stress::None} << Phone{QStringLiteral("z"), false, Stress::None};
    } else {
        const bool voiceless = oneOf(last, {u"p", u"t", u"k", u"f", u"θ"});
        p << Phone{voiceless ? QStringLiteral("s") : QStringLiteral("z"), false, Stress::None};
    }
}

} // namespace vocalith::pronunciation
