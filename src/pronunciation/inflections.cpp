#include "pronunciation/inflections.h"

#include "pronunciation/syllables.h"

namespace vocalith::pronunciation {

namespace {

bool isVowelLetter(QChar c) { return QStringLiteral("aeiouy").contains(c); }

// A notation text without stress marks, syllable dots and the linking-r mark, with the
// syllabic consonants as ə + consonant: the sounds alone.
QString sounds(const QString &notation) {
    QString t = notation;
    t.remove(kLinkingR);
    t.remove(kPrimary);
    t.remove(kSecondary);
    t.remove(QLatin1Char('.'));
    t.replace(QStringLiteral("n̩"), QStringLiteral("ən"));
    t.replace(QStringLiteral("l̩"), QStringLiteral("əl"));
    return t;
}

bool hasVowelSymbol(QStringView t) {
    static const QString vowels = QStringLiteral("aeiouɪʊəæʌɑɒɔɜ");
    return std::any_of(t.begin(), t.end(), [](QChar c) { return vowels.contains(c); });
}

// The stem's sounds as they may stand before an ending.
QStringList alternatives(const QString &s) {
    QStringList out;
    // ə of a last syllable before n, l, r, m lost before a vowel (bottling, manoeuvring).
    for (const char16_t *c : {u"n", u"l", u"r", u"m"})
        if (s.endsWith(QStringLiteral("ə") + QString::fromUtf16(c)))
            out << s.chopped(2) + QString::fromUtf16(c);
    // The last vowel weakened or changed among the weak ones.
    static const std::pair<const char16_t *, const char16_t *> kVowels[] = {
        {u"uː", u"u"}, {u"iː", u"i"}, {u"i", u"ɪ"}, {u"ɪ", u"i"}, {u"ɪ", u"ə"}, {u"ə", u"ɪ"}, {u"i", u"ə"}};
    for (const auto &[from, to] : kVowels) {
        const QString a = QString::fromUtf16(from);
        qsizetype k = s.lastIndexOf(a);
        while (k >= 0 && a == QLatin1String("i") && k + 1 < s.size() && s[k + 1] == QChar(0x02D0))
            k = k > 0 ? s.lastIndexOf(a, k - 1) : -1;
        if (k >= 0 && !hasVowelSymbol(QStringView(s).mid(k + a.size())))
            out << s.left(k) + QString::fromUtf16(to) + s.mid(k + a.size());
    }
    // A last θ or s voiced before the ending (paths pæðz, houses ˈhaʊ.zɪz).
    if (s.endsWith(QStringLiteral("θ")))
        out << s.chopped(1) + QStringLiteral("ð");
    if (s.endsWith(QStringLiteral("s")))
        out << s.chopped(1) + QStringLiteral("z");
    if (s.endsWith(QStringLiteral("ŋ")))
        out << s + QStringLiteral("ɡ"); // longer, strongest
    if (s.endsWith(QStringLiteral("ət")))
        out << s.chopped(2) + QStringLiteral("eɪt"); // separate (adjective), separates (verb)
    return out;
}

} // namespace

std::optional<Inflection> findInflection(const QString &word, const std::function<bool(const QString &)> &isWord) {
    if (!isWord)
        return std::nullopt;
    const QString w = word.toLower();
    for (const char *e : {"ing", "ed", "est", "er", "es", "s"}) {
        const QString ending = QLatin1String(e);
        if (!w.endsWith(ending) || w.size() < ending.size() + 3)
            continue;
        const QString stem = w.chopped(ending.size());
        const qsizetype n = stem.size();
        QStringList candidates;
        if (ending == QLatin1String("s")) {
            // Not a plural: -ss, -us, -is (glass, cantus, axis).
            if (!stem.endsWith(QLatin1Char('s')) && !stem.endsWith(QLatin1Char('u')) &&
                !stem.endsWith(QLatin1Char('i')) && !stem.endsWith(QLatin1Char('\'')))
                candidates << stem;
        } else if (ending == QLatin1String("es")) {
            // -es after a sibilant or o (boxes, heroes), -ies for -y; else the ending is -s,
            // also after a stem in -e (polarises).
            if (isWord(w.chopped(1)))
                continue;
            if (stem.endsWith(QLatin1Char('i')))
                candidates << stem.chopped(1) + QLatin1Char('y');
            else if (stem.endsWith(QLatin1Char('s')) || stem.endsWith(QLatin1Char('x')) ||
                     stem.endsWith(QLatin1Char('z')) || stem.endsWith(QLatin1String("ch")) ||
                     stem.endsWith(QLatin1String("sh")) || stem.endsWith(QLatin1Char('o')))
                candidates << stem;
        } else {
            // A stem that ends in one consonant after one vowel letter would have doubled it
            // (hop, hopping), so hoping is hope + ing; tinging is ting + ing, glassing glass.
            // So do -th verbs: bathed is bathe + ed.
            const bool single =
                (n >= 3 && !isVowelLetter(stem[n - 1]) && isVowelLetter(stem[n - 2]) && !isVowelLetter(stem[n - 3])) ||
                stem.endsWith(QLatin1String("th"));
            if (!single)
                candidates << stem;
            candidates << stem + QLatin1Char('e');
            if (n >= 3 && stem[n - 1] == stem[n - 2] && !isVowelLetter(stem[n - 1]))
                candidates << stem.chopped(1);
            if (stem.endsWith(QLatin1Char('i')) && ending != QLatin1String("ing"))
                candidates << stem.chopped(1) + QLatin1Char('y');
            candidates << stem;
        }
        for (const QString &c : candidates)
            if (c.size() >= 3 && isWord(c))
                return Inflection{c, ending};
    }
    return std::nullopt;
}

bool agreesWithStem(const QString &stemForm, const QString &form, bool rhotic) {
    QString s = sounds(stemForm);
    const QString f = sounds(form);
    // An American rhotic nucleus before a vowel is written either way (ˈmæt.ər.ɪŋ, ˈfɑː.ðə.rɪŋ).
    if (f.startsWith(s) || (rhotic && s.endsWith(QLatin1Char('r')) && f.startsWith(s.chopped(1))))
        return true;
    const QStringList other = alternatives(s);
    return std::any_of(other.begin(), other.end(), [&](const QString &a) { return f.startsWith(a); });
}

QString inflectedForm(const QString &stemForm, const QString &ending, bool rhotic) {
    Pron p = parseNotation(stemForm, rhotic);
    if (p.isEmpty() || p.back().sym.isEmpty())
        return {};
    static const std::initializer_list<const char16_t *> sibilants = {u"s", u"z", u"ʃ", u"ʒ", u"tʃ", u"dʒ"};
    const QString last = p.back().sym;
    Pron tail;
    if (ending == QLatin1String("s") || ending == QLatin1String("es")) {
        if (oneOf(last, sibilants))
            tail << phone(u"ɪ", true) << phone(u"z", false);
        else
            tail << phone(oneOf(last, {u"p", u"t", u"k", u"f", u"θ"}) ? u"s" : u"z", false);
    } else if (ending == QLatin1String("ed")) {
        if (oneOf(last, {u"t", u"d"}))
            tail << phone(u"ɪ", true) << phone(u"d", false);
        else
            tail << phone(oneOf(last, {u"p", u"k", u"f", u"θ", u"s", u"ʃ", u"tʃ"}) ? u"t" : u"d", false);
    } else if (ending == QLatin1String("ing")) {
        tail << phone(u"ɪ", true) << phone(u"ŋ", false);
    } else {
        return {};
    }
    if (tail.front().vowel) {
        // Before a vowel: a syllabic consonant is ə + consonant (ˈbɒt.ə.lɪŋ), a weak American
        // ər is ə + r (ˈfɑː.ðə.rɪŋ), and a British linking r is sounded.
        if (last == QStringLiteral("n̩") || last == QStringLiteral("l̩")) {
            p.back() = phone(u"ə", true);
            p << Phone{last.left(1), false, Stress::None};
        } else if (rhotic && last == QStringLiteral("ər")) {
            p.back() = phone(u"ə", true);
            p << phone(u"r", false);
        } else if (!rhotic && stemForm.endsWith(kLinkingR)) {
            p << phone(u"r", false);
        }
    }
    // A stem of one syllable has no stress mark; with a second syllable it takes one.
    if (tail.front().vowel && primaryIndex(p) < 0) {
        const QVector<int> n = nuclei(p);
        if (!n.isEmpty())
            p[n.front()].stress = Stress::Primary;
    }
    p << tail;
    return renderPron(p);
}

} // namespace vocalith::pronunciation
