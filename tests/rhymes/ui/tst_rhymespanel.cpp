// The rhymes panel in the main window, driven through its controls: each way of starting a
// search, the tabs, the accent, the editor, a failing search. The window reads a copy of the
// fixture without the builder's rhyme indexes, which only make the searches faster.

#include "app/ui/mainwindow.h"
#include "app/ui/messagebox.h"
#include "app/ui/picturebutton.h"
#include "rhymes/ui/rhymespanel.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>

using namespace vocalith;

namespace {

struct RecordedMessages : MessageBoxes {
    QStringList shown;
    void show(QWidget *, MessageKind, const QString &text) override { shown << text; }
};

} // namespace

class TestRhymesPanel : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    RecordedMessages m_messages;
    std::unique_ptr<MainWindow> m_window;

    template <typename T = QWidget>
    T *get(const char *name) const {
        return m_window->findChild<T *>(name);
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
        const QString lexicon = m_dir.filePath("VocalithDB.sqlite");
        QVERIFY(QFile::copy(test::fixturePath("rhymes"), lexicon));
        QFile::setPermissions(lexicon, QFile::ReadOwner | QFile::WriteOwner);
        Connection::openReadWrite(lexicon, {}, {})->execute("DROP INDEX words_rhymes");
        Connection::openReadWrite(lexicon, {}, {})->execute("DROP INDEX words2_sound");
        m_window = std::make_unique<MainWindow>(
            StartupPaths{lexicon, m_dir.filePath("c.sqlite"), m_dir.filePath("v.xml")}, m_messages, QStringList{});
        QVERIFY(m_window->startUp());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
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

QTEST_MAIN(TestRhymesPanel)
#include "tst_rhymespanel.moc"
