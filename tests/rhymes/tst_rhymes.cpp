// The rhyme finder's searches on the "rhymes" fixture lexicon.

#include "rhymes/rhymes.h"
#include "testsupport.h"

using namespace vocalith;

namespace {

// What a search shows: the phonetics box ("-" when left as it is), the count label, the words.
QString shown(const SearchResult &r) {
    QStringList parts{r.phonetics.value_or("-"), r.countLabel.value_or("-")};
    for (const RhymeRow &row : r.rows)
        parts << row.word;
    return parts.join(' ');
}

} // namespace

class TestRhymes : public QObject {
    Q_OBJECT
    std::unique_ptr<Connection> m_db;

private slots:
    void initTestCase() {
        m_db = test::openFixture("rhymes");
        QVERIFY(m_db);
    }

    void lastVowel_data() {
        QTest::addColumn<QString>("transcription");
        QTest::addColumn<QString>("expected"); // the vowel, then whether it ends the transcription
        // clang-format off
        QTest::newRow("consonants after")       << "ˈneɪʃn" << "eɪ -";
        QTest::newRow("long vowel, final")      << "biː"    << "iː final";
        QTest::newRow("triphthong")             << "faɪə"   << "aɪə final";
        QTest::newRow("a mark ends the run")    << "ˌiːˈə"  << "ə final";
        QTest::newRow("no vowel")               << "hm"     << " -";
        QTest::newRow("empty")                  << ""       << " -";
        // clang-format on
    }
    void lastVowel() {
        QFETCH(QString, transcription);
        QFETCH(QString, expected);
        const LastVowelResult r = LastVowel(transcription);
        QCOMPARE(r.vowel + (r.isFinal ? " final" : " -"), expected);
    }

    void findRhymes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("american");
        QTest::addColumn<QString>("expected");
        const int P = int(RhymeType::Perfect), S = int(RhymeType::Assonance), A = int(RhymeType::Alliteration);
        // clang-format off
        QTest::newRow("perfect, no ˈ, hidden") << "cat" << P << false << "/kæt/ 2 words found. acrobat hat";
        QTest::newRow("perfect, after ˈ") << "nation" << P << false << "/ˈneɪʃn/ 1 words found. station";
        QTest::newRow("perfect, ˌ kept") << "daytime" << P << false << "/ˈdeɪˌtaɪm/ 1 words found. playtime";
        QTest::newRow("perfect, itself") << " O'NEAL " << P << false << "/əʊˈniːl/ 2 words found. kneel reveal";
        QTest::newRow("allit., ˈ ˌ") << "kettle" << A << false << "/ˈketl/ 3 words found. cat colour kangaroo";
        QTest::newRow("allit., AmE") << "cat" << A << true << "/kæt/ 2 words found. kangaroo kettle";
        QTest::newRow("allit., vowel") << "apple" << A << false << "/ˈæpl/ No words found.";
        QTest::newRow("syllabic endings") << "nation" << S << false << "/ˈneɪʃn/ 3 words found. basin name skate";
        QTest::newRow("assonance, final") << "day" << S << false << "/deɪ/ 2 words found. play today";
        QTest::newRow("assonance, whole run") << "city" << S << false << "/ˈsɪti/ 1 words found. happy";
        QTest::newRow("assonance, no vowel") << "hmm" << S << false << "/hm/ No words found.";
        QTest::newRow("not in the lexicon") << "zebra" << P << false << " The word is not in the database.";
        QTest::newRow("not in the accent") << "colour" << P << true << " The word is not in the database.";
        QTest::newRow("spaces") << "  " << P << false << "- -";
        // clang-format on
    }
    void findRhymes() {
        QFETCH(QString, typed);
        QFETCH(int, type);
        QFETCH(bool, american);
        QFETCH(QString, expected);
        QCOMPARE(shown(FindRhymes(typed, RhymeType(type), american ? Accent::AmE : Accent::BrE, *m_db)), expected);
    }

    // An empty tail ends in anything: every visible word but the word itself.
    void perfectRhymeOfNoVowel() {
        const SearchResult r = FindRhymes("hmm", RhymeType::Perfect, Accent::AmE, *m_db);
        const Recordset all = m_db->openRecordset("SELECT count(*) FROM words WHERE NOT hiderhyme AND AmE2 NOT NULL");
        QCOMPARE(r.rows.size(), all.value(0, 0).toInt() - 1);
        QCOMPARE(RhymeDisplay("ʧʌʤ"), "/tʃʌdʒ/");
    }

    void findBySound_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("? inside")       << "ˈkæ?*"  << "- 1 words found. captain";
        QTest::newRow("? last")         << "kæ?"    << "- 2 words found. cap cat";
        QTest::newRow("typed _")        << "k_t"    << "- 3 words found. cat cut kit";
        QTest::newRow("case, spaces")   << " KÆT "  << "- 1 words found. cat";
        QTest::newRow("tʃ is not ʧ")    << "tʃɑːns" << "- No words found.";
        QTest::newRow("itself")         << "bed"    << "- No words found.";
        QTest::newRow("apostrophe")     << "kæ't"   << "- No words found.";
        QTest::newRow("70 ?")           << QString(70, '?')          << "- No words found.";
        QTest::newRow("3000 ?")         << QString(3000, '?') + '*'  << "- No words found.";
        QTest::newRow("spaces")         << "  "     << " The word is not in the database.";
        // clang-format on
    }
    void findBySound() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(shown(FindBySound(typed, Accent::BrE, *m_db)), expected);
    }

    // The words of the statement written out with one NOT LIKE clause per "?" and mark.
    void sameAsClauseForm() {
        for (const QString typed : {"?æt", "?æ?", "?iː*", "*?", "%æt", "*", "??", "o'?*", "ˈ*", "*.*?"}) {
            QString p = typed, sql = "SELECT word FROM words2 WHERE BrE like '%1' AND hiderhyme=false";
            p.replace('\'', "''").replace('*', '%').replace('?', '_');
            for (int i = 0; i < p.size(); ++i)
                for (const QString mark : {"ˈ", "ˌ", "."})
                    sql += p[i] == '_' ? " AND BrE not like '" + QString(p).replace(i, 1, mark) + "'" : "";
            const Recordset expected = m_db->openRecordset(sql.arg(p) + " ORDER BY word");
            const SearchResult r = FindBySound(typed, Accent::BrE, *m_db);
            QCOMPARE(r.rows.size(), expected.recordCount());
            for (int i = 0; i < r.rows.size(); ++i)
                QCOMPARE(r.rows[i].word, expected.value(i, 0).toString());
        }
    }
};

QTEST_GUILESS_MAIN(TestRhymes)
#include "tst_rhymes.moc"
