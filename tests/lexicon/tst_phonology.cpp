// The conversion rules of the lexicon generator, one table per rule, and the whole chains
// from CMUdict and espeak-ng text to the lexicon notation.

#include "engine/phonology.h"
#include "generate.h"
#include "sources.h"

#include <QTemporaryFile>
#include <QtTest>

using namespace vocalith::lexicon;

namespace {

using Rule = void (*)(Pron &);
using WordRule = void (*)(const QString &, Pron &);

QString applied(Rule rule, const QString &notation, bool rhotic = false) {
    Pron p = parseNotation(notation, rhotic);
    rule(p);
    return renderPron(p);
}

QString applied(WordRule rule, const QString &word, const QString &notation, bool rhotic = false) {
    Pron p = parseNotation(notation, rhotic);
    rule(word, p);
    return renderPron(p);
}

QString fromArpabet(const QString &arpabet) {
    Pron p;
    return phonesFromArpabet(arpabet, p) ? renderPron(p) : QStringLiteral("(fails)");
}

} // namespace

class TestPhonology : public QObject {
    Q_OBJECT

private slots:
    // clang-format off
    void americanFromCmudict_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("arpabet");
        QTest::addColumn<QString>("expected");
        QTest::newRow("r before the stress stays an onset, weak secondary dropped") << "irregular"
                                                            << "IH2 R EH1 G Y AH0 L ER0"
                                                            << "ɪˈreɡ.jə.lər";
        QTest::newRow("ER0 before a vowel is ə + r") << "marine" << "M ER0 IY1 N" << "məˈriːn";
        QTest::newRow("-ice") << "notice" << "N OW1 T AH0 S" << "ˈnoʊ.tɪs";
        QTest::newRow("-ledge") << "knowledge" << "N AA1 L AH0 JH" << "ˈnɑː.lɪdʒ";
        QTest::newRow("-ies") << "toddies" << "T AA1 D IH0 Z" << "ˈtɑː.diz";
        QTest::newRow("re- with iː secondary") << "require" << "R IY2 K W AY1 ER0" << "rɪˈkwaɪər";
        QTest::newRow("en- with e") << "entitled" << "EH0 N T AY1 T AH0 L D" << "ɪnˈtaɪ.təld";
        QTest::newRow("unknown symbol") << "x" << "XX1" << "";
    }
    void americanFromCmudict() {
        QFETCH(QString, word);
        QFETCH(QString, arpabet);
        QFETCH(QString, expected);
        QCOMPARE(americanFromArpabet(word, arpabet), expected);
    }

    void britishFromEspeakRP_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("mnemonics");
        QTest::addColumn<QString>("expected");
        QTest::newRow("elided schwa dropped") << "history" << "h_'I_s_t_@-_r_i" << "ˈhɪs.tri";
        QTest::newRow("n before a cluster keeps ə") << "national" << "n_'a_S_@-_n_@L" << "ˈnæʃ.nəl";
        QTest::newRow("in- before k") << "including" << "I_N_k_l_'u:_d_I_N" << "ɪnˈkluː.dɪŋ";
        QTest::newRow("-ular") << "particular" << "p_3_t_'I_k_j_U_l_a#" << "pəˈtɪk.jə.lə(r)";
        QTest::newRow("en-") << "entire" << "E_n_t_'aI@" << "ɪnˈtaɪə(r)";
        QTest::newRow("ob-") << "obtain" << "0_b_t_'eI_n" << "əbˈteɪn";
        QTest::newRow("unknown name") << "x" << "k_'Q" << "";
    }
    void britishFromEspeakRP() {
        QFETCH(QString, word);
        QFETCH(QString, mnemonics);
        QFETCH(QString, expected);
        QCOMPARE(britishFromEspeak(word, mnemonics, QString()), expected);
    }

    void americanFromEspeakUS_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("mnemonics");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ər and flap t") << "water" << "w_'O:_t#_3" << "ˈwɔː.tər";
        QTest::newRow("oʊ and LOT ɑː") << "photography" << "f_@_t_'0_g_r_@_f_i" << "fəˈtɑː.ɡrə.fi";
    }
    void americanFromEspeakUS() {
        QFETCH(QString, word);
        QFETCH(QString, mnemonics);
        QFETCH(QString, expected);
        QCOMPARE(americanFromEspeak(word, mnemonics), expected);
    }

    void syllables_data() {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("stressed short vowel closes") << "ˈsɪti" << "ˈsɪt.i";
        QTest::newRow("long vowel stays open") << "ˈiːzi" << "ˈiː.zi";
        QTest::newRow("legal cluster str") << "əˈstrɒnəmi" << "əˈstrɒn.ə.mi";
        QTest::newRow("st after a short stressed vowel") << "ˈmɪstə" << "ˈmɪs.tə";
        QTest::newRow("ŋ never begins a syllable") << "ˈhæŋə" << "ˈhæŋ.ə";
        QTest::newRow("illegal cluster ft") << "ˈɑːftə" << "ˈɑːf.tə";
        QTest::newRow("affricate is one consonant") << "ɪksˈtʃeɪndʒ" << "ɪksˈtʃeɪndʒ";
        QTest::newRow("secondary stress, no dot before a mark") << "ˌɪnfəˈmeɪʃn̩" << "ˌɪn.fəˈmeɪ.ʃn̩";
        QTest::newRow("syllabic consonant is a nucleus") << "ˈbʌtn̩" << "ˈbʌt.n̩";
        QTest::newRow("pl onset") << "ˈeɪprɪl" << "ˈeɪ.prɪl";
    }
    void syllables() {
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        QCOMPARE(renderPron(parseNotation(notation)), expected);
    }

    void onsets_data() {
        QTest::addColumn<QStringList>("cluster");
        QTest::addColumn<bool>("legal");
        QTest::newRow("spl") << QStringList{"s", "p", "l"} << true;
        QTest::newRow("str") << QStringList{"s", "t", "r"} << true;
        QTest::newRow("dw") << QStringList{"d", "w"} << true;
        QTest::newRow("tl") << QStringList{"t", "l"} << false;
        QTest::newRow("ŋ") << QStringList{"ŋ"} << false;
        QTest::newRow("pw") << QStringList{"p", "w"} << false;
        QTest::newRow("sr") << QStringList{"s", "r"} << false;
        QTest::newRow("tʃ") << QStringList{"tʃ"} << true;
    }
    void onsets() {
        QFETCH(QStringList, cluster);
        QFETCH(bool, legal);
        QCOMPARE(isLegalOnset(cluster), legal);
    }

    void linkingR_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("british");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ar") << "car" << "kɑː" << "kɑː(r)";
        QTest::newRow("er") << "father" << "ˈfɑː.ðə" << "ˈfɑː.ðə(r)";
        QTest::newRow("re") << "fire" << "ˈfaɪə" << "ˈfaɪə(r)";
        QTest::newRow("eə") << "care" << "keə" << "keə(r)";
        QTest::newRow("no r in the spelling") << "idea" << "aɪˈdɪə" << "aɪˈdɪə";
        QTest::newRow("final consonant") << "bird" << "bɜːd" << "bɜːd";
        QTest::newRow("r pronounced") << "err" << "ɜːr" << "ɜːr";
        QTest::newRow("marked already") << "more" << "mɔː(r)" << "mɔː(r)";
        QTest::newRow("short vowel") << "genre" << "ˈʒɒn.rə" << "ˈʒɒn.rə(r)";
    }
    void linkingR() {
        QFETCH(QString, word);
        QFETCH(QString, british);
        QFETCH(QString, expected);
        QCOMPARE(withLinkingR(word, british), expected);
    }

    void nonRhotic_data() {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("before a consonant") << "ˌkɜːrɡɪˈstɑːn" << "ˌkɜː.ɡɪˈstɑːn";
        QTest::newRow("final") << "ˈfɔːr" << "ˈfɔː";
        QTest::newRow("before a vowel") << "ˈveri" << "ˈver.i";
        QTest::newRow("after a consonant") << "ˈtriː" << "ˈtriː";
    }
    void nonRhotic() {
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        QCOMPARE(applied(dropNonPrevocalicR, notation), expected);
    }

    void suffixBoundaries_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("-ness") << "cheerlessness" << "ˈtʃɪələsnəs" << "ˈtʃɪə.ləs.nəs";
        QTest::newRow("-ment") << "commencement" << "kəˈmensmənt" << "kəˈmens.mənt";
        QTest::newRow("-ly after a stem") << "exactly" << "ɪɡˈzæktli" << "ɪɡˈzækt.li";
        QTest::newRow("-ly without a stem") << "assembly" << "əˈsembli" << "əˈsem.bli";
        QTest::newRow("vowel before the suffix") << "lowly" << "ˈləʊli" << "ˈləʊ.li";
    }
    void suffixBoundaries() {
        QFETCH(QString, word);
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        const QStringList words = {"cheerless", "commence", "exact", "low"};
        Pron p = parseNotation(notation);
        markSuffixBoundaries(word, p, [&](const QString &w) { return words.contains(w); });
        QCOMPARE(renderPron(p), expected);
    }

    void dictionaryStress_data() {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one syllable") << "ˈkæt" << "kæt";
        QTest::newRow("triphthong keeps its mark") << "ˈfaɪə" << "ˈfaɪə";
        QTest::newRow("secondary after the primary") << "ˈfəʊtəˌɡrɑːf" << "ˈfəʊ.tə.ɡrɑːf";
        QTest::newRow("secondary before the primary") << "ˌɪnfəˈmeɪʃn̩" << "ˌɪn.fəˈmeɪ.ʃn̩";
        QTest::newRow("two primaries") << "ˈaʊtˈsaɪd" << "ˌaʊtˈsaɪd";
        QTest::newRow("only a secondary") << "əˌpɒn" << "əˈpɒn";
    }
    void dictionaryStress() {
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        QCOMPARE(applied(applyDictionaryStress, notation), expected);
    }

    void pretonicSecondary_data() {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("full vowel two before") << "æləˈbæmə" << "ˌæl.əˈbæm.ə";
        QTest::newRow("triphthong counts as two") << "vaɪəˈleɪʃn̩" << "ˌvaɪəˈleɪ.ʃn̩";
        QTest::newRow("next to the primary") << "ɒkˈtəʊbə" << "ɒkˈtəʊ.bə";
        QTest::newRow("weak vowel") << "fəˈtɒɡrəfi" << "fəˈtɒɡ.rə.fi";
        QTest::newRow("already marked") << "ˌɪnfəˈmeɪʃn̩" << "ˌɪn.fəˈmeɪ.ʃn̩";
    }
    void pretonicSecondary() {
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        QCOMPARE(applied(addPretonicSecondary, notation), expected);
    }

    void weakLongVowels_data() {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("final iː") << "ˈkʌmpəniː" << "ˈkʌm.pə.ni";
        QTest::newRow("iː before a vowel") << "kriːˈeɪt" << "kriˈeɪt";
        QTest::newRow("one syllable keeps iː") << "θriː" << "θriː";
        QTest::newRow("uː in an open syllable") << "ˌedʒuːˈkeɪʃn̩" << "ˌedʒ.uˈkeɪ.ʃn̩";
        QTest::newRow("uː closed by a consonant") << "ˈbedruːm" << "ˈbed.ruːm";
        QTest::newRow("final uː") << "ˈvæljuː" << "ˈvæl.juː";
        QTest::newRow("ɪ before a vowel") << "θɪˈætrɪkl̩" << "θiˈæt.rɪ.kl̩";
        QTest::newRow("stressed iː") << "ˈiːvn̩" << "ˈiː.vn̩";
    }
    void weakLongVowels() {
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        QCOMPARE(applied(weakenUnstressedLongVowels, notation), expected);
    }

    void triphthongs_data() {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<bool>("rhotic");
        QTest::addColumn<QString>("expected");
        QTest::newRow("aɪ + ə") << "ˈfaɪ.ə" << false << "ˈfaɪə";
        QTest::newRow("eɪ + ə") << "ˈpleɪ.ə" << false << "ˈpleɪə";
        QTest::newRow("stressed second vowel stays") << "ˌriːˈækt" << false << "ˌriːˈækt";
        QTest::newRow("American aʊ + ər") << "ˈaʊ.ər" << true << "ˈaʊər";
        QTest::newRow("American eɪ + ər stays") << "ˈpleɪ.ər" << true << "ˈpleɪ.ər";
    }
    void triphthongs() {
        QFETCH(QString, notation);
        QFETCH(bool, rhotic);
        QFETCH(QString, expected);
        QCOMPARE(applied(mergeTriphthongs, notation, rhotic), expected);
    }

    void syllabicConsonants_data() {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tn after stress") << "ˈbʌtən" << "ˈbʌt.n̩";
        QTest::newRow("ʃn unstressed before") << "ˌɔːɡənaɪˈzeɪʃən" << "ˌɔː.ɡə.naɪˈzeɪ.ʃn̩";
        QTest::newRow("dn before t") << "ˈstjuːdənt" << "ˈstjuː.dn̩t";
        QTest::newRow("zn before d") << "ˈθaʊzənd" << "ˈθaʊ.zn̩d";
        QTest::newRow("no stress before") << "ˈprezɪdənt" << "ˈprez.ɪ.dənt";
        QTest::newRow("after a nasal cluster") << "ˈlʌndən" << "ˈlʌn.dən";
        QTest::newRow("p is not a syllabic site for n") << "ˈhæpən" << "ˈhæp.ən";
        QTest::newRow("tl") << "ˈlɪtəl" << "ˈlɪt.l̩";
        QTest::newRow("no syllabic l after r") << "ˈdʒenərəl" << "ˈdʒen.ə.rəl";
        QTest::newRow("vowel follows") << "ˈtəʊtəli" << "ˈtəʊ.tə.li";
        QTest::newRow("l after n after a consonant") << "ˈnæʃnəl" << "ˈnæʃ.nəl";
        QTest::newRow("stressed ə untouched") << "ˈən" << "ˈən";
    }
    void syllabicConsonants() {
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        QCOMPARE(applied(applySyllabicConsonants, notation), expected);
    }

    void britishWordRules_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("-ary full vowel") << "ary" << "dictionary" << "ˈdɪkʃəneri" << "ˈdɪk.ʃə.nə.ri";
        QTest::newRow("-ary stressed stays") << "ary" << "contrary" << "kənˈtreəri" << "kənˈtreə.ri";
        QTest::newRow("-ery not a suffix word") << "ary" << "very" << "ˈveri" << "ˈver.i";
        QTest::newRow("-ity") << "suffix" << "community" << "kəˈmjuːnɪti" << "kəˈmjuː.nə.ti";
        QTest::newRow("-ities") << "suffix" << "cities" << "ˈsɪtɪz" << "ˈsɪt.ɪz";
        QTest::newRow("-ibly") << "suffix" << "possibly" << "ˈpɒsɪbli" << "ˈpɒs.ə.bli";
        QTest::newRow("in- stressed keeps ŋ") << "prefix" << "income" << "ˈɪŋkʌm" << "ˈɪŋ.kʌm";
        QTest::newRow("ex-") << "prefix" << "expect" << "ekˈspekt" << "ɪkˈspekt";
        QTest::newRow("-ied") << "ending" << "carried" << "ˈkærɪd" << "ˈkær.id";
        QTest::newRow("-iness") << "ending" << "happiness" << "ˈhæpɪnəs" << "ˈhæp.i.nəs";
        QTest::newRow("BATH list") << "bath" << "vast" << "væst" << "vɑːst";
        QTest::newRow("not in the BATH list") << "bath" << "mast" << "mæst" << "mæst";
    }
    void britishWordRules() {
        QFETCH(QString, rule);
        QFETCH(QString, word);
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        const QHash<QString, WordRule> rules = {{"ary", reduceAryEnding},     {"suffix", reduceWeakSuffixes},
                                                {"prefix", reduceWeakPrefixes}, {"ending", applyWeakEndings},
                                                {"bath", applyBathVowel}};
        QCOMPARE(applied(rules.value(rule), word, notation), expected);
    }

    void splitIa_data() {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("-ia") << "ˈeərɪə" << "ˈeə.ri.ə";
        QTest::newRow("one syllable") << "nɪə" << "nɪə";
        QTest::newRow("stressed") << "aɪˈdɪə" << "aɪˈdɪə";
    }
    void splitIa() {
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        QCOMPARE(applied(splitUnstressedIa, notation), expected);
    }

    void americanWeakVowels_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("-ed after d") << "needed" << "ˈniːdəd" << "ˈniː.dɪd";
        QTest::newRow("-ed after k") << "naked" << "ˈneɪkəd" << "ˈneɪ.kɪd";
        QTest::newRow("-ed after n stays") << "kindness" << "ˈkaɪndnəs" << "ˈkaɪnd.nəs";
        QTest::newRow("-es after z") << "roses" << "ˈroʊzəz" << "ˈroʊ.zɪz";
        QTest::newRow("be-") << "become" << "bəˈkʌm" << "bɪˈkʌm";
        QTest::newRow("e-") << "event" << "əˈvent" << "ɪˈvent";
        QTest::newRow("pre- stressed stays") << "present" << "ˈprezənt" << "ˈprez.ənt";
        QTest::newRow("a- is no prefix") << "about" << "əˈbaʊt" << "əˈbaʊt";
    }
    void americanWeakVowels() {
        QFETCH(QString, word);
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        QCOMPARE(applied(applyAmericanWeakVowels, word, notation, true), expected);
    }

    void glideW_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("-ual") << "usual" << "ˈjuːʒəwəl" << "ˈjuː.ʒu.əl";
        QTest::newRow("spelt with w") << "always" << "ˈɔːlwəz" << "ˈɔːl.wəz";
        QTest::newRow("stressed vowel after") << "duet" << "duːˈwet" << "duːˈwet";
    }
    void glideW() {
        QFETCH(QString, word);
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        QCOMPARE(applied(removeGlideW, word, notation, true), expected);
    }

    void rhoticFusion_data() {
        QTest::addColumn<QString>("arpabet");
        QTest::addColumn<QString>("expected");
        QTest::newRow("iː r") << "N IH1 R" << "ˈnɪr";
        QTest::newRow("eɪ r") << "P R EY1 R" << "ˈprer";
        QTest::newRow("uː r") << "P UW1 R" << "ˈpʊr";
        QTest::newRow("weak first vowel before r + stress") << "IH0 R EH1 K T" << "ɪˈrekt";
        QTest::newRow("weak first e before r + weak vowel") << "EH0 R AH0" << "e.rə";
        QTest::newRow("æ is not fused") << "K AE1 R IY0" << "ˈkær.i";
        QTest::newRow("oʊ r + vowel is a compound") << "EH1 L B OW0 R UW0 M" << "ˈel.boʊ.ruːm";
    }
    void rhoticFusion() {
        QFETCH(QString, arpabet);
        QFETCH(QString, expected);
        Pron p;
        QVERIFY(phonesFromArpabet(arpabet, p));
        fuseAmericanRhotics(p);
        QCOMPARE(renderPron(p), expected);
    }

    void arpabet_data() {
        QTest::addColumn<QString>("arpabet");
        QTest::addColumn<QString>("expected");
        QTest::newRow("AH by stress") << "AH1 AH0" << "ˈʌ.ə";
        QTest::newRow("IY0 is i") << "HH AE1 P IY0" << "ˈhæp.i";
        QTest::newRow("vowel without digit") << "K AE T" << "(fails)";
        QTest::newRow("consonant with digit") << "K1 AE1 T" << "(fails)";
        QTest::newRow("empty") << "" << "(fails)";
    }
    void arpabet() {
        QFETCH(QString, arpabet);
        QFETCH(QString, expected);
        QCOMPARE(fromArpabet(arpabet), expected);
    }

    void stressCrossCheck_data() {
        QTest::addColumn<QString>("british");
        QTest::addColumn<QString>("arpabet");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QString>("expected");
        QTest::newRow("moved to a full vowel") << "ˈbæbʊʃkə" << "B AH0 B UW1 SH K AH0" << true << "bæˈbʊʃ.kə";
        QTest::newRow("target is weak") << "ˈkæbəs" << "K AH0 B AA1 S" << false << "ˈkæb.əs";
        QTest::newRow("CMUdict stresses it too") << "ˈbæleɪ" << "B AE1 L EY2" << false << "ˈbæl.eɪ";
        QTest::newRow("syllable counts differ") << "ˈfaɪə" << "F AY1 ER0" << false << "ˈfaɪə";
    }
    void stressCrossCheck() {
        QFETCH(QString, british);
        QFETCH(QString, arpabet);
        QFETCH(bool, moved);
        QFETCH(QString, expected);
        Pron b = parseNotation(british), a;
        QVERIFY(phonesFromArpabet(arpabet, a));
        QCOMPARE(transferPrimaryStress(b, a), moved);
        QCOMPARE(renderPron(b), expected);
    }

    void sourceFiles() {
        QTemporaryFile npm, list;
        QVERIFY(npm.open() && list.open());
        npm.write("export const dictionary = {\n  \"cat\": \"K AE1 T\",\n  \"cat(2)\": \"K AA1 T\",\n"
                  "  \"Dog\": \"D AO1 G\",\n}\n");
        list.write("Apple\napple\napple's\nNASA\nParis\nParis's\ncat\n");
        npm.close();
        list.close();
        QMap<QString, QString> dict;
        QVERIFY(readCmudict(npm.fileName(), dict, nullptr));
        QCOMPARE(dict.value("cat"), QString("K AE1 T")); // the first pronunciation wins
        QCOMPARE(dict.value("dog"), QString("D AO1 G"));
        QCOMPARE(dict.size(), 2);
        QHash<QString, bool> words;
        QVERIFY(readWordList(list.fileName(), words, nullptr));
        QCOMPARE(words.value("apple"), true);
        QCOMPARE(words.value("nasa"), false);
        QCOMPARE(words.value("paris"), false);
        QVERIFY(!words.contains("apple's"));
        QVERIFY(!readCmudict(QStringLiteral("/nonexistent/cmudict"), dict, nullptr));
    }

    void hidden_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("common word") << "nation" << true << false;
        QTest::newRow("name or rare word") << "aaberg" << false << true;
        QTest::newRow("apostrophe") << "o'clock" << true << true;
        QTest::newRow("abbreviation with dots") << "a.m." << true << true;
    }
    void hidden() {
        QFETCH(QString, word);
        QFETCH(bool, listed);
        QFETCH(bool, hidden);
        QCOMPARE(hiddenFromRhymes(word, listed), hidden);
    }

    // Rules that follow the British entry: american and british as rendered, the American rhotic.
    void crossAccentRules_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("american");
        QTest::addColumn<QString>("british");
        QTest::addColumn<QString>("expected");
        QTest::newRow("THOUGHT from the British ɔː") << "thought" << "caught" << "kɑːt" << "kɔːt" << "kɔːt";
        QTest::newRow("PALM stays") << "thought" << "father" << "ˈfɑː.ðər" << "ˈfɑː.ðə" << "ˈfɑː.ðər";
        QTest::newRow("LOT stays") << "thought" << "body" << "ˈbɑː.di" << "ˈbɒd.i" << "ˈbɑː.di";
        QTest::newRow("nuclei that do not pair") << "thought" << "awfully" << "ˈɑː.fli" << "ˈɔː.fə.li" << "ˈɑː.fli";
        QTest::newRow("weak ɪ of the British form") << "weakI" << "digit" << "ˈdɪdʒ.ət" << "ˈdɪdʒ.ɪt" << "ˈdɪdʒ.ɪt";
        QTest::newRow("weak ɪ before syllabic l") << "weakI" << "typical" << "ˈtɪp.ə.kəl" << "ˈtɪp.ɪ.kl̩"
                                                  << "ˈtɪp.ɪ.kəl";
        QTest::newRow("weak ɪ after a rhotic nucleus") << "weakI" << "origin" << "ˈɔːr.ə.dʒən" << "ˈɒr.ɪ.dʒɪn"
                                                       << "ˈɔːr.ɪ.dʒɪn";
        QTest::newRow("-ity is ə in both") << "weakI" << "city" << "ˈsɪt.ə.ti" << "ˈsɪt.ə.ti" << "ˈsɪt.ə.ti";
        QTest::newRow("-ain keeps ə") << "weakI" << "captain" << "ˈkæp.tən" << "ˈkæp.tɪn" << "ˈkæp.tən";
        QTest::newRow("another consonant, another syllable") << "weakI" << "x" << "ˈmɪn.ət" << "ˈmɪn.ɪd" << "ˈmɪn.ət";
        QTest::newRow("stressed British ɪ") << "weakI" << "x" << "ˈɪn.ət" << "ˌɪnˈɪt" << "ˈɪn.ət";
        QTest::newRow("un- as in British") << "prefix" << "unhappy" << "ənˈhæp.i" << "ʌnˈhæp.i" << "ʌnˈhæp.i";
        QTest::newRow("un- weak in British too") << "prefix" << "until" << "ənˈtɪl" << "ənˈtɪl" << "ənˈtɪl";
        QTest::newRow("un- without a British form") << "prefix" << "unhappy" << "ənˈhæp.i" << "" << "ənˈhæp.i";
        QTest::newRow("en- secondary before the stress") << "prefix" << "enjoy" << "ˌenˈdʒɔɪ" << "ɪnˈdʒɔɪ"
                                                         << "ɪnˈdʒɔɪ";
        QTest::newRow("stressed en-") << "prefix" << "enter" << "ˈen.tər" << "ˈen.tə" << "ˈen.tər";
    }
    void crossAccentRules() {
        QFETCH(QString, rule);
        QFETCH(QString, word);
        QFETCH(QString, american);
        QFETCH(QString, british);
        QFETCH(QString, expected);
        Pron a = parseNotation(american, true);
        const Pron b = parseNotation(british);
        if (rule == QLatin1String("thought"))
            applyAmericanThought(a, b);
        else if (rule == QLatin1String("weakI"))
            applySharedWeakI(word, a, b);
        else
            applyAmericanPrefixVowels(word, a, b);
        QCOMPARE(renderPron(a), expected);
    }

    void classRules_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one in a compound") << "one" << "someone" << "ˈsʌm.wɒn" << "ˈsʌm.wʌn";
        QTest::newRow("one with CMUdict's ɔː") << "one" << "twenty-one" << "ˈtwen.ti.wɔːn" << "ˈtwen.ti.wʌn";
        QTest::newRow("once") << "one" << "once" << "wɒns" << "wʌns";
        QTest::newRow("one before a word") << "one" << "oneself" << "wɒnˈself" << "wʌnˈself";
        QTest::newRow("a name that starts with one") << "one" << "oneida" << "ˈwɒn.ɪ.də" << "ˈwɒn.ɪ.də";
        QTest::newRow("-one without w") << "one" << "gone" << "ɡɒn" << "ɡɒn";
        QTest::newRow("-ion after l") << "ion" << "million" << "ˈmɪl.i.ən" << "ˈmɪl.jən";
        QTest::newRow("-ions after n") << "ion" << "opinions" << "əˈpɪn.i.ənz" << "əˈpɪn.jənz";
        QTest::newRow("-ior after a long vowel") << "ion" << "senior" << "ˈsiː.ni.ə" << "ˈsiː.njə";
        QTest::newRow("-ior rhotic") << "ion" << "junior" << "ˈdʒuː.ni.ər" << "ˈdʒuː.njər";
        QTest::newRow("-ian after a short stressed vowel") << "ion" << "civilian" << "sɪˈvɪl.i.ən" << "sɪˈvɪl.jən";
        QTest::newRow("-ian after a long vowel") << "ion" << "australian" << "ɒˈstreɪ.li.ən" << "ɒˈstreɪ.li.ən";
        QTest::newRow("-ion after p") << "ion" << "champion" << "ˈtʃæm.pi.ən" << "ˈtʃæm.pi.ən";
        QTest::newRow("-lion after a consonant") << "ion" << "ganglion" << "ˈɡæŋ.ɡli.ən" << "ˈɡæŋ.ɡli.ən";
        QTest::newRow("al + consonant") << "al" << "salt" << "sɒlt" << "sɔːlt";
        QTest::newRow("al + consonant, two syllables") << "al" << "alter" << "ˈɒl.tə" << "ˈɔːl.tə";
        QTest::newRow("spelt ol") << "al" << "solve" << "sɒlv" << "sɒlv";
        QTest::newRow("al and ol") << "al" << "alcohols" << "ˈæl.kə.hɒlz" << "ˈæl.kə.hɒlz";
        QTest::newRow("BATH stem with -ed") << "bath" << "advanced" << "ədˈvænst" << "ədˈvɑːnst";
        QTest::newRow("BATH stem with -es") << "bath" << "advances" << "ədˈvæn.sɪz" << "ədˈvɑːn.sɪz";
        QTest::newRow("BATH stem with -er") << "bath" << "staffer" << "ˈstæf.ə" << "ˈstɑː.fə";
        QTest::newRow("TRAP word with an ending") << "bath" << "massed" << "mæst" << "mæst";
        QTest::newRow("-itive") << "suffix" << "positive" << "ˈpɒz.ɪ.tɪv" << "ˈpɒz.ə.tɪv";
        QTest::newRow("es- before the stress") << "prefix" << "esteem" << "eˈstiːm" << "ɪˈstiːm";
        QTest::newRow("NEAR spelt -eare stays") << "ia" << "shakespeare" << "ˈʃeɪk.spɪə" << "ˈʃeɪk.spɪə";
        QTest::newRow("NEAR spelt -ere stays") << "ia" << "atmospheres" << "ˈæt.mə.sfɪəz" << "ˈæt.mə.sfɪəz";
        QTest::newRow("-e.ar after n") << "ia" << "linear" << "ˈlɪn.ɪə" << "ˈlɪn.i.ə";
        QTest::newRow("-ia") << "ia" << "area" << "ˈeə.rɪə" << "ˈeə.ri.ə";
        QTest::newRow("possessive after f") << "possessive" << "wife's" << "waɪfz" << "waɪfs";
        QTest::newRow("possessive after a voiced sound") << "possessive" << "dog's" << "dɒɡs" << "dɒɡz";
        QTest::newRow("possessive after a sibilant") << "possessive" << "boss's" << "ˈbɒs.əz" << "ˈbɒs.ɪz";
        QTest::newRow("possessive after an affricate") << "possessive" << "church's" << "tʃɜːtʃs" << "tʃɜː.tʃɪz";
    }
    void classRules() {
        QFETCH(QString, rule);
        QFETCH(QString, word);
        QFETCH(QString, notation);
        QFETCH(QString, expected);
        const QSet<QString> words = {"self", "ida", "some", "twenty"};
        Pron p = parseNotation(notation, notation.contains(QStringLiteral("ər")));
        if (rule == QLatin1String("one"))
            applyOneVowel(word, p, [&](const QString &w) { return words.contains(w); });
        else if (rule == QLatin1String("ion"))
            applyGlideBeforeIon(word, p);
        else if (rule == QLatin1String("al"))
            applyBritishAlVowel(word, p);
        else if (rule == QLatin1String("bath"))
            applyBathVowel(word, p);
        else if (rule == QLatin1String("suffix"))
            reduceWeakSuffixes(word, p);
        else if (rule == QLatin1String("prefix"))
            reduceWeakPrefixes(word, p);
        else if (rule == QLatin1String("ia"))
            splitUnstressedIa(word, p);
        else
            applyPossessiveEnding(p);
        QCOMPARE(renderPron(p), expected);
    }

    void compoundHappy_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("firstPart");
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("partNotation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("every-") << "everything" << "every" << "ˈev.rɪ.θɪŋ" << "ˈev.ri" << "ˈev.ri.θɪŋ";
        QTest::newRow("any-") << "anywhere" << "any" << "ˈen.ɪ.weə" << "ˈen.i" << "ˈen.i.weə";
        QTest::newRow("hyphenated") << "twenty-one" << "twenty" << "ˈtwen.tɪ.wʌn" << "ˈtwen.ti" << "ˈtwen.ti.wʌn";
        QTest::newRow("first part not ending in i") << "keyboard" << "key" << "ˈkiː.bɔːd" << "kiː" << "ˈkiː.bɔːd";
        QTest::newRow("phones of another word") << "everything" << "every" << "ˈev.ə.rɪ.θɪŋ" << "ˈev.ri"
                                                << "ˈev.ə.rɪ.θɪŋ";
        QTest::newRow("an ending, not a word") << "partying" << "" << "ˈpɑː.tɪ.ɪŋ" << "" << "ˈpɑː.tɪ.ɪŋ";
    }
    void compoundHappy() {
        QFETCH(QString, word);
        QFETCH(QString, firstPart);
        QFETCH(QString, notation);
        QFETCH(QString, partNotation);
        QFETCH(QString, expected);
        const QSet<QString> words = {"every", "thing", "any", "where", "twenty", "one", "key", "board", "party"};
        QCOMPARE(happyFirstPart(word, [&](const QString &w) { return words.contains(w); }), firstPart);
        Pron p = parseNotation(notation);
        if (!firstPart.isEmpty())
            applyCompoundHappy(p, parseNotation(partNotation));
        QCOMPARE(renderPron(p), expected);
    }

    // The whole generator on a small CMUdict: possessives of stored words are left to the
    // transcriber, the American entry follows the British one, and the rules are counted.
    void generatorSecondRound() {
        QTemporaryFile npm, list;
        QVERIFY(npm.open() && list.open());
        npm.write("export const dictionary = {\n  \"caught\": \"K AA1 T\",\n  \"wife\": \"W AY1 F\",\n"
                  "  \"wife's\": \"W AY1 F S\",\n  \"xanadu's\": \"Z AE1 N AH0 D UW2 Z\",\n}\n");
        list.write("caught\nwife\n");
        npm.close();
        list.close();
        GeneratorInputs inputs;
        inputs.cmudict = npm.fileName();
        inputs.wordLists = {list.fileName()};
        inputs.keepChanges = true;
        Table words;
        GeneratorReport report;
        QString error;
        QVERIFY2(generateWords(inputs, words, report, &error), qPrintable(error));
        QHash<QString, QStringList> rows;
        for (const auto &row : words.rows)
            rows.insert(row[0].toString(), {row[1].toString(), row[2].toString()});
        QCOMPARE(rows.value("caught"), QStringList({"kɔːt", "kɔːt"}));
        QVERIFY(!rows.contains("wife's"));
        QVERIFY(rows.contains("xanadu's")); // no stem stored: kept, with the rule's ending
        QVERIFY(rows.value("xanadu's").value(1).endsWith(QStringLiteral("uːz")));
        QCOMPARE(report.possessivesLeftOut, 1);
        QCOMPARE(report.ruleCounts.value("AmE American THOUGHT"), 1);
        QVERIFY(report.changes.contains(QStringLiteral("American THOUGHT\tAmE\tcaught\tkɑːt\tkɔːt")));
    }
    // clang-format on
};

QTEST_GUILESS_MAIN(TestPhonology)
#include "tst_phonology.moc"
