// The rhyme finder's searches on the "rhymes" fixture lexicon: the last vowel, the three
// rhyme types, the sound patterns, both accents and the failures a user can cause.

#include "rhymes/rhymes.h"
#include "testsupport.h"

#include <QTemporaryDir>

using namespace vocalith;

Q_DECLARE_METATYPE(vocalith::RhymeType)
Q_DECLARE_METATYPE(vocalith::SearchOutcome)

namespace {

// The rows' words, space-separated, in list order.
QString words(const SearchResult &r) {
    QStringList w;
    for (const RhymeRow &row : r.rows)
        w << row.word;
    return w.join(QLatin1Char(' '));
}

QString phonetics(const SearchResult &r) { return r.phonetics ? *r.phonetics : QStringLiteral("(unchanged)"); }

QString expectedLabel(SearchOutcome outcome, qsizetype rows) {
    switch (outcome) {
    case SearchOutcome::Unchanged:
        return {};
    case SearchOutcome::NotInDatabase:
        return rhymes::kNotInDatabase;
    case SearchOutcome::NoWords:
        return rhymes::kNoWordsFound;
    case SearchOutcome::Found:
        break;
    }
    return QString::number(rows) + " words found.";
}

qsizetype visibleRows(Connection &db, const QString &sql) { return db.openRecordset(sql).value(0, 0).toInt(); }

} // namespace

class TestRhymes : public QObject {
    Q_OBJECT
    std::unique_ptr<Connection> m_db;

private slots:
    void initTestCase() {
        m_db = test::openFixture(QStringLiteral("rhymes"));
        QVERIFY(m_db);
    }

    void lastVowel_data() {
        QTest::addColumn<QString>("transcription");
        QTest::addColumn<QString>("vowel");
        QTest::addColumn<bool>("isFinal");
        // clang-format off
        QTest::newRow("non-final, consonants after") << "ˈneɪʃn" << "eɪ"  << false;
        QTest::newRow("final short vowel")           << "ˈsɪti"  << "i"   << true;
        QTest::newRow("final schwa")                 << "ˈfɑːðə" << "ə"   << true;
        QTest::newRow("long vowel keeps its mark")   << "biː"    << "iː"  << true;
        QTest::newRow("diphthong")                   << "ˈfəʊn"  << "əʊ"  << false;
        QTest::newRow("triphthong")                  << "faɪə"   << "aɪə" << true;
        QTest::newRow("a stress mark ends the run")  << "ˌiːˈə"  << "ə"   << true;
        QTest::newRow("a syllable dot ends the run") << "ˈfaɪ.ə" << "ə"   << true;
        QTest::newRow("only consonants")             << "hm"     << ""    << false;
        QTest::newRow("only a stress mark")          << "ˈ"      << ""    << false;
        QTest::newRow("empty")                       << ""       << ""    << false;
        // clang-format on
    }
    void lastVowel() {
        QFETCH(QString, transcription);
        QFETCH(QString, vowel);
        QFETCH(bool, isFinal);
        const LastVowelResult r = LastVowel(transcription);
        QCOMPARE(r.vowel, vowel);
        QCOMPARE(r.isFinal, isFinal);
    }

    void findRhymes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<RhymeType>("type");
        QTest::addColumn<bool>("american");
        QTest::addColumn<SearchOutcome>("outcome");
        QTest::addColumn<QString>("phonetics");
        QTest::addColumn<QString>("words");
        const auto perfect = RhymeType::Perfect, assonance = RhymeType::Assonance,
                   alliteration = RhymeType::Alliteration;
        const auto found = SearchOutcome::Found, none = SearchOutcome::NoWords;

        // clang-format off
        // perfect rhyme: from the vowel of the stressed syllable to the end
        QTest::newRow("perfect, no stress mark")
            << "cat" << perfect << false << found << "/kæt/" << "acrobat hat";
        QTest::newRow("perfect, after the stress mark")
            << "nation" << perfect << false << found << "/ˈneɪʃn/" << "station";
        QTest::newRow("perfect, secondary stress kept")
            << "daytime" << perfect << false << found << "/ˈdeɪˌtaɪm/" << "playtime";
        QTest::newRow("perfect, only its own rhyme")
            << "colour" << perfect << false << none << "/ˈkʌlə/" << "";
        QTest::newRow("perfect, a hidden word is looked up")
            << "Pratt" << perfect << false << found << "/præt/" << "acrobat cat hat";
        QTest::newRow("perfect, trimmed and lower-cased, itself left out")
            << "  O'NEAL " << perfect << false << found << "/əʊˈniːl/" << "kneel reveal";
        QTest::newRow("perfect, British")
            << "dance" << perfect << false << found << "/dɑːns/" << "chance";
        QTest::newRow("perfect, American")
            << "dance" << perfect << true << found << "/dæns/" << "chance manse";
        QTest::newRow("perfect, affricates")
            << "judge" << perfect << false << found << "/ʤʌʤ/" << "fudge";

        // alliteration: the first consonant at the start or right after a stress mark
        QTest::newRow("alliteration")
            << "cat" << alliteration << false << found << "/kæt/" << "colour kangaroo kettle";
        QTest::newRow("alliteration, American")
            << "cat" << alliteration << true << found << "/kæt/" << "kangaroo kettle";
        QTest::newRow("alliteration from a stressed word")
            << "kettle" << alliteration << false << found << "/ˈketl/" << "cat colour kangaroo";
        QTest::newRow("alliteration, vowel-initial")
            << "apple" << alliteration << false << none << "/ˈæpl/" << "";

        // assonance: the same last vowel, both ending in it or both not, no syllabic ending
        QTest::newRow("assonance, vowel not final")
            << "nation" << assonance << false << found << "/ˈneɪʃn/" << "basin name skate";
        QTest::newRow("assonance, vowel final")
            << "day" << assonance << false << found << "/deɪ/" << "play today";
        QTest::newRow("assonance, the whole run")
            << "city" << assonance << false << found << "/ˈsɪti/" << "happy";
        QTest::newRow("assonance, no vowel")
            << "hmm" << assonance << false << none << "/hm/" << "";

        // nothing to search
        QTest::newRow("not in the lexicon")
            << "zebra" << perfect << false << SearchOutcome::NotInDatabase << "" << "";
        QTest::newRow("no transcription in the accent")
            << "colour" << assonance << true << SearchOutcome::NotInDatabase << "" << "";
        QTest::newRow("spaces only")
            << "   " << perfect << false << SearchOutcome::Unchanged << "(unchanged)" << "";
        // clang-format on
    }
    void findRhymes() {
        QFETCH(QString, typed);
        QFETCH(RhymeType, type);
        QFETCH(bool, american);
        QFETCH(SearchOutcome, outcome);
        QFETCH(QString, phonetics);
        QFETCH(QString, words);
        const SearchResult r = FindRhymes(typed, type, american ? Accent::AmE : Accent::BrE, *m_db);
        QCOMPARE(r.outcome, outcome);
        QCOMPARE(::phonetics(r), phonetics);
        QCOMPARE(::words(r), words);
        QCOMPARE(r.countLabel.value_or(QString()), expectedLabel(outcome, r.rows.size()));
    }

    // An empty tail ends in anything: every visible word with a transcription but the word itself.
    void perfectRhymeWithEmptyTail() {
        const SearchResult r = FindRhymes(QStringLiteral("hmm"), RhymeType::Perfect, Accent::AmE, *m_db);
        QCOMPARE(r.rows.size(),
                 visibleRows(*m_db, "SELECT count(*) FROM words WHERE hiderhyme = 0 AND AmE2 IS NOT NULL") - 1);
        QVERIFY(!words(r).split(' ').contains("hmm"));
    }

    void displayForm() {
        const SearchResult r = FindRhymes(QStringLiteral("dance"), RhymeType::Perfect, Accent::BrE, *m_db);
        QCOMPARE(r.rows, (QVector<RhymeRow>{{"chance", "/tʃɑːns/"}}));
        QCOMPARE(RhymeDisplay(QStringLiteral("ʤʌʤ")), QStringLiteral("/dʒʌdʒ/"));
    }

    void findBySound_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("american");
        QTest::addColumn<QString>("words");
        QTest::newRow("? at the start") << "?æt" << false << "cat hat";
        QTest::newRow("? in the middle") << "ˈkæ?*" << false << "captain";
        QTest::newRow("? at the end") << "kæ?" << false << "cap cat";
        QTest::newRow("two ?") << "?æ?" << false << "cap cat hat";
        QTest::newRow("the example") << "?iː*" << false << "key see";
        QTest::newRow("no wildcard") << "kæt" << false << "cat";
        QTest::newRow("lower-cased") << " KÆT " << false << "cat";
        QTest::newRow("typed _ is a ?") << "k_t" << false << "cat cut kit";
        QTest::newRow("typed % is a *") << "%æt" << false << "at cat hat";
        QTest::newRow("* may be empty") << "ˈkæp*" << false << "captain";
        QTest::newRow("affricate as two letters") << "tʃɑːns" << false << "";
        QTest::newRow("affricate as stored") << "ʧ*" << false << "chance";
        QTest::newRow("a word spelt as the pattern") << "bed" << false << "";
        QTest::newRow("apostrophe") << "kæ't" << false << "";
        QTest::newRow("British") << "?æns" << false << "manse";
        QTest::newRow("American") << "?æns" << true << "chance dance manse";
        QTest::newRow("70 ?") << QString(70, '?') << false << "";
        QTest::newRow("3000 ?, then *") << QString(3000, '?') + '*' << false << "";
    }
    void findBySound() {
        QFETCH(QString, typed);
        QFETCH(bool, american);
        QFETCH(QString, words);
        const SearchResult r = FindBySound(typed, american ? Accent::AmE : Accent::BrE, *m_db);
        QCOMPARE(::words(r), words);
        QCOMPARE(r.outcome, words.isEmpty() ? SearchOutcome::NoWords : SearchOutcome::Found);
        QCOMPARE(*r.countLabel,
                 words.isEmpty() ? rhymes::kNoWordsFound : QString::number(words.count(' ') + 1) + rhymes::kWordsFound);
        QVERIFY(!r.phonetics); // the phonetics box belongs to the word search
    }

    // The search gives the rows of the statement written out with one NOT LIKE clause per
    // "?" and mark, the pattern quoted into the text.
    void sameAsClauseForm_data() {
        QTest::addColumn<QString>("typed");
        for (const char *p : {"?æt", "?æ?", "k?t", "?iː*", "*?", "%æt", "k_t", "*", "?", "??", "o'?*", "ˈ*", "*.*?"})
            QTest::newRow(p) << QString::fromUtf8(p);
    }
    void sameAsClauseForm() {
        QFETCH(QString, typed);
        QString p = typed.toLower().trimmed().replace('\'', "''").replace('*', '%').replace('?', '_');
        QString sql = "SELECT word, BrE FROM words2 WHERE BrE like '" + p + "' AND hiderhyme=false";
        for (int i = 0; i < p.size(); ++i)
            if (p[i] == '_')
                for (const QString mark : {"ˈ", "ˌ", "."})
                    sql += " AND BrE not like '" + QString(p).replace(i, 1, mark) + "'";
        const Recordset expected = m_db->openRecordset(sql + " ORDER BY word");
        const SearchResult r = FindBySound(typed, Accent::BrE, *m_db);
        QCOMPARE(r.rows.size(), expected.recordCount());
        for (int i = 0; i < r.rows.size(); ++i)
            QCOMPARE(r.rows[i].word, expected.value(i, 0).toString());
    }

    void soundDisplayAndEverything() {
        const SearchResult all = FindBySound(QStringLiteral("*"), Accent::BrE, *m_db);
        QCOMPARE(all.rows.size(), visibleRows(*m_db, "SELECT count(*) FROM words2 WHERE hiderhyme = 0"));
        QVERIFY(all.rows.contains(RhymeRow{"chance", "/tʃɑːns/"}));
        QVERIFY(all.rows.contains(RhymeRow{"cattle", "/ˈkæ.tl/"}));
    }

    void emptyPattern_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("spaces") << "   ";
    }
    void emptyPattern() {
        QFETCH(QString, typed);
        const SearchResult r = FindBySound(typed, Accent::BrE, *m_db);
        QCOMPARE(r.outcome, SearchOutcome::NotInDatabase);
        QCOMPARE(*r.countLabel, rhymes::kNotInDatabase);
        QCOMPARE(*r.phonetics, QString());
    }

    // The builder's indexes for the rhyme finder only make it faster.
    void sameWithoutIndexes() {
        QTemporaryDir dir;
        const QString path = dir.filePath("plain.sqlite");
        QVERIFY(QFile::copy(test::fixturePath("rhymes"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        auto plain = Connection::openReadWrite(path, {}, schema::lexiconRequiredTables());
        QVERIFY(plain);
        plain->execute("DROP INDEX words_rhymes");
        plain->execute("DROP INDEX words2_sound");
        for (const auto type : {RhymeType::Perfect, RhymeType::Assonance, RhymeType::Alliteration})
            for (const char *word : {"cat", "nation", "hmm", "day"})
                QCOMPARE(FindRhymes(word, type, Accent::AmE, *plain).rows,
                         FindRhymes(word, type, Accent::AmE, *m_db).rows);
        for (const char *pattern : {"*", "?æ?", "%æt"})
            QCOMPARE(FindBySound(pattern, Accent::BrE, *plain).rows, FindBySound(pattern, Accent::BrE, *m_db).rows);
    }

    // A lexicon without the rhyme columns or the sound table: the searches report an error.
    void databaseError() {
        QTemporaryDir dir;
        const QString path = dir.filePath("broken.sqlite");
        {
            QStringList tables = schema::lexiconTables();
            tables[0] = QStringLiteral("CREATE TABLE words (word TEXT, BrE TEXT, AmE TEXT, hiderhyme INTEGER)");
            tables.removeAt(1); // words2
            auto db = Connection::openReadWrite(path, tables, schema::lexiconRequiredTables());
            QVERIFY(db);
            db->execute("INSERT INTO words VALUES ('cat', 'kæt', 'kæt', 0)");
        }
        auto db = Connection::openReadOnly(path, schema::lexiconRequiredTables());
        QVERIFY(db);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, FindRhymes("cat", RhymeType::Perfect, Accent::BrE, *db));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, FindBySound("?æt", Accent::BrE, *db));
    }
};

QTEST_GUILESS_MAIN(TestRhymes)
#include "tst_rhymes.moc"
