// The pronunciation rules, one table for all, and the whole chains from CMUdict and
// espeak-ng text to the lexicon notation.

#include "pronunciation/arpabet.h"
#include "pronunciation/british.h"
#include "pronunciation/conventions.h"
#include "pronunciation/crosscheck.h"
#include "pronunciation/espeak.h"
#include "pronunciation/inflections.h"
#include "pronunciation/notation.h"
#include "pronunciation/syllables.h"

#include <QtTest>

using namespace vocalith::pronunciation;

namespace {

// The words the rules that look for a stem or a compound's parts find in the word list.
bool isWord(const QString &w) {
    static const QSet<QString> words = {
        "cheerless", "commence", "exact", "low",      "self",    "ida",   "some",  "twenty", "every",
        "thing",     "any",      "where", "one",      "key",     "board", "party", "cola",   "foot",
        "room",      "stock",    "broad", "age",      "hope",    "hop",   "run",   "ting",   "tinge",
        "glass",     "glas",     "carry", "polarise", "polaris", "spite", "spit",  "bathe",  "bath"};
    return words.contains(w);
}

// A rule applied to the notation of the row, rendered; Rhotic parses it as an American entry.
template <void (*R)(Pron &), bool Rhotic = false>
QString on(const QString &, const QString &notation) {
    Pron p = parseNotation(notation, Rhotic);
    R(p);
    return renderPron(p);
}
template <void (*R)(const QString &, Pron &), bool Rhotic = false>
QString onWord(const QString &word, const QString &notation) {
    Pron p = parseNotation(notation, Rhotic);
    R(word, p);
    return renderPron(p);
}
// A rule of the American entry that follows the British one; the row gives "american|british".
template <void (*R)(const QString &, Pron &, const Pron &)>
QString onBoth(const QString &word, const QString &input) {
    Pron a = parseNotation(input.section('|', 0, 0), true);
    R(word, a, parseNotation(input.section('|', 1)));
    return renderPron(a);
}
void asParsed(Pron &) {}
void thought(const QString &, Pron &a, const Pron &b) { applyAmericanThought(a, b); }
void pluralVoicing(const QString &w, Pron &a, const Pron &b) { applyBritishPluralVoicing(w, a, b, isWord); }
void suffixBoundaries(const QString &w, Pron &p) { markSuffixBoundaries(w, p, isWord); }
void oneVowel(const QString &w, Pron &p) { applyOneVowel(w, p, isWord); }

// Each rule from the row's word and input to the text compared.
using Rule = QString (*)(const QString &word, const QString &input);
// clang-format off
const QHash<QString, Rule> kRules = {
    {"cmudict",  [](const QString &w, const QString &in) { return americanFromArpabet(w, in); }},
    {"espeakRP", [](const QString &w, const QString &in) { return britishFromEspeak(w, in, QString()); }},
    {"espeakUS", [](const QString &w, const QString &in) { return americanFromEspeak(w, in); }},
    // The row gives "espeak|cmudict".
    {"espeakRP+cmudict", [](const QString &w, const QString &in) {
        return britishFromEspeak(w, in.section('|', 0, 0), in.section('|', 1), false);
    }},
    {"arpabet",  [](const QString &, const QString &in) {
        Pron p;
        const bool read = phonesFromArpabet(in, p);
        fuseAmericanRhotics(p);
        return read ? renderPron(p) : QStringLiteral("(fails)");
    }},
    {"bathSet",  [](const QString &w, const QString &) { return QString(isBathWord(w, isWord) ? "BATH" : "TRAP"); }},
    {"inflection", [](const QString &w, const QString &) {
        const auto i = findInflection(w, isWord);
        return i ? i->stem + " + " + i->ending : QStringLiteral("(none)");
    }},
    // The row gives "stem's entry|word's entry"; a rhotic row is American.
    {"agrees",   [](const QString &, const QString &in) {
        return QString(agreesWithStem(in.section('|', 0, 0), in.section('|', 1), false) ? "agrees" : "differs");
    }},
    {"agreesAmE", [](const QString &, const QString &in) {
        return QString(agreesWithStem(in.section('|', 0, 0), in.section('|', 1), true) ? "agrees" : "differs");
    }},
    // The row's word is the ending.
    {"inflected", [](const QString &e, const QString &in) { return inflectedForm(in, e, false); }},
    {"inflectedAmE", [](const QString &e, const QString &in) { return inflectedForm(in, e, true); }},
    {"onset",    [](const QString &, const QString &in) { return QString(isLegalOnset(in.split(' ')) ? "legal" : "illegal"); }},
    {"linkingR", [](const QString &w, const QString &in) { return withLinkingR(w, in); }},
    // The first part found, then the compound; the row gives "notation|first part's notation".
    {"compoundHappy", [](const QString &w, const QString &in) {
        const QString part = happyFirstPart(w, isWord);
        Pron p = parseNotation(in.section('|', 0, 0));
        if (!part.isEmpty())
            applyCompoundHappy(p, parseNotation(in.section('|', 1)));
        return part + ' ' + renderPron(p);
    }},
    // The row gives "british|arpabet".
    {"stressTransfer", [](const QString &, const QString &in) {
        Pron b = parseNotation(in.section('|', 0, 0)), a;
        phonesFromArpabet(in.section('|', 1), a);
        const bool moved = transferPrimaryStress(b, a);
        return renderPron(b) + (moved ? " moved" : "");
    }},
    {"syllables",         on<asParsed>},
    {"nonRhotic",         on<dropNonPrevocalicR>},
    {"dictionaryStress",  on<applyDictionaryStress>},
    {"pretonicSecondary", on<addPretonicSecondary>},
    {"weakLongVowels",    on<weakenUnstressedLongVowels>},
    {"triphthongs",       on<mergeTriphthongs>},
    {"triphthongsAmE",    on<mergeTriphthongs, true>},
    {"syllabic",          on<applySyllabicConsonants>},
    {"possessive",        on<applyPossessiveEnding>},
    {"suffixBoundaries",  onWord<suffixBoundaries>},
    {"one",               onWord<oneVowel>},
    {"ary",               onWord<reduceAryEnding>},
    {"suffix",            onWord<reduceWeakSuffixes>},
    {"prefix",            onWord<reduceWeakPrefixes>},
    {"ending",            onWord<applyWeakEndings>},
    {"bath",              onWord<applyBathVowel>},
    {"ia",                onWord<splitUnstressedIa>},
    {"ion",               onWord<applyGlideBeforeIon>},
    {"ionAmE",            onWord<applyGlideBeforeIon, true>},
    {"al",                onWord<applyBritishAlVowel>},
    {"weakAmE",           onWord<applyAmericanWeakVowels, true>},
    {"glideW",            onWord<removeGlideW, true>},
    {"thought",           onBoth<thought>},
    {"pluralVoicing",     onBoth<pluralVoicing>},
    {"weakI",             onBoth<applySharedWeakI>},
    {"prefixAmE",         onBoth<applyAmericanPrefixVowels>},
};
// clang-format on

QTestData &row(const char *rule, const char *name) { return QTest::addRow("%s: %s", rule, name) << QString(rule); }

} // namespace

class TestPronunciationRules : public QObject {
    Q_OBJECT

private slots:
    void rules_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        // clang-format off
        // The whole chains.
        row("cmudict", "r before the stress stays an onset, weak secondary dropped") << "irregular" << "IH2 R EH1 G Y AH0 L ER0" << "ɪˈreɡ.jə.lər";
        row("cmudict", "ER0 before a vowel is ə + r") << "marine" << "M ER0 IY1 N" << "məˈriːn";
        row("cmudict", "-ice") << "notice" << "N OW1 T AH0 S" << "ˈnoʊ.tɪs";
        row("cmudict", "-ledge") << "knowledge" << "N AA1 L AH0 JH" << "ˈnɑː.lɪdʒ";
        row("cmudict", "-ies") << "toddies" << "T AA1 D IH0 Z" << "ˈtɑː.diz";
        row("cmudict", "re- with iː secondary") << "require" << "R IY2 K W AY1 ER0" << "rɪˈkwaɪər";
        row("cmudict", "en- with e") << "entitled" << "EH0 N T AY1 T AH0 L D" << "ɪnˈtaɪ.tl̩d";
        row("cmudict", "stress before -ion") << "circulation" << "S ER1 K Y AH0 L EY2 SH AH0 N" << "ˌsɜːr.kjəˈleɪ.ʃn̩";
        row("cmudict", "television keeps its stress") << "television" << "T EH1 L AH0 V IH2 ZH AH0 N" << "ˈtel.ə.vɪ.ʒn̩";
        row("espeakRP", "-ion of two syllables") << "bastion" << "b_'a_s_t_i@_n" << "ˈbæs.ti.ən";
        row("cmudict", "unknown symbol") << "x" << "XX1" << "";
        row("espeakRP", "elided schwa dropped") << "history" << "h_'I_s_t_@-_r_i" << "ˈhɪs.tri";
        row("espeakRP", "in- before k") << "including" << "I_N_k_l_'u:_d_I_N" << "ɪnˈkluː.dɪŋ";
        row("espeakRP", "-ular") << "particular" << "p_3_t_'I_k_j_U_l_a#" << "pəˈtɪk.jə.lə(r)";
        row("espeakRP", "en-") << "entire" << "E_n_t_'aI@" << "ɪnˈtaɪə(r)";
        row("espeakRP", "ob-") << "obtain" << "0_b_t_'eI_n" << "əbˈteɪn";
        row("espeakRP", "no r the spelling lacks") << "drawing" << "d_r_'O:_r_I_N" << "ˈdrɔː.ɪŋ";
        row("espeakRP", "here- keeps NEAR") << "herein" << "h_i@3_r_'I_n" << "hɪəˈrɪn";
        row("espeakRP", "ending voicing") << "faced" << "f_'eI_s_d" << "feɪst";
        row("espeakRP+cmudict", "CMUdict's weak vowel") << "astrologer" << "a#_s_t_r_'0_l_oU_dZ_a#|AH0 S T R AA1 L AH0 JH ER0" << "əˈstrɒl.ə.dʒə(r)";
        row("espeakRP+cmudict", "weak ʌ of autumn") << "autumn" << "'O:_t_V_m|AO1 T AH0 M" << "ˈɔː.təm";
        row("espeakRP+cmudict", "ɒ after the stress kept") << "rayon" << "r_'eI_0_n|R EY1 AH0 N" << "ˈreɪ.ɒn";
        row("espeakRP+cmudict", "last əʊ kept") << "kimono" << "k_I_m_'oU_n_oU|K AH0 M OW1 N AH0" << "kɪˈməʊ.nəʊ";
        row("espeakRP+cmudict", "compounds keep ʌ") << "hiccup" << "h_'I_k_V_p|HH IH1 K AH0 P" << "ˈhɪk.ʌp";
        row("espeakRP+cmudict", "two before the stress kept") << "connectivity" << "k_0_n_I2_k_t_'I_v_I2_t_i|K AH0 N EH0 K T IH1 V IH0 T IY0" << "ˌkɒn.ɪkˈtɪv.ə.ti";
        row("espeakRP+cmudict", "singular -is") << "trellis" << "t_r_'E_l_i_z|T R EH1 L AH0 S" << "ˈtrel.ɪs";
        row("espeakRP+cmudict", "z as CMUdict") << "husband" << "h_'V_s_b_@_n_d|HH AH1 Z B AH0 N D" << "ˈhʌz.bənd";
        row("espeakRP+cmudict", "British s kept") << "advertisement" << "a#_d_v_'3:_t_I_s_m_@_n_t|AE0 D V ER1 T AH0 Z M AH0 N T" << "ədˈvɜː.tɪ.smənt";
        row("espeakRP", "-n't a syllable") << "didn't" << "d_'I_d_n_t" << "ˈdɪd.n̩t";
        row("espeakRP+cmudict", "CMUdict's pretonic secondary and vowel") << "observation" << "0_b_z_@_v_'eI_S_@_n|AA2 B Z ER0 V EY1 SH AH0 N" << "ˌɒb.zəˈveɪ.ʃn̩";
        row("espeakRP+cmudict", "CMUdict's full vowel for espeak's ɪ") << "explanation" << "I_k_s_p_l_a#_n_'eI_S_@_n|EH2 K S P L AH0 N EY1 SH AH0 N" << "ˌek.spləˈneɪ.ʃn̩";
        row("espeakRP+cmudict", "in- with CMUdict's secondary") << "inability" << "I_n_a#_b_'I_l_@_t_i|IH2 N AH0 B IH1 L IH0 T IY0" << "ˌɪn.əˈbɪl.ə.ti";
        row("espeakRP+cmudict", "CMUdict's ɪ of a spelt e stays weak") << "electronic" << "I_l_E_k_t_r_'0_n_I_k|IH2 L EH0 K T R AA1 N IH0 K" << "ɪ.lekˈtrɒn.ɪk";
        row("espeakRP+cmudict", "the syllable before the stress keeps none") << "exact" << "I_g_z_'a_k_t|IH0 G Z AE1 K T" << "ɪɡˈzækt";
        row("espeakRP+cmudict", "welcome's ʌ weak") << "welcome" << "w_'E_l_k_V_m|W EH1 L K AH0 M" << "ˈwel.kəm";
        row("espeakRP+cmudict", "un- before it keeps ʌ") << "unwelcome" << "V_n_w_'E_l_k_V_m|AH0 N W EH1 L K AH0 M" << "ʌnˈwel.kəm";
        row("espeakRP", "au- unstressed") << "authority" << "a#_T_'0_r_I2_t_i" << "ɔːˈθɒr.ə.ti";
        row("cmudict", "re- again") << "rewrite" << "R IY0 R AY1 T" << "ˌriːˈraɪt";
        row("cmudict", "re- again before an ending") << "rebuilding" << "R IY0 B IH1 L D IH0 NG" << "ˌriːˈbɪl.dɪŋ";
        row("cmudict", "re- of another sense") << "remind" << "R IY0 M AY1 N D" << "rɪˈmaɪnd";
        row("espeakRP", "BATH vowel outside the set") << "plastic" << "p_l_'aa_s_t_I_k" << "ˈplæs.tɪk";
        row("espeakRP", "BATH vowel before n + consonant") << "sanction" << "s_'aa_N_k_S_@_n" << "ˈsæŋk.ʃn̩";
        row("espeakRP", "BATH vowel in the set") << "classes" << "k_l_'aa_s_I_z" << "ˈklɑː.sɪz";
        row("espeakRP", "BATH vowel where BATH cannot be") << "locale" << "l_oU_k_'aa_l" << "ləʊˈkɑːl";
        row("espeakRP", "-chester") << "manchester" << "m_'aa_n_tS_E_s_t_3" << "ˈmæn.tʃɪ.stə(r)";
        row("espeakRP", "unknown name") << "x" << "k_'Q" << "";
        row("espeakUS", "ər and flap t") << "water" << "w_'O:_t#_3" << "ˈwɔː.tər";
        row("espeakUS", "oʊ and LOT ɑː") << "photography" << "f_@_t_'0_g_r_@_f_i" << "fəˈtɑː.ɡrə.fi";
        row("espeakUS", "i@ unstressed is i + ə") << "abstemious" << "a#_b_s_t_'i:_m_i@_s" << "əbˈstiː.mi.əs";
        row("espeakUS", "i@ stressed is iː + ə") << "idea" << "aI_d_'i@" << "aɪˈdiː.ə";
        row("espeakUS", "i@ before r is NEAR") << "period" << "p_'i@_r_I2_;_@_d" << "ˈpɪr.i.əd";
        row("espeakUS", "unstressed NEAR is i + ər") << "croupiers" << "k_r_'u:_p_i@3_z" << "ˈkruː.pi.ərz";
        row("espeakUS", "-ies keeps happY") << "pixies" << "p_'I_k_s_i_z" << "ˈpɪk.siz";
        row("espeakUS", "in- before k") << "encodes" << "E_N_k_'oU_d_z" << "ɪnˈkoʊdz";
        row("espeakUS", "syllabic n") << "fattening" << "f_'a_?_n-_I_N" << "ˈfæt.ə.nɪŋ";
        row("espeakUS", "n after a glottal t") << "gettin" << "g_'E_?_n" << "ˈɡet.n̩";
        row("espeakUS", "n after a glottal t, vowel next") << "x" << "g_'E_?_n_I_N" << "ˈɡet.nɪŋ";

        // ARPAbet read, the American rhotic vowels fused.
        row("arpabet", "AH by stress") << "" << "AH1 AH0" << "ˈʌ.ə";
        row("arpabet", "IY0 is i") << "" << "HH AE1 P IY0" << "ˈhæp.i";
        row("arpabet", "vowel without digit") << "" << "K AE T" << "(fails)";
        row("arpabet", "consonant with digit") << "" << "K1 AE1 T" << "(fails)";
        row("arpabet", "empty") << "" << "" << "(fails)";
        row("arpabet", "iː r") << "" << "N IH1 R" << "ˈnɪr";
        row("arpabet", "eɪ r") << "" << "P R EY1 R" << "ˈprer";
        row("arpabet", "uː r") << "" << "P UW1 R" << "ˈpʊr";
        row("arpabet", "weak first vowel before r + stress") << "" << "IH0 R EH1 K T" << "ɪˈrekt";
        row("arpabet", "weak first e before r + weak vowel") << "" << "EH0 R AH0" << "e.rə";
        row("arpabet", "æ is not fused") << "" << "K AE1 R IY0" << "ˈkær.i";
        row("arpabet", "oʊ r + vowel is a compound") << "" << "EH1 L B OW0 R UW0 M" << "ˈel.boʊ.ruːm";

        // Syllables and stress marks.
        row("syllables", "stressed short vowel closes") << "" << "ˈsɪti" << "ˈsɪt.i";
        row("syllables", "long vowel stays open") << "" << "ˈiːzi" << "ˈiː.zi";
        row("syllables", "legal cluster str") << "" << "əˈstrɒnəmi" << "əˈstrɒn.ə.mi";
        row("syllables", "ŋ never begins a syllable") << "" << "ˈhæŋə" << "ˈhæŋ.ə";
        row("syllables", "illegal cluster ft") << "" << "ˈɑːftə" << "ˈɑːf.tə";
        row("syllables", "affricate is one consonant") << "" << "ɪksˈtʃeɪndʒ" << "ɪksˈtʃeɪndʒ";
        row("syllables", "secondary stress, no dot before a mark") << "" << "ˌɪnfəˈmeɪʃn̩" << "ˌɪn.fəˈmeɪ.ʃn̩";
        row("syllables", "syllabic consonant is a nucleus") << "" << "ˈbʌtn̩" << "ˈbʌt.n̩";
        row("onset", "str") << "" << "s t r" << "legal";
        row("onset", "dw") << "" << "d w" << "legal";
        row("onset", "tʃ") << "" << "tʃ" << "legal";
        row("onset", "tl") << "" << "t l" << "illegal";
        row("onset", "ŋ") << "" << "ŋ" << "illegal";
        row("onset", "pw") << "" << "p w" << "illegal";
        row("onset", "sr") << "" << "s r" << "illegal";
        row("suffixBoundaries", "-ness") << "cheerlessness" << "ˈtʃɪələsnəs" << "ˈtʃɪə.ləs.nəs";
        row("suffixBoundaries", "-ment") << "commencement" << "kəˈmensmənt" << "kəˈmens.mənt";
        row("suffixBoundaries", "-ly after a stem") << "exactly" << "ɪɡˈzæktli" << "ɪɡˈzækt.li";
        row("suffixBoundaries", "-ly without a stem") << "assembly" << "əˈsembli" << "əˈsem.bli";
        row("suffixBoundaries", "vowel before the suffix") << "lowly" << "ˈləʊli" << "ˈləʊ.li";
        row("dictionaryStress", "one syllable") << "" << "ˈkæt" << "kæt";
        row("dictionaryStress", "triphthong keeps its mark") << "" << "ˈfaɪə" << "ˈfaɪə";
        row("dictionaryStress", "secondary after the primary") << "" << "ˈfəʊtəˌɡrɑːf" << "ˈfəʊ.tə.ɡrɑːf";
        row("dictionaryStress", "secondary before the primary") << "" << "ˌɪnfəˈmeɪʃn̩" << "ˌɪn.fəˈmeɪ.ʃn̩";
        row("dictionaryStress", "two primaries") << "" << "ˈaʊtˈsaɪd" << "ˌaʊtˈsaɪd";
        row("dictionaryStress", "only a secondary") << "" << "əˌpɒn" << "əˈpɒn";
        row("pretonicSecondary", "full vowel two before") << "" << "æləˈbæmə" << "ˌæl.əˈbæm.ə";
        row("pretonicSecondary", "triphthong counts as two") << "" << "vaɪəˈleɪʃn̩" << "ˌvaɪəˈleɪ.ʃn̩";
        row("pretonicSecondary", "next to the primary") << "" << "ɒkˈtəʊbə" << "ɒkˈtəʊ.bə";
        row("pretonicSecondary", "weak vowel") << "" << "fəˈtɒɡrəfi" << "fəˈtɒɡ.rə.fi";
        row("pretonicSecondary", "already marked") << "" << "ˌɪnfəˈmeɪʃn̩" << "ˌɪn.fəˈmeɪ.ʃn̩";
        row("stressTransfer", "moved to a full vowel") << "" << "ˈbæbʊʃkə|B AH0 B UW1 SH K AH0" << "bæˈbʊʃ.kə moved";
        row("stressTransfer", "target is weak") << "" << "ˈkæbəs|K AH0 B AA1 S" << "ˈkæb.əs";
        row("stressTransfer", "CMUdict stresses it too") << "" << "ˈbæleɪ|B AE1 L EY2" << "ˈbæl.eɪ";
        row("stressTransfer", "syllable counts differ") << "" << "ˈfaɪə|F AY1 ER0" << "ˈfaɪə";

        // Vowels and consonants.
        row("linkingR", "ar") << "car" << "kɑː" << "kɑː(r)";
        row("linkingR", "er") << "father" << "ˈfɑː.ðə" << "ˈfɑː.ðə(r)";
        row("linkingR", "re") << "fire" << "ˈfaɪə" << "ˈfaɪə(r)";
        row("linkingR", "no r in the spelling") << "idea" << "aɪˈdɪə" << "aɪˈdɪə";
        row("linkingR", "r pronounced") << "err" << "ɜːr" << "ɜːr";
        row("linkingR", "marked already") << "more" << "mɔː(r)" << "mɔː(r)";
        row("nonRhotic", "before a consonant") << "" << "ˌkɜːrɡɪˈstɑːn" << "ˌkɜː.ɡɪˈstɑːn";
        row("nonRhotic", "before a vowel") << "" << "ˈveri" << "ˈver.i";
        row("nonRhotic", "after a consonant") << "" << "ˈtriː" << "ˈtriː";
        row("weakLongVowels", "final iː") << "" << "ˈkʌmpəniː" << "ˈkʌm.pə.ni";
        row("weakLongVowels", "iː before a vowel") << "" << "kriːˈeɪt" << "kriˈeɪt";
        row("weakLongVowels", "one syllable keeps iː") << "" << "θriː" << "θriː";
        row("weakLongVowels", "uː in an open syllable") << "" << "ˌedʒuːˈkeɪʃn̩" << "ˌedʒ.uˈkeɪ.ʃn̩";
        row("weakLongVowels", "uː closed by a consonant") << "" << "ˈbedruːm" << "ˈbed.ruːm";
        row("weakLongVowels", "final uː") << "" << "ˈvæljuː" << "ˈvæl.juː";
        row("weakLongVowels", "ɪ before a vowel") << "" << "θɪˈætrɪkl̩" << "θiˈæt.rɪ.kl̩";
        row("weakLongVowels", "stressed iː") << "" << "ˈiːvn̩" << "ˈiː.vn̩";
        row("triphthongs", "aɪ + ə") << "" << "ˈfaɪ.ə" << "ˈfaɪə";
        row("triphthongs", "stressed second vowel stays") << "" << "ˌriːˈækt" << "ˌriːˈækt";
        row("triphthongsAmE", "aʊ + ər") << "" << "ˈaʊ.ər" << "ˈaʊər";
        row("triphthongsAmE", "eɪ + ər stays") << "" << "ˈpleɪ.ər" << "ˈpleɪ.ər";
        row("syllabic", "tn after stress") << "" << "ˈbʌtən" << "ˈbʌt.n̩";
        row("syllabic", "ʃn unstressed before") << "" << "ˌɔːɡənaɪˈzeɪʃən" << "ˌɔː.ɡə.naɪˈzeɪ.ʃn̩";
        row("syllabic", "ʃn after a consonant") << "" << "ˈtenʃən" << "ˈten.ʃn̩";
        row("syllabic", "dn before t") << "" << "ˈstjuːdənt" << "ˈstjuː.dn̩t";
        row("syllabic", "no stress before") << "" << "ˈprezɪdənt" << "ˈprez.ɪ.dənt";
        row("syllabic", "p is not a syllabic site for n") << "" << "ˈhæpən" << "ˈhæp.ən";
        row("syllabic", "tl") << "" << "ˈlɪtəl" << "ˈlɪt.l̩";
        row("syllabic", "no syllabic l after r") << "" << "ˈdʒenərəl" << "ˈdʒen.ə.rəl";
        row("syllabic", "vowel follows") << "" << "ˈtəʊtəli" << "ˈtəʊ.tə.li";
        row("syllabic", "l after n after a consonant") << "" << "ˈnæʃnəl" << "ˈnæʃ.nəl";

        // Rules of the spelling.
        row("ary", "-ary full vowel") << "dictionary" << "ˈdɪkʃəneri" << "ˈdɪk.ʃə.nə.ri";
        row("ary", "-ary stressed stays") << "contrary" << "kənˈtreəri" << "kənˈtreə.ri";
        row("ary", "-ery not a suffix word") << "very" << "ˈveri" << "ˈver.i";
        row("suffix", "-ity") << "community" << "kəˈmjuːnɪti" << "kəˈmjuː.nə.ti";
        row("suffix", "-ities") << "cities" << "ˈsɪtɪz" << "ˈsɪt.ɪz";
        row("suffix", "-ibly") << "possibly" << "ˈpɒsɪbli" << "ˈpɒs.ə.bli";
        row("suffix", "-itive") << "positive" << "ˈpɒz.ɪ.tɪv" << "ˈpɒz.ə.tɪv";
        row("prefix", "in- stressed keeps ŋ") << "income" << "ˈɪŋkʌm" << "ˈɪŋ.kʌm";
        row("prefix", "ex-") << "expect" << "ekˈspekt" << "ɪkˈspekt";
        row("prefix", "es- before the stress") << "esteem" << "eˈstiːm" << "ɪˈstiːm";
        row("ending", "-ied") << "carried" << "ˈkærɪd" << "ˈkær.id";
        row("ending", "-iness") << "happiness" << "ˈhæpɪnəs" << "ˈhæp.i.nəs";
        row("bath", "BATH list") << "vast" << "væst" << "vɑːst";
        row("bath", "not in the BATH list") << "mast" << "mæst" << "mæst";
        row("bath", "BATH stem with -ed") << "advanced" << "ədˈvænst" << "ədˈvɑːnst";
        row("bath", "BATH stem with -er") << "staffer" << "ˈstæf.ə" << "ˈstɑː.fə";
        row("bath", "TRAP word with an ending") << "massed" << "mæst" << "mæst";
        row("ia", "-ia") << "area" << "ˈeə.rɪə" << "ˈeə.ri.ə";
        row("ia", "one syllable") << "" << "nɪə" << "nɪə";
        row("ia", "stressed") << "" << "aɪˈdɪə" << "aɪˈdɪə";
        row("ia", "NEAR spelt -eare stays") << "shakespeare" << "ˈʃeɪk.spɪə" << "ˈʃeɪk.spɪə";
        row("ia", "-e.ar after n") << "linear" << "ˈlɪn.ɪə" << "ˈlɪn.i.ə";
        row("one", "in a compound") << "someone" << "ˈsʌm.wɒn" << "ˈsʌm.wʌn";
        row("one", "with CMUdict's ɔː") << "twenty-one" << "ˈtwen.ti.wɔːn" << "ˈtwen.ti.wʌn";
        row("one", "once") << "once" << "wɒns" << "wʌns";
        row("one", "before a word") << "oneself" << "wɒnˈself" << "wʌnˈself";
        row("one", "a name that starts with one") << "oneida" << "ˈwɒn.ɪ.də" << "ˈwɒn.ɪ.də";
        row("one", "-one without w") << "gone" << "ɡɒn" << "ɡɒn";
        row("ion", "-ion after l") << "million" << "ˈmɪl.i.ən" << "ˈmɪl.jən";
        row("ion", "-ions after n") << "opinions" << "əˈpɪn.i.ənz" << "əˈpɪn.jənz";
        row("ion", "-ior after a long vowel") << "senior" << "ˈsiː.ni.ə" << "ˈsiː.njə";
        row("ionAmE", "-ior rhotic") << "junior" << "ˈdʒuː.ni.ər" << "ˈdʒuː.njər";
        row("ion", "-ian after a short stressed vowel") << "civilian" << "sɪˈvɪl.i.ən" << "sɪˈvɪl.jən";
        row("ion", "-ian after a long vowel") << "australian" << "ɒˈstreɪ.li.ən" << "ɒˈstreɪ.li.ən";
        row("ion", "-ion after p") << "champion" << "ˈtʃæm.pi.ən" << "ˈtʃæm.pi.ən";
        row("ion", "-lion after a consonant") << "ganglion" << "ˈɡæŋ.ɡli.ən" << "ˈɡæŋ.ɡli.ən";
        row("al", "al + consonant") << "salt" << "sɒlt" << "sɔːlt";
        row("al", "al + consonant, two syllables") << "alter" << "ˈɒl.tə" << "ˈɔːl.tə";
        row("al", "spelt ol") << "solve" << "sɒlv" << "sɒlv";
        row("al", "al and ol") << "alcohols" << "ˈæl.kə.hɒlz" << "ˈæl.kə.hɒlz";
        row("possessive", "after f") << "" << "waɪfz" << "waɪfs";
        row("possessive", "after a voiced sound") << "" << "dɒɡs" << "dɒɡz";
        row("possessive", "after a sibilant") << "" << "ˈbɒs.əz" << "ˈbɒs.ɪz";
        row("possessive", "after an affricate") << "" << "tʃɜːtʃs" << "tʃɜː.tʃɪz";
        row("compoundHappy", "every-") << "everything" << "ˈev.rɪ.θɪŋ|ˈev.ri" << "every ˈev.ri.θɪŋ";
        row("compoundHappy", "hyphenated") << "twenty-one" << "ˈtwen.tɪ.wʌn|ˈtwen.ti" << "twenty ˈtwen.ti.wʌn";
        row("compoundHappy", "first part not ending in i") << "keyboard" << "ˈkiː.bɔːd|kiː" << "key ˈkiː.bɔːd";
        row("compoundHappy", "phones of another word") << "everything" << "ˈev.ə.rɪ.θɪŋ|ˈev.ri" << "every ˈev.ə.rɪ.θɪŋ";
        row("compoundHappy", "an ending, not a word") << "partying" << "ˈpɑː.tɪ.ɪŋ|" << " ˈpɑː.tɪ.ɪŋ";

        // The American entry: its own weak vowels, then the rules that follow the British entry.
        row("weakAmE", "-ed after d") << "needed" << "ˈniːdəd" << "ˈniː.dɪd";
        row("weakAmE", "-ed after k") << "naked" << "ˈneɪkəd" << "ˈneɪ.kɪd";
        row("inflection", "ending") << "glasses" << "" << "glass + es";
        row("inflection", "e dropped") << "hoping" << "" << "hope + ing";
        row("inflection", "consonant doubled") << "running" << "" << "run + ing";
        row("inflection", "a stem that cannot have doubled") << "tinging" << "" << "ting + ing";
        row("inflection", "ss stays") << "glassing" << "" << "glass + ing";
        row("inflection", "y as i") << "carried" << "" << "carry + ed";
        row("inflection", "-s after an e stem") << "polarises" << "" << "polarise + s";
        row("inflection", "-es only after a sibilant or o") << "spites" << "" << "spite + s";
        row("inflection", "-th verb") << "bathed" << "" << "bathe + ed";
        row("inflection", "no stem") << "autumns" << "" << "(none)";
        row("agrees", "plain ending") << "" << "ˈɔː.təm|ˈɔː.təmz" << "agrees";
        row("agrees", "another vowel") << "" << "ˈɔː.təm|ˈɔː.tʌmz" << "differs";
        row("agrees", "linking r sounded") << "" << "ˈfɑː.ðə(r)|ˈfɑː.ðə.rɪŋ" << "agrees";
        row("agrees", "syllabic consonant before a vowel") << "" << "ˈbɒt.l̩|ˈbɒt.lɪŋ" << "agrees";
        row("agrees", "last vowel weakened") << "" << "ˈres.kjuː|ˈres.kju.ə(r)" << "agrees";
        row("agrees", "last weak vowel changed") << "" << "ˈveə.ri|ˈveə.rɪd" << "agrees";
        row("agrees", "an earlier weak vowel changed") << "" << "ˈkæt.ə.ɡə.ri|ˈkæt.ɪ.ɡə.riz" << "differs";
        row("agrees", "θ voiced") << "" << "pɑːθ|pɑːðz" << "agrees";
        row("agrees", "comparative ɡ") << "" << "lɒŋ|ˈlɒŋ.ɡə(r)" << "agrees";
        row("agrees", "-ate verb") << "" << "ˈsep.rət|ˈsep.ə.reɪts" << "differs";
        row("agrees", "-ate verb, same syllables") << "" << "ˈsep.ə.rət|ˈsep.ə.reɪts" << "agrees";
        row("agreesAmE", "rhotic nucleus before a vowel") << "" << "ˈmæt.ər|ˈmæt.ə.rɪŋ" << "agrees";
        row("inflected", "z") << "s" << "ˈɔː.təm" << "ˈɔː.təmz";
        row("inflected", "ɪz") << "es" << "ɡlɑːs" << "ˈɡlɑː.sɪz";
        row("inflected", "t") << "ed" << "ˈæsk" << "ˈæskt";
        row("inflected", "ɪd") << "ed" << "weɪt" << "ˈweɪ.tɪd";
        row("inflected", "linking r") << "ing" << "ˈfɑː.ðə(r)" << "ˈfɑː.ðə.rɪŋ";
        row("inflected", "syllabic consonant") << "ing" << "ˈbɒt.l̩" << "ˈbɒt.ə.lɪŋ";
        row("inflectedAmE", "weak ər") << "ing" << "ˈfɑː.ðər" << "ˈfɑː.ðə.rɪŋ";
        row("inflected", "no -er") << "er" << "lɒŋ" << "";
        row("bathSet", "a stem") << "class" << "" << "BATH";
        row("bathSet", "stem and ending") << "dancers" << "" << "BATH";
        row("bathSet", "the stem's e gone") << "dancing" << "" << "BATH";
        row("bathSet", "the stem's y as i") << "nastiest" << "" << "BATH";
        row("bathSet", "prefix") << "outclassed" << "" << "BATH";
        row("bathSet", "prefixes") << "rebroadcast" << "" << "BATH";
        row("bathSet", "first part of a compound") << "footpath" << "" << "BATH";
        row("bathSet", "second part of a compound") << "classroom" << "" << "BATH";
        row("bathSet", "ending and a word") << "laughingstock" << "" << "BATH";
        row("bathSet", "hyphen") << "first-class" << "" << "BATH";
        row("bathSet", "-graph") << "seismograph" << "" << "BATH";
        row("bathSet", "-ic") << "classic" << "" << "TRAP";
        row("bathSet", "-age is no compound") << "passage" << "" << "TRAP";
        row("bathSet", "stem inside a word") << "plastic" << "" << "TRAP";
        row("bathSet", "no stem") << "manchester" << "" << "TRAP";
        row("bathSet", "looks like a stem") << "castrated" << "" << "TRAP";
        row("weakAmE", "-ed after n stays") << "kindness" << "ˈkaɪndnəs" << "ˈkaɪnd.nəs";
        row("weakAmE", "-es after z") << "roses" << "ˈroʊzəz" << "ˈroʊ.zɪz";
        row("weakAmE", "be-") << "become" << "bəˈkʌm" << "bɪˈkʌm";
        row("weakAmE", "e-") << "event" << "əˈvent" << "ɪˈvent";
        row("weakAmE", "pre- stressed stays") << "present" << "ˈprezənt" << "ˈprez.ənt";
        row("weakAmE", "a- is no prefix") << "about" << "əˈbaʊt" << "əˈbaʊt";
        row("glideW", "-ual") << "usual" << "ˈjuːʒəwəl" << "ˈjuː.ʒu.əl";
        row("glideW", "spelt with w") << "always" << "ˈɔːlwəz" << "ˈɔːl.wəz";
        row("glideW", "stressed vowel after") << "duet" << "duːˈwet" << "duːˈwet";
        row("thought", "THOUGHT from the British ɔː") << "caught" << "kɑːt|kɔːt" << "kɔːt";
        row("thought", "PALM stays") << "father" << "ˈfɑː.ðər|ˈfɑː.ðə" << "ˈfɑː.ðər";
        row("thought", "nuclei that do not pair") << "awfully" << "ˈɑː.fli|ˈɔː.fə.li" << "ˈɑː.fli";
        row("pluralVoicing", "plural as the British entry") << "colas" << "ˈkoʊ.ləs|ˈkəʊ.ləz" << "ˈkoʊ.ləz";
        row("pluralVoicing", "no plural") << "atlas" << "ˈæt.ləs|ˈæt.ləz" << "ˈæt.ləs";
        row("weakI", "weak ɪ of the British form") << "digit" << "ˈdɪdʒ.ət|ˈdɪdʒ.ɪt" << "ˈdɪdʒ.ɪt";
        row("weakI", "weak ɪ before syllabic l") << "typical" << "ˈtɪp.ə.kəl|ˈtɪp.ɪ.kl̩" << "ˈtɪp.ɪ.kəl";
        row("weakI", "weak ɪ after a rhotic nucleus") << "origin" << "ˈɔːr.ə.dʒən|ˈɒr.ɪ.dʒɪn" << "ˈɔːr.ɪ.dʒɪn";
        row("weakI", "-ity is ə in both") << "city" << "ˈsɪt.ə.ti|ˈsɪt.ə.ti" << "ˈsɪt.ə.ti";
        row("weakI", "-ain keeps ə") << "captain" << "ˈkæp.tən|ˈkæp.tɪn" << "ˈkæp.tən";
        row("weakI", "another consonant, another syllable") << "x" << "ˈmɪn.ət|ˈmɪn.ɪd" << "ˈmɪn.ət";
        row("weakI", "stressed British ɪ") << "x" << "ˈɪn.ət|ˌɪnˈɪt" << "ˈɪn.ət";
        row("prefixAmE", "un- as in British") << "unhappy" << "ənˈhæp.i|ʌnˈhæp.i" << "ʌnˈhæp.i";
        row("prefixAmE", "un- weak in British too") << "until" << "ənˈtɪl|ənˈtɪl" << "ənˈtɪl";
        row("prefixAmE", "un- without a British form") << "unhappy" << "ənˈhæp.i|" << "ənˈhæp.i";
        row("prefixAmE", "en- secondary before the stress") << "enjoy" << "ˌenˈdʒɔɪ|ɪnˈdʒɔɪ" << "ɪnˈdʒɔɪ";
        row("prefixAmE", "stressed en-") << "enter" << "ˈen.tər|ˈen.tə" << "ˈen.tər";
        // clang-format on
    }
    void rules() {
        QFETCH(QString, rule);
        QFETCH(QString, word);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QVERIFY(kRules.contains(rule));
        QCOMPARE(kRules.value(rule)(word, input), expected);
    }
};

QTEST_GUILESS_MAIN(TestPronunciationRules)
#include "tst_rules.moc"
