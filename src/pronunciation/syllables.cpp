#include "pronunciation/syllables.h"

#include <QSet>

namespace vocalith::pronunciation {

namespace {

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

} // namespace vocalith::pronunciation
