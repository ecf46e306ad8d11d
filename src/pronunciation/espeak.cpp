#include "pronunciation/espeak.h"

#include <algorithm>

namespace vocalith::pronunciation {

namespace {

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

} // namespace

bool phonesFromEspeak(const QString &mnemonics, EspeakVoice voice, Pron &out, QVector<int> *bathVowels) {
    out.clear();
    if (bathVowels)
        bathVowels->clear();
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
        // "n" in forms like gettin': ə + n here, which the syllabic rule makes n̩ (ˈbʌt.n̩).
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
        if (bathVowels && voice == EspeakVoice::RP && t == QLatin1String("aa"))
            *bathVowels << int(out.size());
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

} // namespace vocalith::pronunciation
