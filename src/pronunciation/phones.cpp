#include "pronunciation/phones.h"

namespace vocalith::pronunciation {

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

} // namespace vocalith::pronunciation
