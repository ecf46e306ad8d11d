#pragma once
// What espeak-ng says for a transcription against what the transcription writes: both are
// brought to one comparable form, word by word. Shared by the speech tests and bench/speech.

#include "storage/database.h"
#include "engine/textchain.h"
#include "pronunciation/speech.h"

#include <QRandomGenerator>
#include <algorithm>

namespace vocalith::test {

// espeak-ng's IPA writes some of our symbols otherwise (ɚ ɹ ɐ ɛ ᵻ, the American flap and
// glottal t, its dark l), and both sides lose what makes no sound.
// clang-format off
constexpr Replacement kComparableSymbols[] = {
    {u"ɚ", u"ər"}, {u"ɝ", u"ɜːr"}, {u"ɹ", u"r"}, {u"ɐ", u"ə"}, {u"ɛ", u"e"}, {u"ᵻ", u"ɪ"}, {u"ɾ", u"t"},
    {u"ʔ", u"t"},  {u"ɫ", u"l"},  {u"oː", u"ɔː"}, {u"'", u"ˈ"}, {u"(r)", u""}, {u"≈", u""}, {u".", u""},
};
// Pairs that one voice says alike are made one on both sides: i and ɪ (the RP voice's happY,
// the American ɪ at the end of a word), r written twice (after a rhotic vowel), rhotic ɜː with or without
// its r.
constexpr Replacement kComparableMerges[] = {
    // iː waits as "I" while i becomes ɪ.
    {u"iː", u"I"}, {u"i", u"ɪ"}, {u"I", u"iː"}, {u"rr", u"r"}, {u"ɜːr", u"ɜː"},
};
// clang-format on

inline bool isComparedVowel(QChar c) { return QStringView(u"aeiouæɑɒɔəɜɪʊʌ").contains(c); }

// One word in the comparable form: stress marks just before the vowel they stress, and none
// in a word of one syllable (espeak-ng stresses a lone word that is written without).
inline QString comparableWord(QString word) {
    applyChain(word, kComparableSymbols);
    QString out;
    QChar stress;
    int nuclei = 0;
    bool inVowel = false;
    for (const QChar c : word) {
        if (c == u'ˈ' || c == u'ˌ') {
            stress = c;
            continue;
        }
        const bool vowel = isComparedVowel(c) || (inVowel && c == u'ː');
        if (vowel && !inVowel) {
            ++nuclei;
            if (!stress.isNull())
                out += std::exchange(stress, QChar());
        }
        if (c == u'\u0329')
            ++nuclei;
        inVowel = vowel;
        out += c;
    }
    if (nuclei <= 1)
        out.remove(u'ˈ').remove(u'ˌ');
    applyChain(out, kComparableMerges);
    return out;
}

// The comparable words of a phrase; unknown words "<word>" are not spoken and left out.
inline QStringList comparableWords(QStringView phrase) {
    QStringList words;
    for (QStringView w : phrase.split(u' ', Qt::SkipEmptyParts))
        if (!w.startsWith(u'<'))
            words << comparableWord(w.toString());
    words.removeAll(QString());
    return words;
}

struct RoundTrip {
    int words = 0;
    int same = 0;
    QStringList misses; // "written → spoken"
    double share() const { return words ? 100.0 * same / words : 0; }
};

// Speaks each phrase of the text and compares it word by word with what espeak-ng says.
inline void checkSpoken(const QString &text, Accent accent, RoundTrip &result) {
    const QStringList spoken = pronunciation::spokenIpa(text, accent).split(u'\n');
    QStringList written;
    for (const pronunciation::SpeechPhrase &p : pronunciation::speechPhrases(text)) {
        const QString phrase = text.mid(p.from, p.length);
        if (!pronunciation::phraseToEspeak(phrase, accent).phonemes.isEmpty())
            written << phrase;
    }
    for (qsizetype k = 0; k < written.size(); ++k) {
        const QStringList ours = comparableWords(written[k]);
        const QStringList theirs = k < spoken.size() ? comparableWords(spoken[k]) : QStringList();
        result.words += int(ours.size());
        if (ours.size() != theirs.size()) {
            result.misses << written[k] + QStringLiteral(" → ") + (k < spoken.size() ? spoken[k] : QString());
            continue;
        }
        for (qsizetype i = 0; i < ours.size(); ++i) {
            if (ours[i] == theirs[i])
                ++result.same;
            else
                result.misses << written[k].split(u' ', Qt::SkipEmptyParts).value(i) + QStringLiteral(" → ") +
                                     spoken[k].split(u' ', Qt::SkipEmptyParts).value(i);
        }
    }
}

// count entries of the lexicon's word list with a transcription in the accent, drawn with a
// fixed seed.
inline QStringList sampleTranscriptions(Connection &lexicon, Accent accent, int count, quint32 seed) {
    QStringList all;
    const Recordset rows = lexicon.openRecordset(
        QStringLiteral("SELECT %1 FROM words WHERE %1 <> '' ORDER BY word, %1").arg(accentCode(accent)));
    for (int i = 0; i < rows.recordCount(); ++i)
        all << rows.value(i, 0).toString();
    QRandomGenerator random(seed);
    std::shuffle(all.begin(), all.end(), random);
    return all.mid(0, count);
}

} // namespace vocalith::test
