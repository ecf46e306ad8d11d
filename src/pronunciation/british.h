#pragma once
// British English as learners' dictionaries write it where espeak-ng's RP voice says
// otherwise: syllabic consonants, weak vowels of prefixes and suffixes, the BATH vowel. The
// syllabic consonants, -ia and prefix-nasal rules serve the American entries too.

#include "pronunciation/phones.h"

#include <functional>

namespace vocalith::pronunciation {

using WordTest = std::function<bool(const QString &)>;

// Unstressed ə + l after a consonant (not r l j w) at the end of the word or before
// consonants becomes l̩ (ˈlɪt.l̩, ˈpiː.pl̩, ˈbjuː.tɪ.fl̩); ə + n becomes n̩ after t d s z f v θ ð
// when the syllable before is stressed, and after ʃ ʒ always (ˈneɪ.ʃn̩, ˈsev.n̩, ˈstjuː.dn̩t).
// Both accents store them so, and the display option spells them out in both alike.
void applySyllabicConsonants(Pron &p);
// -ary/-ory/-ery after the stressed syllable: a full vowel that espeak may give there (ˌeri)
// is reduced to ə as British dictionaries write it (ˈdɪk.ʃə.nə.ri).
void reduceAryEnding(const QString &word, Pron &p);
// Whether the word belongs to the BATH lexical set: one of its stems (class, dance, after,
// path, example …), perhaps after a prefix or the first part of a compound (bypass,
// footpath), before an ending or the second part of a compound (classroom, dancing).
bool isBathWord(const QString &word, const WordTest &isWord);
// espeak-ng's RP voice gives its BATH vowel by spelling, to a before s + consonant, n + consonant
// and more (plastic ˈplɑː.stɪk, Manchester ˈmɑːn-, sanction); RP has it only in the BATH set.
// The vowels at bathVowels (espeak's "aa") outside it are æ.
void limitBathToItsSet(const QString &word, Pron &p, const QVector<int> &bathVowels, const WordTest &isWord);
// -chester has ɪ in its unstressed syllable (Manchester ˈmæn.tʃɪ.stə), where espeak says e.
void applyChesterVowel(const QString &word, Pron &p);
// The BATH set is a list of stems on top of espeak's own (espeak already marks most), and a
// word built on a listed stem with an ending (advanced, advancement, staffer) has ɑː too.
void applyBathVowel(const QString &word, Pron &p);
// espeak's unstressed ɪə of -ia, -ious, -ium is i + ə in dictionaries (ˈeə.ri.ə); an
// American unstressed ɪr is i + ər (ˈkruː.pi.ərz). A final ɪə spelt -ear, -eer, -ere, -eare
// is the NEAR vowel and stays (ˈʃeɪk.spɪə, ˈæt.mə.sfɪə), unless l or n comes before it
// (ˈlɪn.i.ə, ˈnjuː.kli.ə), and so does the first vowel of here- (ˌhɪəˈrɪn).
void splitUnstressedIa(const QString &word, Pron &p);
// -ity, -itive and -ible/-ibly/-ibility have ə where espeak says ɪ (səˈkjʊə.rə.ti, ˈpɒz.ə.tɪv,
// ˈpɒs.ə.bl̩).
void reduceWeakSuffixes(const QString &word, Pron &p);
// An unstressed nasal prefix in-/un-/con-/en- keeps its n before k and ɡ (ɪnˈkluː.dɪŋ,
// kənˈkɔːr.dəns) where espeak-ng assimilates it to ŋ. Used for both accents.
void keepPrefixNasal(const QString &word, Pron &p);
// Weak first syllables espeak gives with full vowels: the nasal above, en-/em-/ex-/es- have ɪ
// (ɪnˈtaɪə, ɪˈstiːm), an unstressed ɒ before the stress is ə (əbˈteɪn).
void reduceWeakPrefixes(const QString &word, Pron &p);
// An unstressed first syllable spelt au is ɔː in RP (authority ɔːˈθɒr.ə.ti, as audacious and
// autonomy have it), where espeak's RP voice says ə.
void applyInitialAuVowel(const QString &word, Pron &p);
// British ɒ + l + consonant spelt al or aul is ɔː, as learners' dictionaries give it first
// (salt, false, fault, alter); espeak's RP voice says ɒ.
void applyBritishAlVowel(const QString &word, Pron &p);

} // namespace vocalith::pronunciation
