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

// The stems of the BATH lexical set as learners' dictionaries of British English give it: ɑː
// before f, θ, s and a nasal + consonant only in these words and the words made from them.
// clang-format off
const QSet<QString> &bathStems() {
    static const QSet<QString> stems = [] {
        QSet<QString> set;
        for (const char *w : {
                 "after", "aft", "craft", "draft", "draught", "graft", "raft", "rafter", "shaft", "staff",
                 "laugh", "laughter", "half", "halve", "halves", "calf", "calves", "behalf", "chaff", "daft",
                 "giraffe", "distaff", "graph", "bath", "path", "lath", "lather", "ask", "bask", "cask",
                 "flask", "mask", "task", "basket", "casket", "brass", "class", "glass", "grass", "pass",
                 "alas", "last", "fast", "fasten", "cast", "caste", "caster", "castor", "castle", "vast",
                 "past", "pastor", "pastoral", "pasture", "mast", "master", "blast", "contrast", "nasty",
                 "plaster", "disaster", "disastrous", "aghast", "ghastly", "grasp", "clasp", "rasp",
                 "raspberry", "gasp", "hasp", "rascal", "bastard", "advance", "advantage", "vantage",
                 "answer", "aunt", "branch", "blanch", "can't", "shan't", "chance", "chancel", "chancellor",
                 "chancery", "chant", "command", "commando", "countermand", "demand", "remand", "reprimand",
                 "dance", "france", "glance", "grant", "lance", "plant", "prance", "slander", "slant",
                 "trance", "enhance", "example", "sample", "avalanche", "ranch", "flabbergast", "exasperate",
                 "exasperation", "alabaster", "aslant", "avast", "abaft", "haft", "chancellery", "impasse", "isinglass",
                 "lancet", "pastime", "pasturage", "pasteurise", "pasteurize", "pasteurisation",
                 "pasteurization", "slanderous"})
            set.insert(QString::fromUtf8(w));
        return set;
    }();
    return stems;
}
// What may come before a stem: prefixes, and first parts of compounds too short to be
// trusted as words by length alone (footpath, podcast, towpath, eyeglass).
const QSet<QString> &bathPrefixes() {
    static const QSet<QString> prefixes = [] {
        QSet<QString> set;
        for (const char *w : {
                 "re", "un", "en", "im", "trans", "sur", "sup", "dis", "mis", "sub", "counter", "fore",
                 "over", "under", "out", "by", "up", "down", "tele", "simul", "handi", "multi", "inter",
                 "semi", "ever", "anti", "per", "pod", "tow", "war", "eye", "spy", "sun", "web", "air", "car",
                 "bus", "sea", "top", "mid", "new", "cam", "pay"})
            set.insert(QString::fromUtf8(w));
        return set;
    }();
    return prefixes;
}
// What may follow a stem: endings, and second parts of compounds of three letters.
const QSet<QString> &bathEndings() {
    static const QSet<QString> endings = [] {
        QSet<QString> set;
        for (const char *w : {
                 "", "s", "es", "ed", "d", "ing", "ings", "er", "ers", "or", "ors", "ment", "ments", "y", "ie",
                 "ies", "ier", "iest", "ily", "iness", "ful", "fuls", "less", "ly", "ness", "able", "ably",
                 "ee", "ees", "sman", "smen", "smanship", "'s", "way", "ways", "man", "men", "mat", "mats",
                 "tub", "tubs", "off", "out", "key", "keys", "est", "ingly", "edly", "ish", "ishly",
                 "ress", "resses", "ise", "ised", "ises", "ising", "ize", "ized", "izes", "izing"})
            set.insert(QString::fromUtf8(w));
        return set;
    }();
    return endings;
}
// clang-format on

bool isBathPrefix(const QString &prefix, const WordTest &isWord) {
    if (prefix.isEmpty() || prefix.endsWith(QLatin1Char('-')) || bathPrefixes().contains(prefix) ||
        (prefix.size() >= 4 && isWord && isWord(prefix)))
        return true;
    // A prefix before a first part (rebroadcast, unsurpassed).
    for (qsizetype k = 2; k + 2 <= prefix.size(); ++k)
        if (bathPrefixes().contains(prefix.left(k)) && isBathPrefix(prefix.mid(k), isWord))
            return true;
    return false;
}

// What follows a stem: an ending, or a word of the lexicon (classroom, afternoon, passport),
// perhaps after an ending (laughingstock, draughtsman).
bool isBathRest(const QString &rest, const WordTest &isWord) {
    if (bathEndings().contains(rest) || rest.startsWith(QLatin1Char('-')) ||
        (rest.size() >= 4 && isWord && isWord(rest)))
        return true;
    for (qsizetype k = 1; k + 3 <= rest.size(); ++k)
        if (bathEndings().contains(rest.left(k)) && isWord && isWord(rest.mid(k)))
            return true;
    return false;
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

bool isBathWord(const QString &word, const WordTest &isWord) {
    const QString w = word.toLower();
    // Words that only look made of a stem (castrate is no cast + rate, chanty a shanty).
    for (const char *other : {"castrat", "chantie", "chanty", "chantey"})
        if (w.startsWith(QLatin1String(other)))
            return false;
    for (qsizetype start = 0; start < w.size(); ++start) {
        const QString prefix = w.left(start);
        const QString from = w.mid(start);
        // -graph after any combining form (photograph, digraph, telegraph).
        const bool graph = from.startsWith(QLatin1String("graph"));
        if (!graph && !isBathPrefix(prefix, isWord))
            continue;
        for (const QString &stem : bathStems()) {
            if (graph != (stem == QLatin1String("graph")) && !isBathPrefix(prefix, isWord))
                continue;
            if (from.startsWith(stem) && isBathRest(from.mid(stem.size()), isWord))
                return true;
            // dancing, chancy: the stem's e goes before an ending that starts with a vowel;
            // nastier, chancelleries: its y is i before one.
            const QString rest = from.mid(stem.size() - 1);
            const QChar last = stem.back();
            if ((last == QLatin1Char('e') || last == QLatin1Char('y')) && !rest.isEmpty() &&
                from.startsWith(stem.chopped(1)) && bathEndings().contains(rest) &&
                (last == QLatin1Char('e') ? QStringLiteral("aeiouy").contains(rest.front())
                                          : rest.front() == QLatin1Char('i') && rest != QLatin1String("ing")))
                return true;
        }
    }
    return false;
}

void limitBathToItsSet(const QString &word, Pron &p, const QVector<int> &bathVowels, const WordTest &isWord) {
    // Only where BATH can be: before f θ s ð, or a nasal and a consonant (locale ləʊˈkɑːl,
    // moustache keep their ɑː).
    auto bathContext = [&](int i) {
        const QString next = i + 1 < p.size() ? p[i + 1].sym : QString();
        const bool nasalCluster = oneOf(next, {u"n", u"m", u"ŋ"}) && i + 2 < p.size() && !p[i + 2].vowel;
        return oneOf(next, {u"f", u"θ", u"s", u"ð"}) || nasalCluster;
    };
    if (bathVowels.isEmpty() || isBathWord(word, isWord))
        return;
    for (const int i : bathVowels)
        if (i >= 0 && i < p.size() && p[i].sym == QStringLiteral("ɑː") && bathContext(i))
            p[i].sym = QStringLiteral("æ");
}

void applyChesterVowel(const QString &word, Pron &p) {
    const QString w = word.toLower();
    if (!w.endsWith(QLatin1String("chester")) && !w.endsWith(QLatin1String("chester's")))
        return;
    // tʃ e s t ə at the end: the unstressed e is ɪ (ˈmæn.tʃɪ.stə, ˈwɪn.tʃɪ.stə).
    for (int i = 1; i + 2 < p.size(); ++i)
        if (p[i].sym == QLatin1String("e") && p[i].stress == Stress::None && p[i - 1].sym == QStringLiteral("tʃ") &&
            p[i + 1].sym == QLatin1String("s") && p[i + 2].sym == QLatin1String("t"))
            p[i].sym = QStringLiteral("ɪ");
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

void applyInitialAuVowel(const QString &word, Pron &p) {
    if (word.startsWith(QLatin1String("au"), Qt::CaseInsensitive) && p.size() > 1 && p[0].vowel &&
        p[0].stress == Stress::None && p[0].sym == QStringLiteral("ə") && primaryIndex(p) > 0)
        p[0].sym = QStringLiteral("ɔː");
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
