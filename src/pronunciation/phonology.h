#pragma once
// Turning source pronunciations into the lexicon's notation.
//
// A pronunciation is worked on as a list of phones already written in the target symbols
// (ɑː, tʃ, n̩ …). Every rule below is one function over that list, so each can be tested
// alone: CMUdict's ARPAbet becomes American English, espeak-ng's phoneme mnemonics become
// British (RP) or American English, and a shared last step divides the syllables and
// writes the stress marks at the syllable starts.

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace vocalith::pronunciation {

enum class Stress { None, Primary, Secondary };

struct Phone {
    QString sym;
    bool vowel = false; // a syllable nucleus: vowels, diphthongs, rhotic vowels, n̩ and l̩
    Stress stress = Stress::None;
    bool morphemeStart = false; // a suffix begins here: no onset reaches back across it
    bool operator==(const Phone &) const = default;
};
using Pron = QVector<Phone>;

// Builds a pronunciation from notation text such as "ˈneɪ.ʃn̩" (dots are ignored, a stress
// mark stresses the next nucleus). With rhotic, vowel + r is one nucleus (American ˈver.i).
Pron parseNotation(const QString &text, bool rhotic = false);

// --- American English from CMUdict ---------------------------------------------------

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

// --- espeak-ng -------------------------------------------------------------------------

enum class EspeakVoice { RP, US };
// espeak-ng's ASCII phoneme names separated by "_" (stress as ' or , before the vowel) to
// phones in the notation of the accent. Unknown names make it fail.
bool phonesFromEspeak(const QString &mnemonics, EspeakVoice voice, Pron &out);

// --- British English rules -------------------------------------------------------------

// RP is non-rhotic: an r that no vowel follows is not pronounced (espeak sometimes keeps
// one before a consonant, kɜːrɡ…); a final one becomes the linking mark later.
void dropNonPrevocalicR(Pron &p);
// espeak's RP voice links vowels with an r the spelling does not have (drawing ˈdrɔː.rɪŋ,
// baaing); learners' dictionaries write none. While the entry has more r than the word has
// letters r, an r between a vowel that takes intrusive r and another vowel goes.
void dropIntrusiveR(const QString &word, Pron &p);
// Diphthong + unstressed ə is one nucleus, a triphthong (fire faɪə, player pleɪə, hour aʊə);
// in American English aɪ/aʊ + ər likewise (faɪər).
void mergeTriphthongs(Pron &p);
// Unstressed ə + l after a consonant (not r l j w) at the end of the word or before
// consonants becomes l̩ (ˈlɪt.l̩, ˈpiː.pl̩, ˈbjuː.tɪ.fl̩); ə + n becomes n̩ after t d s z f v θ ð
// when the syllable before is stressed, and after ʃ ʒ always (ˈneɪ.ʃn̩, ˈsev.n̩, ˈstjuː.dn̩t).
void applySyllabicConsonants(Pron &p);
// -ary/-ory/-ery after the stressed syllable: a full vowel that espeak may give there (ˌeri)
// is reduced to ə as British dictionaries write it (ˈdɪk.ʃə.nə.ri).
void reduceAryEnding(const QString &word, Pron &p);
// CURE words keep ʊə (espeak's RP voice says ɔː for them, dictionaries write ʊə); the
// BATH set is a list of stems on top of espeak's own (espeak already marks most), and a word
// built on a listed stem with an ending (advanced, advancement, staffer) has ɑː too.
bool isBathStem(const QString &word);
void applyBathVowel(const QString &word, Pron &p);

// espeak's unstressed ɪə of -ia, -ious, -ium is i + ə in dictionaries (ˈeə.ri.ə); an
// American unstressed ɪr is i + ər (ˈkruː.pi.ərz).
void splitUnstressedIa(Pron &p);
// The same, except that a final ɪə spelt -ear, -eer, -ere, -eare is the NEAR vowel and stays
// (ˈʃeɪk.spɪə, ˈæt.mə.sfɪə), unless l or n comes before it (ˈlɪn.i.ə, ˈnjuː.kli.ə), and so
// does the first vowel of here- (ˌhɪəˈrɪn).
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
// -ies, -ied and -iness keep the happY vowel (ˈkɒp.iz); unstressed jʊ before l is jə
// (pəˈtɪk.jə.lə). Used for both accents.
void applyWeakEndings(const QString &word, Pron &p);

// Cross-check with CMUdict: when espeak put the primary stress on a vowel that CMUdict
// leaves unstressed, both have the same number of nuclei and CMUdict's stressed nucleus is a
// full vowel in the British form, the primary stress moves there.
bool transferPrimaryStress(Pron &british, const Pron &american);

// --- both accents -------------------------------------------------------------------

// Stress as learners' dictionaries mark it: none on a word of one syllable, and no
// secondary stress after the primary (ˈfəʊ.tə.ɡrɑːf, ˈdɪk.ʃə.ner.i). A triphthong counts
// as two syllables (ˈfaɪə, ˈpaʊə).
void applyDictionaryStress(Pron &p);
// A full vowel in the first syllable, one syllable or more before the primary stress and
// with no stress marked before it, takes secondary stress (ˌvaɪəˈleɪ.ʃn̩).
void addPretonicSecondary(Pron &p);
// Unstressed iː is the weak i at the end of a word or before a vowel (ˈkʌm.pə.ni, kriˈeɪt);
// unstressed uː is u before a vowel or ending an open syllable (ˌsɪtʃ.uˈeɪ.ʃn̩, ˌedʒ.uˈkeɪ.ʃn̩);
// unstressed ɪ before a vowel is i (ˈpɪə.ri.əd). Words of one syllable are left alone.
void weakenUnstressedLongVowels(Pron &p);

// --- one learners'-dictionary convention in both accents --------------------------------

// -tion, -sion, -cian and the like take the main stress on the syllable before them
// (ˌsɜː.kjəˈleɪ.ʃn̩, ˌsɜː.kəmˈsɪʒ.n̩): CMUdict and espeak both have words that stress an
// earlier one. Television and the compounds of station keep theirs.
void stressBeforeIon(const QString &word, Pron &p);

// -n't after a consonant is a syllable of its own (didn't ˈdɪd.n̩t, mustn't), where espeak
// writes dɪdnt.
void addNtSyllable(const QString &word, Pron &p);

// A final s, z or d agrees in voicing with the consonant before it (aches eɪks, faced feɪst,
// cads kædz): espeak and the sources' derived forms sometimes give eɪkz, feɪsd, kæds.
void matchEndingVoicing(Pron &p);

// CMUdict's reduced vowel (AH0) where espeak's RP voice keeps a full vowel unstressed (abacus
// ˈæb.æ.kəs, astrologer əˈstrɒl.əʊ.dʒə, awesome ˈɔː.sʌm): ə, in a word of as many vowels, with
// the same consonants around it; before the stress only in the syllable just before it; ʌ
// only in -some and autumn (compounds keep theirs); ɒ only before the stress; əʊ neither in
// the last syllable nor in micro-, macro-.
void reduceAsCmudict(const QString &word, Pron &british, const Pron &american);

// Nuclei of two pronunciations of one word paired in order, when both have as many
// (the British and American forms of caught, digit); empty otherwise.
QVector<QPair<int, int>> alignNuclei(const Pron &a, const Pron &b);
// American THOUGHT: where the British form has ɔː (no r follows it in British English), an
// American ɑː in the same nucleus is ɔː (caught, cause, raw): CMUdict gives many of these
// words the LOT vowel, learners' dictionaries of General American write ɔː.
void applyAmericanThought(Pron &american, const Pron &british);
// One convention for unstressed ɪ: an unstressed American ə where the British form has
// unstressed ɪ between the same consonants is ɪ (ˈdɪdʒ.ɪt, ˈtɪp.ɪ.kəl, ˈtɑːr.ɡɪt). Spelt -ain
// (captain, mountain) keeps ə, as American dictionaries write it.
void applySharedWeakI(const QString &word, Pron &american, const Pron &british);
// "one" ending a word (someone, twenty-one, no-one), beginning one before a word (oneself,
// one-sided) and once have ʌ, where espeak's RP voice says ɒ and CMUdict has ɔː or ə in compounds.
void applyOneVowel(const QString &word, Pron &p, const std::function<bool(const QString &)> &isWord = {});
// A compound whose first part ends in the happY vowel keeps it there (ˈev.ri.θɪŋ,
// ˈen.i.weə): firstPart is that part's own pronunciation. Returns whether it applied.
bool applyCompoundHappy(Pron &p, const Pron &firstPart);
// -ion and -ior after l or n, and -ian after a stressed short vowel + l or n, have j where the
// sources say i.ə: ˈmɪl.jən, əˈpɪn.jən, ˈsiː.njə, səˈvɪl.jən (but ɒˈstreɪ.li.ən).
void applyGlideBeforeIon(const QString &word, Pron &p);
// British ɒ + l + consonant spelt al or aul is ɔː, as learners' dictionaries give it first
// (salt, false, fault, alter); espeak's RP voice says ɒ.
void applyBritishAlVowel(const QString &word, Pron &p);
// A final -s that the British entry voices after the same sound is z in the American one too,
// when the word without it is a word: CMUdict has plurals with s (colas ˈkoʊ.ləs, synonyms
// ˈsɪn.ə.nɪms) where espeak's ending rules are right.
void applyBritishPluralVoicing(const QString &word, Pron &american, const Pron &british,
                               const std::function<bool(const QString &)> &isWord);
// espeak's RP voice has s for many a z of the spelling between vowels (husband ˈhʌs.bənd,
// lousy, charisma); where CMUdict has z with the same consonants around it, so does the British
// entry. dis-, asthma, advertisement, desecrate, pretzel and evasive keep their s.
void voiceAsCmudict(const QString &word, Pron &british, const Pron &american);
// espeak's RP voice reads a final -is or -us as a plural (trellis ˈtrel.iz, versus ˈvɜː.sɪz);
// where CMUdict ends in s and the word without its s is no word, the British entry ends in ɪs
// or əs.
void voiceSingularIsUs(const QString &word, Pron &british, const Pron &american,
                       const std::function<bool(const QString &)> &isWord = {});
// American prefixes keep their own vowel: un- is ʌ where the British form has it (ʌnˈhæp.i, not
// ən; until keeps ən), and en-/em- with a secondary stress right before the primary is a weak ɪ
// (ɪnˈdʒɔɪ). british may be empty (no British form to follow).
void applyAmericanPrefixVowels(const QString &word, Pron &p, const Pron &british);
// A possessive's ending as the transcriber derives it from the stem: s after p t k f θ, ɪz
// after a sibilant, z otherwise (waɪfs, not waɪfz). p is the possessive's pronunciation.
void applyPossessiveEnding(Pron &p);

// --- syllables and text -----------------------------------------------------------------

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
