#pragma once
// American English from CMUdict: its ARPAbet read into phones, and the rules that bring
// CMUdict's transcriptions to the way learners' dictionaries of General American write them.

#include "pronunciation/phones.h"

namespace vocalith::pronunciation {

// ARPAbet ("N EY1 SH AH0 N") to phones: AH0 is ə, AH1/AH2 ʌ, ER1 ɜːr, ER0 ər (ə + r before a
// vowel), IY0 the happY vowel i, UW0 before a vowel u. Unknown symbols make it fail.
bool phonesFromArpabet(const QString &arpabet, Pron &out);
// Vowel + r where the r does not begin a stressed syllable becomes one rhotic nucleus:
// ɑːr ɔːr ɪr er ʊr (very → ver.i, sorry → sɑːr.i, but irregular keeps ɪ.r).
void fuseAmericanRhotics(Pron &p);
// CMUdict writes ə where dictionaries write ɪ: -ed after t/d, -es after sibilants, -ist,
// -age, -ice, -ace, -ledge, and the prefixes re-, de-, be-, pre-, e- before the stress (there
// also i → ɪ).
void applyAmericanWeakVowels(const QString &word, Pron &p);
// CMUdict's glide between u and a following vowel (actual AE1 K CH AH0 W AH0 L) is not
// written by dictionaries: ˈæk.tʃu.əl. Words spelt with w keep their w.
void removeGlideW(const QString &word, Pron &p);
// CMUdict's secondary stress on a weak prefix right before the primary (decide D IH2 S AY1 D)
// is not written by dictionaries.
void dropPretonicWeakSecondary(Pron &p);
// CMUdict's secondary stress on iː of re-, de-, pre-, be- right before the primary
// (require R IY2 K W AY1 ER0) is a weak prefix: rɪˈkwaɪər.
void dropPrefixSecondary(const QString &word, Pron &p);

} // namespace vocalith::pronunciation
