#include "pronunciation/crosscheck.h"

#include <algorithm>

namespace vocalith::pronunciation {

QVector<QPair<int, int>> alignNuclei(const Pron &a, const Pron &b) {
    const QVector<int> na = nuclei(a), nb = nuclei(b);
    QVector<QPair<int, int>> pairs;
    if (na.size() != nb.size())
        return pairs;
    for (int k = 0; k < na.size(); ++k)
        pairs.append({na[k], nb[k]});
    return pairs;
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

void reduceAsCmudict(const QString &word, Pron &british, const Pron &american) {
    auto symAt = [](const Pron &p, int i) { return i >= 0 && i < p.size() ? p[i].sym : QString(); };
    const QVector<int> n = nuclei(british);
    const int primary = primaryIndex(british);
    const QString w = word.toLower();
    const bool someOrUmn = w.contains(QLatin1String("some")) || w.endsWith(QLatin1String("umn")) ||
                           w.endsWith(QLatin1String("umns")) || w.contains(QLatin1String("welcom"));
    for (const auto &[b, a] : alignNuclei(british, american)) {
        if (british[b].stress != Stress::None || !oneOf(british[b].sym, {u"ʌ", u"əʊ", u"ɒ", u"æ", u"e"}) ||
            american[a].sym != QStringLiteral("ə") || american[a].stress != Stress::None)
            continue;
        // RP keeps the ʌ of compounds (ˈhɪk.ʌp, ˈɪm.pʌls, ʌnˈseɪf); it is weak in -some, autumn
        // and welcome.
        if (british[b].sym == QStringLiteral("ʌ") && (!someOrUmn || b < primary))
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

namespace {

// The k-th run of vowel letters of the word (a rough syllable's spelling), lower case.
QString vowelLetters(const QString &word, int k) {
    static const QString vowels = QStringLiteral("aeiouy");
    int run = -1;
    bool inRun = false;
    QString letters;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word[i].toLower();
        if (!vowels.contains(c) || (c == QLatin1Char('y') && i == 0)) {
            inRun = false;
            continue;
        }
        if (!inRun)
            ++run;
        inRun = true;
        if (run > k)
            break;
        if (run == k)
            letters += c;
    }
    return letters;
}

} // namespace

void keepPretonicSecondaryAsCmudict(const QString &word, Pron &british, const Pron &american) {
    const QVector<int> bn = nuclei(british);
    const int primary = primaryIndex(british);
    const QVector<QPair<int, int>> pairs = alignNuclei(british, american);
    if (pairs.isEmpty() || primary < 0)
        return;
    const qsizetype primaryOrdinal = bn.indexOf(primary);
    for (qsizetype k = 0; k < primaryOrdinal; ++k)
        if (british[bn[k]].stress != Stress::None)
            return; // espeak placed a secondary stress of its own
    for (qsizetype k = 0; k + 2 <= primaryOrdinal; ++k) {
        const auto [b, a] = pairs[k];
        if (american[a].stress != Stress::Secondary)
            continue;
        // CMUdict's IH2 of a spelt e is weak in RP (electronic ɪˌlek-); in-, il-, im-, ir- keep ɪ.
        if (american[a].sym == QStringLiteral("ɪ") && !word.startsWith(QLatin1Char('i'), Qt::CaseInsensitive))
            continue;
        Phone &v = british[b];
        v.stress = Stress::Secondary;
        if (!isWeakVowel(v.sym) && v.sym != QStringLiteral("ə"))
            continue;
        // The full vowel, in British symbols: LOT is ɒ, START and PALM (spelt a) ɑː, GOAT
        // əʊ, NURSE ɜː.
        const QString &full = american[a].sym;
        const bool r = a + 1 < american.size() && american[a + 1].sym == QLatin1String("r");
        if (full == QStringLiteral("ɑː"))
            v.sym = r || vowelLetters(word, int(k)).startsWith(QLatin1Char('a')) ? QStringLiteral("ɑː")
                                                                                 : QStringLiteral("ɒ");
        else if (full == QStringLiteral("oʊ"))
            v.sym = QStringLiteral("əʊ");
        else if (full == QStringLiteral("ɜːr"))
            v.sym = QStringLiteral("ɜː");
        else
            v.sym = full; // a stressed vowel of CMUdict is a full one (IH2 ɪ as in inability)
        break;
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

} // namespace vocalith::pronunciation
