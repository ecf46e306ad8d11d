#pragma once
// One source checked against the other: the British entry (from espeak-ng) against CMUdict's
// reading of the word, and the American entry against the British one, nucleus by nucleus.

#include "pronunciation/phones.h"

#include <QPair>
#include <functional>

namespace vocalith::pronunciation {

// Nuclei of two pronunciations of one word paired in order, when both have as many
// (the British and American forms of caught, digit); empty otherwise.
QVector<QPair<int, int>> alignNuclei(const Pron &a, const Pron &b);

// --- the British entry and CMUdict ----------------------------------------------------

// When espeak put the primary stress on a vowel that CMUdict leaves unstressed, both have the
// same number of nuclei and CMUdict's stressed nucleus is a full vowel in the British form,
// the primary stress moves there.
bool transferPrimaryStress(Pron &british, const Pron &american);
// CMUdict's reduced vowel (AH0) where espeak's RP voice keeps a full vowel unstressed (abacus
// ˈæb.æ.kəs, astrologer əˈstrɒl.əʊ.dʒə, awesome ˈɔː.sʌm): ə, in a word of as many vowels, with
// the same consonants around it; before the stress only in the syllable just before it; ʌ
// only in -some, autumn and welcome (compounds keep theirs); ɒ only before the stress; əʊ neither in
// the last syllable nor in micro-, macro-.
void reduceAsCmudict(const QString &word, Pron &british, const Pron &american);
// A syllable two or more before the primary stress that CMUdict gives a secondary stress
// keeps it in the British entry, with its full vowel (observation ˌɒb.zəˈveɪ.ʃn̩,
// explanation ˌek.spləˈneɪ.ʃn̩, reproduce ˌriː.prəˈdjuːs), where espeak's RP voice reduced
// it; not where espeak has a secondary stress of its own before the primary (ænˌtɪs.ɪ-), nor
// CMUdict's ɪ other than that of in-, il-, im-, ir- (ɪˌlekˈtrɒn.ɪk).
void keepPretonicSecondaryAsCmudict(const QString &word, Pron &british, const Pron &american);
// espeak's RP voice has s for many a z of the spelling between vowels (husband ˈhʌs.bənd,
// lousy, charisma); where CMUdict has z with the same consonants around it, so does the British
// entry. dis-, asthma, advertisement, desecrate, pretzel and evasive keep their s.
void voiceAsCmudict(const QString &word, Pron &british, const Pron &american);
// espeak's RP voice reads a final -is or -us as a plural (trellis ˈtrel.iz, versus ˈvɜː.sɪz);
// where CMUdict ends in s and the word without its s is no word, the British entry ends in ɪs
// or əs.
void voiceSingularIsUs(const QString &word, Pron &british, const Pron &american,
                       const std::function<bool(const QString &)> &isWord = {});

// --- the American entry and the British one ------------------------------------------

// American THOUGHT: where the British form has ɔː (no r follows it in British English), an
// American ɑː in the same nucleus is ɔː (caught, cause, raw): CMUdict gives many of these
// words the LOT vowel, learners' dictionaries of General American write ɔː.
void applyAmericanThought(Pron &american, const Pron &british);
// One convention for unstressed ɪ: an unstressed American ə where the British form has
// unstressed ɪ between the same consonants is ɪ (ˈdɪdʒ.ɪt, ˈtɪp.ɪ.kəl, ˈtɑːr.ɡɪt). Spelt -ain
// (captain, mountain) keeps ə, as American dictionaries write it.
void applySharedWeakI(const QString &word, Pron &american, const Pron &british);
// A final -s that the British entry voices after the same sound is z in the American one too,
// when the word without it is a word: CMUdict has plurals with s (colas ˈkoʊ.ləs, synonyms
// ˈsɪn.ə.nɪms) where espeak's ending rules are right.
void applyBritishPluralVoicing(const QString &word, Pron &american, const Pron &british,
                               const std::function<bool(const QString &)> &isWord);
// American prefixes keep their own vowel: un- is ʌ where the British form has it (ʌnˈhæp.i, not
// ən; until keeps ən), and en-/em- with a secondary stress right before the primary is a weak ɪ
// (ɪnˈdʒɔɪ). british may be empty (no British form to follow).
void applyAmericanPrefixVowels(const QString &word, Pron &p, const Pron &british);

} // namespace vocalith::pronunciation
