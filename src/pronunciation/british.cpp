#include "pronunciation/british.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace vocalith::pronunciation {

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

} // namespace vocalith::pronunciation
