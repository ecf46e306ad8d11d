#include "pronunciation/conventions.h"

#include <QSet>

namespace vocalith::pronunciation {

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

namespace {

// Verbs that re- makes "do again" and nothing else (rejoin, recover, resign, retreat have
// other senses with rɪ), with the past forms that are no stem + ending.
// clang-format off
const QSet<QString> &repeatableVerbs() {
    static const QSet<QString> verbs = [] {
        QSet<QString> set;
        for (const char *w : {
                 "write", "wrote", "written", "read", "do", "did", "done", "build", "built", "open", "use",
                 "play", "start", "set", "fill", "heat", "name", "print", "think", "thought", "train", "wire",
                 "word", "work", "load", "fuel", "paint", "tell", "told", "take", "took", "taken", "make",
                 "made", "shape", "sell", "sold", "group", "marry", "enter", "order", "organise", "organize",
                 "visit", "cycle", "charge", "check", "decorate", "draw", "drew", "drawn", "elect", "evaluate",
                 "examine", "hire", "learn", "unite", "arrange", "assess", "assign", "attach", "awaken", "boot",
                 "capture", "route", "schedule", "settle", "shuffle", "state", "stock", "structure", "surface",
                 "tool", "emerge", "establish", "appear", "apply", "calculate", "connect", "define", "design",
                 "develop", "discover", "distribute", "format", "invent", "negotiate", "occupy", "position",
                 "process", "program", "programme", "publish", "consider", "construct", "unify", "wind",
                 "wound", "wrap", "run", "ran", "edit", "enact", "equip", "heat", "launch", "align", "calibrate",
                 "christen", "colonise", "colonize", "commission", "double", "float", "focus", "forge", "gild",
                 "inspect", "install", "integrate", "introduce", "kindle", "label", "locate", "mount", "number",
                 "package", "pack", "plan", "populate", "record", "size", "submit", "supply", "test", "tie",
                 "type", "upholster", "validate", "vote", "weigh"})
            set.insert(QString::fromUtf8(w));
        return set;
    }();
    return verbs;
}
// clang-format on

// The word after re- (hyphen allowed), or its stem before an ending: rewrites, rebuilding.
bool isRepeatedVerb(const QString &rest) {
    const QSet<QString> &verbs = repeatableVerbs();
    if (verbs.contains(rest))
        return true;
    for (const char *e : {"s", "es", "ed", "d", "ing", "er", "ers", "able"}) {
        const QLatin1String ending(e);
        if (!rest.endsWith(ending) || rest.size() <= ending.size() + 1)
            continue;
        const QString stem = rest.chopped(ending.size());
        const qsizetype n = stem.size();
        if (verbs.contains(stem) || verbs.contains(stem + QLatin1Char('e')) ||
            (n >= 3 && stem[n - 1] == stem[n - 2] && verbs.contains(stem.chopped(1))) ||
            (stem.endsWith(QLatin1Char('i')) && verbs.contains(stem.chopped(1) + QLatin1Char('y'))))
            return true;
    }
    return false;
}

} // namespace

void applyRepetitionPrefix(const QString &word, Pron &p) {
    QString w = word.toLower();
    if (!w.startsWith(QLatin1String("re")))
        return;
    w.remove(0, 2);
    if (w.startsWith(QLatin1Char('-')))
        w.remove(0, 1);
    const QVector<int> n = nuclei(p);
    // r + an unstressed first vowel, the primary stress on a later one.
    if (n.size() < 2 || n.front() != 1 || p[0].sym != QLatin1String("r") || p[1].stress != Stress::None ||
        primaryIndex(p) <= 1 || !isRepeatedVerb(w))
        return;
    p[1].sym = QStringLiteral("iː");
    p[1].stress = Stress::Secondary;
}

} // namespace vocalith::pronunciation
