#pragma once
// Stress as learners' dictionaries mark it, syllable division, and the text of a
// pronunciation in the lexicon's notation.

#include "pronunciation/phones.h"

#include <functional>

namespace vocalith::pronunciation {

// --- stress ----------------------------------------------------------------------------

// Stress as learners' dictionaries mark it: none on a word of one syllable, and no
// secondary stress after the primary (ˈfəʊ.tə.ɡrɑːf, ˈdɪk.ʃə.ner.i). A triphthong counts
// as two syllables (ˈfaɪə, ˈpaʊə).
void applyDictionaryStress(Pron &p);
// A full vowel in the first syllable, one syllable or more before the primary stress and
// with no stress marked before it, takes secondary stress (ˌvaɪəˈleɪ.ʃn̩).
void addPretonicSecondary(Pron &p);
// -tion, -sion, -cian and the like take the main stress on the syllable before them
// (ˌsɜː.kjəˈleɪ.ʃn̩, ˌsɜː.kəmˈsɪʒ.n̩): CMUdict and espeak both have words that stress an
// earlier one. Television and the compounds of station keep theirs.
void stressBeforeIon(const QString &word, Pron &p);

// --- syllables and text ----------------------------------------------------------------

// Marks where a consonant-initial suffix (-ness, -less, -ment, -ful, -ly, -ship, -hood, -dom,
// -some, -wise, -wards) begins, so that syllables follow the word's parts
// (ˈtʃɪə.ləs.nəs, not ˈtʃɪə.lə.snəs; kəˈmens.mənt). Only where the rest of the word is a
// word itself (isWord), so assembly keeps əˈsem.bli.
void markSuffixBoundaries(const QString &word, Pron &p, const std::function<bool(const QString &)> &isWord);
// Index of the first phone of every syllable: maximal onset among English onsets, except
// that a stressed short vowel (ɪ e æ ʌ ɒ ʊ) keeps one consonant as its coda (ˈsɪt.i).
QVector<int> syllableStarts(const Pron &p);
bool isLegalOnset(const QStringList &consonants);
// Syllables joined by ".", ˈ or ˌ at the start of a stressed syllable (no dot before it).
QString renderPron(const Pron &p);
// The British linking-r mark: a word spelt with final r or re whose pronunciation ends in a
// vowel gets "(r)" (car kɑː(r), fire faɪə(r)).
QString withLinkingR(const QString &word, const QString &british);

} // namespace vocalith::pronunciation
