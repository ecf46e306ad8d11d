#pragma once
// Conventions of learners' dictionaries that both accents follow, whichever source the entry
// comes from: triphthongs, weak vowels, endings, "one", compounds.

#include "pronunciation/phones.h"

#include <functional>

namespace vocalith::pronunciation {

// Diphthong + unstressed ə is one nucleus, a triphthong (fire faɪə, player pleɪə, hour aʊə);
// in American English aɪ/aʊ + ər likewise (faɪər).
void mergeTriphthongs(Pron &p);
// Unstressed iː is the weak i at the end of a word or before a vowel (ˈkʌm.pə.ni, kriˈeɪt);
// unstressed uː is u before a vowel or ending an open syllable (ˌsɪtʃ.uˈeɪ.ʃn̩, ˌedʒ.uˈkeɪ.ʃn̩);
// unstressed ɪ before a vowel is i (ˈpɪə.ri.əd). Words of one syllable are left alone.
void weakenUnstressedLongVowels(Pron &p);
// -ies, -ied and -iness keep the happY vowel (ˈkɒp.iz); unstressed jʊ before l is jə
// (pəˈtɪk.jə.lə).
void applyWeakEndings(const QString &word, Pron &p);
// -n't after a consonant is a syllable of its own (didn't ˈdɪd.n̩t, mustn't), where espeak
// writes dɪdnt.
void addNtSyllable(const QString &word, Pron &p);
// A final s, z or d agrees in voicing with the consonant before it (aches eɪks, faced feɪst,
// cads kædz): espeak and the sources' derived forms sometimes give eɪkz, feɪsd, kæds.
void matchEndingVoicing(Pron &p);
// "one" ending a word (someone, twenty-one, no-one), beginning one before a word (oneself,
// one-sided) and once have ʌ, where espeak's RP voice says ɒ and CMUdict has ɔː or ə in compounds.
void applyOneVowel(const QString &word, Pron &p, const std::function<bool(const QString &)> &isWord = {});
// A compound whose first part ends in the happY vowel keeps it there (ˈev.ri.θɪŋ,
// ˈen.i.weə): firstPart is that part's own pronunciation. Returns whether it applied.
bool applyCompoundHappy(Pron &p, const Pron &firstPart);
// -ion and -ior after l or n, and -ian after a stressed short vowel + l or n, have j where the
// sources say i.ə: ˈmɪl.jən, əˈpɪn.jən, ˈsiː.njə, səˈvɪl.jən (but ɒˈstreɪ.li.ən).
void applyGlideBeforeIon(const QString &word, Pron &p);
// A possessive's ending as the transcriber derives it from the stem: s after p t k f θ, ɪz
// after a sibilant, z otherwise (waɪfs, not waɪfz). p is the possessive's pronunciation.
void applyPossessiveEnding(Pron &p);
// re- meaning "again" before a verb (rewrite, reread, reopen, rebuild) is ˌriː with its own
// secondary stress in both accents, where the sources give the weak rɪ of return and remind.
void applyRepetitionPrefix(const QString &word, Pron &p);

} // namespace vocalith::pronunciation
