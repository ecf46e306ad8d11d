#pragma once
// espeak-ng's phoneme names read into phones in the notation of either accent, and the r that
// espeak-ng's RP voice writes where British English has none.

#include "pronunciation/phones.h"

namespace vocalith::pronunciation {

enum class EspeakVoice { RP, US };
// espeak-ng's ASCII phoneme names separated by "_" (stress as ' or , before the vowel) to
// phones in the notation of the accent. Unknown names make it fail. bathVowels, when given,
// receives the indexes in out of the RP voice's BATH vowel "aa" (ɑː), which espeak-ng's
// spelling rules give to far more words than the BATH set (plastic, Manchester).
bool phonesFromEspeak(const QString &mnemonics, EspeakVoice voice, Pron &out, QVector<int> *bathVowels = nullptr);

// RP is non-rhotic: an r that no vowel follows is not pronounced (espeak sometimes keeps
// one before a consonant, kɜːrɡ…); a final one becomes the linking mark later.
void dropNonPrevocalicR(Pron &p);
// espeak's RP voice links vowels with an r the spelling does not have (drawing ˈdrɔː.rɪŋ,
// baaing); learners' dictionaries write none. While the entry has more r than the word has
// letters r, an r between a vowel that takes intrusive r and another vowel goes.
void dropIntrusiveR(const QString &word, Pron &p);

} // namespace vocalith::pronunciation
