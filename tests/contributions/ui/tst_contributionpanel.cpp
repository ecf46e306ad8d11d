// The update-db panel wired to its store, and the main window's "Use my words" box.

#include "app/messages.h"
#include "app/ui/mainwindow.h"
#include "contributions/contributiondb.h"
#include "contributions/contributionstore.h"
#include "contributions/ui/contributionpanel.h"
#include "recordedmessages.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDomDocument>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QToolButton>

using namespace vocalith;
using namespace vocalith::contributions;

class TestContributionPanel : public QObject {
    Q_OBJECT
    QTemporaryDir *m_dir = nullptr;
    test::RecordedMessages m_messages;
    std::unique_ptr<Connection> m_db;
    std::unique_ptr<ContributionPanel> m_panel;

    QString dbPath() const { return m_dir->filePath(QStringLiteral("ContributionDB.sqlite")); }

    template <typename T>
    T *get(const char *name) const {
        T *w = m_panel->findChild<T *>(QString::fromLatin1(name));
        [&] { QVERIFY2(w, name); }();
        return w;
    }
    void type(const QString &word, const QString &british, const QString &american) {
        get<QLineEdit>("txtWord")->setText(word);
        get<QLineEdit>("txtBrE")->setText(british);
        get<QLineEdit>("txtAmE")->setText(american);
    }
    QStringList boxes() const {
        return {get<QLineEdit>("txtWord")->text(), get<QLineEdit>("txtBrE")->text(), get<QLineEdit>("txtAmE")->text()};
    }
    QStringList listed() const {
        QStringList items;
        const auto *list = get<QComboBox>("cmbContributionList");
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }
    void click(const char *button) { get<QToolButton>(button)->click(); }

private slots:
    void init() {
        m_dir = new QTemporaryDir;
        m_messages.clear();
        m_db = contributions::open(dbPath());
        QVERIFY(m_db);
        ContributionStore store(*m_db);
        store.save(normalised("pear", "peə", "per"));
        store.save(normalised("o'clock", "əˈklɒk", "əˈklɑːk"));
        m_panel = std::make_unique<ContributionPanel>(m_messages);
        m_panel->fill(*m_db);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
    }
    void cleanup() {
        m_panel.reset();
        m_db.reset();
        delete m_dir;
    }

    void fillListsTheStoredWords() { QCOMPARE(listed(), (QStringList{"o'clock", "pear"})); }

    void updateAddsInLowerCaseAndListsAgain() {
        type("Apple", "ˈæp.l̩", "");
        click("picUpdateBD");
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(listed(), (QStringList{"apple", "o'clock", "pear"}));
        QCOMPARE(ContributionStore(*m_db).find("apple")->british, QStringLiteral("ˈæp.l̩"));
        QCOMPARE(boxes(), (QStringList{"Apple", "ˈæp.l̩", ""})); // the boxes keep what was typed
    }

    void missingInputShowsItsMessageAndMovesTheFocus_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no word") << QStringList{"", "kæt", ""} << kNoWord << "txtWord";
        QTest::newRow("no transcription") << QStringList{"cat", "", ""} << kNoTranscription << "txtBrE";
    }
    void missingInputShowsItsMessageAndMovesTheFocus() {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        type(typed[0], typed[1], typed[2]);
        get<QLineEdit>("txtAmE")->setFocus();
        click("picUpdateBD");
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown[0], std::make_pair(MessageKind::Information, message));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(listed(), (QStringList{"o'clock", "pear"}));
    }

    void pickingAWordLoadsTheBoxes() {
        auto *list = get<QComboBox>("cmbContributionList");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down); // the first entry, as a user picks it
        QCOMPARE(boxes(), (QStringList{"o'clock", "əˈklɒk", "əˈklɑːk"}));
    }

    void deleteAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("answered no") << false << QStringList{"o'clock", "pear"};
        QTest::newRow("answered yes") << true << QStringList{"pear"};
    }
    void deleteAsksFirst() {
        QFETCH(bool, yes);
        QFETCH(QStringList, after);
        m_messages.answer = yes;
        type("O'Clock", "", "");
        click("picRemove");
        QCOMPARE(m_messages.questions, QStringList{kDeleteQuestion.arg("o'clock")});
        QCOMPARE(listed(), after);
        QCOMPARE(ContributionStore(*m_db).words(), after);
    }

    void deleteOfAWordNotStoredAsksNothing() {
        m_messages.answer = true;
        type("plum", "", "");
        click("picRemove");
        QVERIFY(m_messages.questions.isEmpty());
        QCOMPARE(listed(), (QStringList{"o'clock", "pear"}));
    }

    void readOnlyFileLosesNothing() {
        QFile(dbPath()).setPermissions(QFileDevice::ReadOwner);
        QSqlQuery(m_db->database()).exec("PRAGMA query_only = ON"); // for root, whom the bits do not stop
        type("pear", "", "pɛr");
        click("picUpdateBD");
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown[0].first, MessageKind::Critical);
        QVERIFY2(m_messages.shown[0].second.contains("readonly"), qPrintable(m_messages.shown[0].second));
        QCOMPARE(boxes(), (QStringList{"pear", "", "pɛr"}));
        QCOMPARE(ContributionStore(*m_db).find("pear")->american, QStringLiteral("per"));
        QCOMPARE(listed(), (QStringList{"o'clock", "pear"}));
    }

    void exportAndImportThroughTheirDialogs() {
        const QString exported = m_dir->filePath("mine.tsv");
        const QString imported = m_dir->filePath("theirs.tsv");
        QFile f(imported);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("word\tBrE\tAmE\nplum\tplʌm\tplʌm\nno transcription\t\t\n");
        f.close();
        QString answer;
        m_panel->setFileChoosers([&](QWidget *) { return answer; }, [&](QWidget *) { return answer; });

        click("picExportWords"); // cancelled dialog: nothing happens
        click("picImportWords");
        QVERIFY(m_messages.shown.isEmpty());

        answer = exported;
        click("picExportWords");
        QCOMPARE(m_messages.shown.value(0).second, kExported.arg(2).arg(exported));
        QFile out(exported);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), ContributionStore(*m_db).exportTsv());

        answer = imported;
        click("picImportWords");
        QCOMPARE(m_messages.shown.value(1).second,
                 QStringLiteral("1 added, 0 updated, 1 refused.\nline 3: no transcription"));
        QCOMPARE(listed(), (QStringList{"o'clock", "pear", "plum"}));

        answer = m_dir->filePath("missing.tsv");
        click("picImportWords");
        QCOMPARE(m_messages.shown.value(2).first, MessageKind::Critical);
    }

    // The main window: reduced mode, and the "Use my words" box saved and used by Transcribe.
    void mainWindowUsesMyWordsWhenAsked() {
        const StartupPaths paths{test::fixturePath("engine"), dbPath(), m_dir->filePath("vocalith.xml")};
        ContributionStore(*m_db).save(normalised("cat", "kat", ""));
        {
            MainWindow window(paths, m_messages, {});
            QVERIFY(window.startUp());
            auto *use = window.findChild<QCheckBox *>("chkUseMyWords");
            QVERIFY(use && use->isEnabled() && !use->isChecked());
            window.findChild<QPlainTextEdit *>("txtWords")->setPlainText("cat");
            window.transcribe();
            QCOMPARE(window.storedTranscription(), QStringLiteral("kæt"));
            use->click();
            window.transcribe();
            QCOMPARE(window.storedTranscription(), QStringLiteral("kat"));
            QFile f(paths.settings);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QDomDocument doc;
            QVERIFY(bool(doc.setContent(&f)));
            QCOMPARE(doc.documentElement().firstChildElement("editor").attribute("usecontributions"), "true");
        }
        m_panel.reset();
        m_db.reset();
        QFile::remove(dbPath());
        QVERIFY(QDir().mkpath(dbPath())); // a folder where the file should be: cannot be opened
        m_messages.clear();
        MainWindow reduced(paths, m_messages, {});
        QVERIFY(reduced.startUp());
        QCOMPARE(m_messages.shown.value(0).second, messages::kContributionsNotAvailable);
        QVERIFY(!reduced.findChild<QWidget *>("fraHelpMe")->isEnabled());
        auto *use = reduced.findChild<QCheckBox *>("chkUseMyWords");
        QVERIFY(use->isChecked() && !use->isEnabled()); // the choice is kept for the next start
        reduced.findChild<QPlainTextEdit *>("txtWords")->setPlainText("cat");
        reduced.transcribe();
        QCOMPARE(reduced.storedTranscription(), QStringLiteral("kæt"));
    }
};

QTEST_MAIN(TestContributionPanel)
#include "tst_contributionpanel.moc"
