// The rhyme finder's searches on the "rhymes" fixture lexicon, and the rhymes panel in the
// main window driven through its controls: each way of starting a search, the tabs, the
// accent, the editor, a failing search. The window reads a copy of the fixture without the
// builder's rhyme indexes, which only make the searches faster.

#include "rhymes/rhymes.h"
#include "rhymes/ui/rhymespanel.h"
#include "testsupport.h"
#include "widgets/picturebutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeView>

using namespace vocalith;

namespace {

// What a search shows: the phonetics box ("-" when left as it is), the count label, the words.
QString shownBy(const SearchResult &r) {
    QStringList parts{r.phonetics.value_or("-"), r.countLabel.value_or("-")};
    for (const RhymeRow &row : r.rows)
        parts << row.word;
    return parts.join(' ');
}

} // namespace

class TestRhymes : public QObject {
    Q_OBJECT
    std::unique_ptr<Connection> m_db;
    QTemporaryDir m_dir;
    test::RecordedMessages m_messages;
    std::unique_ptr<MainWindow> m_window;

    template <typename T = QWidget>
    T *get(const char *name) const {
        return test::child<T>(m_window.get(), name);
    }
    void click(const char *name) const { QTest::mouseClick(get(name), Qt::LeftButton); }
    // The list's words, the count label and the phonetics box.
    QString shown() const {
        QStringList parts;
        const QAbstractItemModel *m = get<QTreeView>("lstRhymeWords")->model();
        for (int i = 0; i < m->rowCount(); ++i)
            parts << m->index(i, 0).data().toString();
        parts << get<QLabel>("lblRhymeNumWords")->text() << get<QLineEdit>("txtRhymePhonetics")->text();
        return parts.join(' ');
    }

private slots:
    void initTestCase() {
        m_db = test::openFixture("rhymes");
        QVERIFY(m_db);
        const QString lexicon = m_dir.filePath("VocalithDB.sqlite");
        QVERIFY(QFile::copy(test::fixturePath("rhymes"), lexicon));
        QFile::setPermissions(lexicon, QFile::ReadOwner | QFile::WriteOwner);
        Connection::openReadWrite(lexicon, {}, {})->execute("DROP INDEX words_rhymes");
        Connection::openReadWrite(lexicon, {}, {})->execute("DROP INDEX words2_sound");
        m_window = test::startMainWindow(lexicon, m_dir, m_messages);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
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
        QCOMPARE(shownBy(FindRhymes(typed, RhymeType(type), american ? Accent::AmE : Accent::BrE, *m_db)), expected);
    }

    // An empty tail ends in anything: every visible word but the word itself.
    void perfectRhymeOfNoVowel() {
        const Recordset all = m_db->openRecordset("SELECT count(*) FROM words WHERE NOT hiderhyme AND AmE2 NOT NULL");
        QCOMPARE(FindRhymes("hmm", RhymeType::Perfect, Accent::AmE, *m_db).rows.size(), all.value(0, 0).toInt() - 1);
        QCOMPARE(rhymeDisplay("ʧʌʤ"), "/tʃʌdʒ/");
    }

    void findBySound_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("? inside")       << "ˈkæ?*"  << "- 1 words found. captain";
        QTest::newRow("? last")         << "kæ?"    << "- 2 words found. cap cat";
        QTest::newRow("typed _ is itself") << "k_t" << "- No words found.";
        QTest::newRow("typed % is itself") << "%æt" << "- No words found.";
        QTest::newRow("two ?")          << "?æ?"    << "- 3 words found. cap cat hat";
        QTest::newRow("typed dot, ? last") << "*.*?" << "- 5 words found. captain cattle eagle evening keeper";
        QTest::newRow("case, spaces")   << " KÆT "  << "- 1 words found. cat";
        QTest::newRow("tʃ is not ʧ")    << "tʃɑːns" << "- No words found.";
        QTest::newRow("itself")         << "bed"    << "- No words found.";
        QTest::newRow("apostrophe")     << "kæ't"   << "- No words found.";
        QTest::newRow("1000 characters") << QString(999, '?') + '*' << "- No words found.";
        QTest::newRow("1001 characters") << " " + QString(1000, '?') + "* " << "- " + rhymes::kPatternTooLong;
        QTest::newRow("spaces")         << "  "     << " The word is not in the database.";
        // clang-format on
    }
    void findBySound() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(shownBy(FindBySound(typed, Accent::BrE, *m_db)), expected);
    }

    // "%", "_" and "\\" typed stand for themselves; "?" and "*" beside them are wildcards.
    void literalCharacters_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("_")          << "k_t"   << "under";
        QTest::newRow("%")          << "k%t"   << "percent";
        QTest::newRow("backslash")  << "k\\t"  << "backslash";
        QTest::newRow("? beside \\") << "k\\?"  << "backslash";
        QTest::newRow("?")          << "k?t"   << "backslash cat percent under";
        QTest::newRow("? after _")  << "k_?"   << "under";
        QTest::newRow("* after %")  << "k%*"   << "percent";
        // clang-format on
    }
    void literalCharacters() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const QString path = m_dir.filePath("literal.sqlite");
        if (!QFile::exists(path)) {
            auto db = Connection::openReadWrite(path, schema::lexiconTables(), {});
            QVERIFY(db);
            db->execute("INSERT INTO words2 (word, BrE, AmE) VALUES ('under', 'k_t', ''), ('percent', 'k%t', ''), "
                        "('backslash', 'k\\t', ''), ('cat', 'kæt', ''), ('stressed', 'kˈt', '')");
        }
        auto db = Connection::openReadOnly(path, {});
        QVERIFY(db);
        QStringList words;
        for (const RhymeRow &row : FindBySound(typed, Accent::BrE, *db).rows)
            words << row.word;
        QCOMPARE(words.join(' '), expected);
    }

    void wordSearches() {
        click("picRhymes");
        QTest::keyClicks(QApplication::focusWidget(), "dance\r"); // the word box has the focus
        QCOMPARE(shown(), "chance 1 words found. /dɑːns/");
        click("lblAme");
        QCOMPARE(shown(), "chance manse 2 words found. /dæns/");
        click("lblBrE");
        get<QLineEdit>("txtRhymeWord")->setText("nation");
        click("optAssonance");
        QCOMPARE(shown(), "basin name skate 3 words found. /ˈneɪʃn/");
        click("optPerfectRhyme");
        get<QLineEdit>("txtRhymeWord")->clear();
        click("picRhymeWord");
        QCOMPARE(shown(), "No words found. ");
        get<QLineEdit>("txtRhymeWord")->setText("cat");
        click("picRhymeWord");
        QCOMPARE(shown(), "acrobat hat 2 words found. /kæt/");
        QVERIFY(!QApplication::overrideCursor());
    }

    void addSelected() {
        auto *editor = get<QPlainTextEdit>("txtText");
        editor->setPlainText("[]");
        editor->moveCursor(QTextCursor::NextCharacter);
        click("picAddRhyme"); // nothing selected
        auto *list = get<QTreeView>("lstRhymeWords");
        const QPoint hat = list->visualRect(list->model()->index(1, 1)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, hat);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, hat);
        click("picAddRhyme");
        QCOMPARE(editor->toPlainText(), "[hæthæt]");
        // One undo step each, and the stored transcription follows the text.
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor->toPlainText(), "[hæt]");
        QCOMPARE(m_window->storedTranscription(), "[hæt]");
    }

    void soundSearches() {
        get<QLineEdit>("txtRhymeSound")->setText("typed");
        click("lblRhyme_1");
        QVERIFY(get("fraRhyme_0")->isHidden() && !get("fraRhyme_1")->isHidden());
        QCOMPARE(get<ClickLabel>("lblRhyme_0")->captionColour(), rhymes::kInactiveTab);
        QCOMPARE(get<ClickLabel>("lblRhyme_1")->captionColour(), rhymes::kActiveTab);
        QCOMPARE(get<QLineEdit>("txtRhymeSound")->text(), "?iː*");
        get<QLineEdit>("txtRhymeSound")->setText("?æns");
        QTest::keyClick(get("txtRhymeSound"), Qt::Key_Return);
        QCOMPARE(shown(), "manse 1 words found. /kæt/");
        click("lblAme"); // the sound search runs again
        QCOMPARE(shown(), "chance dance manse 3 words found. /kæt/");
        get<QLineEdit>("txtRhymeSound")->clear();
        click("picRhymeSound");
        QCOMPARE(shown(), "No words found. ");
        get<QLineEdit>("txtRhymeSound")->setText(QString(1001, 'k'));
        click("picRhymeSound");
        QCOMPARE(shown(), rhymes::kPatternTooLong + " ");
        QVERIFY(m_messages.shown.isEmpty());
    }

    // A failing search: the message, an empty list and label, the pointer back.
    void databaseError() {
        QStringList tables = schema::lexiconTables();
        tables.removeAt(1); // no words2
        auto broken = Connection::openReadWrite(m_dir.filePath("broken"), tables, {});
        auto *panel = m_window->findChild<RhymesPanel *>();
        panel->setLexicon(broken.get());
        get<QLineEdit>("txtRhymeSound")->setText("b?d");
        click("picRhymeSound");
        QCOMPARE(m_messages.shown.size(), 1);
        QVERIFY(m_messages.shown[0].startsWith("Database error: "));
        QCOMPARE(shown(), " ");
        QVERIFY(!QApplication::overrideCursor());
        panel->setLexicon(nullptr);
    }
};

QTEST_MAIN(TestRhymes)
#include "tst_rhymes.moc"
