// The update-db panel wired to its store, and the main window's "Use my words" box.

#include "app/messages.h"
#include "app/ui/mainwindow.h"
#include "app/ui/messagebox.h"
#include "contributions/contributiondb.h"
#include "contributions/contributionstore.h"
#include "contributions/ui/contributionpanel.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QToolButton>
#include <array>

using namespace vocalith;
using namespace vocalith::contributions;

// Message boxes answered at once; questions get the answer the test sets.
struct Messages : MessageBoxes {
    QStringList shown, asked;
    bool answer = false;
    void show(QWidget *, MessageKind, const QString &text) override { shown << text; }
    bool question(QWidget *, const QString &text) override {
        asked << text;
        return answer;
    }
};

class TestContributionPanel : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    Messages m_messages;
    std::unique_ptr<Connection> m_db;
    std::unique_ptr<ContributionPanel> m_panel;

    template <typename T = QLineEdit>
    T *get(const char *name) const {
        return m_panel->findChild<T *>(name);
    }
    QStringList boxes() const { return {get("txtWord")->text(), get("txtBrE")->text(), get("txtAmE")->text()}; }
    QStringList listed() const {
        QStringList items;
        for (int i = 0; i < get<QComboBox>("cmbContributionList")->count(); ++i)
            items << get<QComboBox>("cmbContributionList")->itemText(i);
        return items;
    }
    void type(const QStringList &texts) {
        for (int i = 0; i < 3; ++i)
            get(std::array{"txtWord", "txtBrE", "txtAmE"}[i])->setText(texts[i]);
    }

private slots:
    void init() {
        m_messages = Messages();
        m_db = contributions::open(m_dir.filePath(QString(QTest::currentTestFunction()) + QTest::currentDataTag()));
        ContributionStore(*m_db).save(normalised("pear", "peə", "per"));
        ContributionStore(*m_db).save(normalised("o'clock", "əˈklɒk", "əˈklɑːk"));
        m_panel = std::make_unique<ContributionPanel>(m_messages);
        m_panel->fill(*m_db);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
    }
    void cleanup() { m_panel.reset(); }

    void updateWord_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("listed");
        QTest::newRow("added") << QStringList{"Apple", "ˈæp.l̩", ""} << ""
                               << "txtAmE"
                               << "apple o'clock pear";
        QTest::newRow("no word") << QStringList{"", "kæt", ""} << kNoWord << "txtWord"
                                 << "o'clock pear";
        QTest::newRow("no transcription") << QStringList{"cat", "", ""} << kNoTranscription << "txtBrE"
                                          << "o'clock pear";
    }
    void updateWord() {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, listed);
        type(typed);
        get("txtAmE")->setFocus();
        get<QToolButton>("picUpdateBD")->click();
        QCOMPARE(m_messages.shown.join(""), message);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(this->listed().join(' '), listed);
        QCOMPARE(boxes(), typed); // the boxes keep what was typed
    }

    void pickThenDeleteAfterAsking() {
        get<QComboBox>("cmbContributionList")->setFocus();
        QTest::keyClick(get<QComboBox>("cmbContributionList"), Qt::Key_Down); // the first entry, as a user picks it
        QCOMPARE(boxes(), (QStringList{"o'clock", "əˈklɒk", "əˈklɑːk"}));
        get<QToolButton>("picRemove")->click(); // answered No
        QCOMPARE(listed().size(), 2);
        m_messages.answer = true;
        get("txtWord")->setText("O'CLOCK");
        get<QToolButton>("picRemove")->click();
        QCOMPARE(m_messages.asked, QStringList(2, kDeleteQuestion.arg("o'clock")));
        QCOMPARE(listed(), QStringList{"pear"});
    }

    void readOnlyFileLosesNothing() {
        QFile(m_db->path()).setPermissions(QFileDevice::ReadOwner);
        QSqlQuery(m_db->database()).exec("PRAGMA query_only = ON"); // for root, whom the bits do not stop
        type({"pear", "", "pɛr"});
        get<QToolButton>("picUpdateBD")->click();
        QVERIFY(m_messages.shown.value(0).contains("readonly"));
        QCOMPARE(boxes(), (QStringList{"pear", "", "pɛr"}));
        QCOMPARE(ContributionStore(*m_db).find("pear")->american, QStringLiteral("per"));
    }

    void exportAndImportThroughTheirDialogs() {
        QString answer; // empty: the dialog was cancelled
        m_panel->setFileChoosers([&](QWidget *) { return answer; }, [&](QWidget *) { return answer; });
        get<QToolButton>("picExportWords")->click();
        answer = m_dir.filePath("mine.tsv");
        get<QToolButton>("picExportWords")->click();
        ContributionStore(*m_db).remove("pear");
        get<QToolButton>("picImportWords")->click();
        QCOMPARE(m_messages.shown, (QStringList{kExported.arg(2).arg(answer), "1 added, 1 updated, 0 refused."}));
        QCOMPARE(listed().size(), 2);
    }

    void mainWindowUsesMyWordsWhenAsked() {
        const StartupPaths paths{test::fixturePath("engine"), m_db->path(), m_dir.filePath("vocalith.xml")};
        ContributionStore(*m_db).save(normalised("cat", "kat", ""));
        for (const bool reduced : {false, true}) {
            if (reduced) // a folder where the file should be: it cannot be opened
                QVERIFY(QFile::remove(paths.contributions) && QDir().mkpath(paths.contributions));
            MainWindow window(paths, m_messages, {});
            QVERIFY(window.startUp());
            auto *use = window.findChild<QCheckBox *>("chkUseMyWords");
            QCOMPARE(use->isEnabled(), !reduced);
            if (!reduced)
                use->click(); // saved at once, kept for the next start
            QVERIFY(use->isChecked());
            window.findChild<QPlainTextEdit *>("txtWords")->setPlainText("cat");
            window.transcribe();
            QCOMPARE(window.storedTranscription(), QString(reduced ? "kæt" : "kat"));
        }
        QCOMPARE(m_messages.shown, QStringList{messages::kContributionsNotAvailable});
    }
};

QTEST_MAIN(TestContributionPanel)
#include "tst_contributionpanel.moc"
