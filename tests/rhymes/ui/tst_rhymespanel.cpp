// The rhymes panel driven through its controls on the "rhymes" fixture, and its wiring in
// the main window (lexicon, accent, the editor).

#include "app/ui/mainwindow.h"
#include "app/ui/messagebox.h"
#include "app/ui/picturebutton.h"
#include "rhymes/ui/rhymespanel.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>

using namespace vocalith;

namespace {

struct RecordedMessages : MessageBoxes {
    QStringList shown;
    void show(QWidget *, MessageKind, const QString &text) override { shown << text; }
};

// A lexicon of many words that all match "*".
void makeBigLexicon(const QString &path, int rows) {
    auto db = Connection::openReadWrite(path, schema::lexiconTables(), schema::lexiconRequiredTables());
    QVERIFY(db);
    Connection::ReadTransaction batch(*db);
    for (int i = 0; i < rows; ++i)
        db->execute("INSERT INTO words2 (word, BrE, AmE) VALUES (?, ?, ?)",
                    {QStringLiteral("w%1").arg(i, 5, 10, QLatin1Char('0')), "ˈwɜːd", "ˈwɝːd"});
}

} // namespace

class TestRhymesPanel : public QObject {
    Q_OBJECT
    std::unique_ptr<Connection> m_db;
    RecordedMessages m_messages;
    std::unique_ptr<RhymesPanel> m_panel;

    template <typename T>
    T *get(const char *name) const {
        T *w = m_panel->findChild<T *>(QString::fromLatin1(name));
        [&] { QVERIFY2(w, name); }();
        return w;
    }
    QTreeView *list() const { return get<QTreeView>("lstRhymeWords"); }
    // The list's rows as "word /transcription/", joined by "; ".
    QString rows() const {
        QStringList r;
        const QAbstractItemModel *m = list()->model();
        for (int i = 0; i < m->rowCount(); ++i)
            r << m->index(i, 0).data().toString() + ' ' + m->index(i, 1).data().toString();
        return r.join("; ");
    }
    QString label() const { return get<QLabel>("lblRhymeNumWords")->text(); }
    QString phonetics() const { return get<QLineEdit>("txtRhymePhonetics")->text(); }
    void select(int row) { list()->setCurrentIndex(list()->model()->index(row, 0)); }

private slots:
    void initTestCase() {
        m_db = test::openFixture("rhymes");
        QVERIFY(m_db);
    }
    void init() {
        m_messages.shown.clear();
        m_panel = std::make_unique<RhymesPanel>(m_messages);
        m_panel->setLexicon(m_db.get());
        m_panel->resize(400, 600);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    }
    void cleanup() { m_panel.reset(); }

    void namedControls() {
        for (const char *name :
             {"lblFraRhymes", "lblRhyme_0", "lblRhyme_1", "fraRhyme_0", "fraRhyme_1", "txtRhymeWord",
              "txtRhymePhonetics", "optPerfectRhyme", "optAssonance", "optAlliteration", "picRhymeWord",
              "txtRhymeSound", "picRhymeSound", "lstRhymeWords", "lblRhymeNumWords", "picAddRhyme"})
            QVERIFY2(m_panel->findChildren<QWidget *>(name).size() == 1, name);
        QCOMPARE(m_panel->objectName(), QStringLiteral("fraRhymes"));
        QCOMPARE(get<QRadioButton>("optAssonance")->toolTip(), rhymes::kAssonanceTip);
        QVERIFY(get<QRadioButton>("optPerfectRhyme")->isChecked());
    }

    void tabs_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("sound");
        QTest::newRow("start") << QList<int>{} << 0 << "typed";
        QTest::newRow("sound") << QList<int>{1} << 1 << "?iː*";
        QTest::newRow("sound, word") << QList<int>{1, 0} << 0 << "?iː*";
    }
    void tabs() {
        QFETCH(QList<int>, clicks);
        QFETCH(int, shown);
        QFETCH(QString, sound);
        get<QLineEdit>("txtRhymeSound")->setText("typed");
        for (int i : clicks)
            QTest::mouseClick(m_panel->findChild<ClickLabel *>(QStringLiteral("lblRhyme_%1").arg(i)), Qt::LeftButton);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(m_panel->findChild<QFrame *>(QStringLiteral("fraRhyme_%1").arg(i))->isHidden(), i != shown);
            QCOMPARE(m_panel->findChild<ClickLabel *>(QStringLiteral("lblRhyme_%1").arg(i))->captionColour(),
                     i == shown ? rhymes::kActiveTab : rhymes::kInactiveTab);
        }
        QCOMPARE(get<QLineEdit>("txtRhymeSound")->text(), sound);
    }

    // Each way of starting a search; the rules themselves are tested in the core.
    void searches_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("phonetics");
        // clang-format off
        QTest::newRow("Rhyme")
            << "cat" << "" << "picRhymeWord" << "acrobat /ˈækrəbæt/; hat /hæt/" << "2 words found." << "/kæt/";
        QTest::newRow("Enter")
            << "dance" << "" << "txtRhymeWord" << "chance /tʃɑːns/" << "1 words found." << "/dɑːns/";
        QTest::newRow("an option")
            << "day" << "" << "optAssonance" << "play /pleɪ/; today /təˈdeɪ/" << "2 words found." << "/deɪ/";
        QTest::newRow("not found")
            << "zebra" << "" << "picRhymeWord" << "" << rhymes::kNotInDatabase << "";
        QTest::newRow("empty word box")
            << "" << "" << "picRhymeWord" << "" << rhymes::kNoWordsFound << "";
        QTest::newRow("option, empty word box")
            << "" << "" << "optAlliteration" << "before" << "before" << "before";
        QTest::newRow("sound Rhyme")
            << "" << "kæ?" << "picRhymeSound" << "cap /kæp/; cat /kæt/" << "2 words found." << "before";
        QTest::newRow("sound Enter")
            << "" << "ʧ*" << "txtRhymeSound" << "chance /tʃɑːns/" << "1 words found." << "before";
        QTest::newRow("empty sound box")
            << "" << "" << "picRhymeSound" << "" << rhymes::kNoWordsFound << "";
        // clang-format on
    }
    void searches() {
        QFETCH(QString, word);
        QFETCH(QString, sound);
        QFETCH(QString, action);
        QFETCH(QString, rows);
        QFETCH(QString, label);
        QFETCH(QString, phonetics);
        // What the panel showed before: some rows, and texts that stand out.
        get<QLineEdit>("txtRhymeSound")->setText("b?d");
        get<QToolButton>("picRhymeSound")->click();
        const QString before = this->rows();
        QCOMPARE(before, "bed /bed/; bid /bɪd/");
        get<QLabel>("lblRhymeNumWords")->setText("before");
        get<QLineEdit>("txtRhymePhonetics")->setText("before");

        get<QLineEdit>("txtRhymeWord")->setText(word);
        get<QLineEdit>("txtRhymeSound")->setText(sound);
        QWidget *target = m_panel->findChild<QWidget *>(action);
        if (auto *box = qobject_cast<QLineEdit *>(target))
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(this->rows(), rows == "before" ? before : rows);
        QCOMPARE(this->label(), label);
        QCOMPARE(this->phonetics(), phonetics);
        QVERIFY(!QApplication::overrideCursor());
    }

    void addSelected() {
        QSignalSpy added(m_panel.get(), &RhymesPanel::addTextRequested);
        get<QLineEdit>("txtRhymeWord")->setText("dance");
        get<QToolButton>("picRhymeWord")->click();
        get<QToolButton>("picAddRhyme")->click(); // nothing selected
        QCOMPARE(added.size(), 0);
        select(0);
        get<QToolButton>("picAddRhyme")->click();
        QCOMPARE(added.size(), 1);
        QCOMPARE(added[0][0].toString(), "tʃɑːns");

        const QRect row = list()->visualRect(list()->model()->index(0, 1));
        QTest::mousePress(list()->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(added.size(), 2);
        QCOMPARE(added[1][0].toString(), "tʃɑːns");
    }

    // The accent changed: the search that filled the list runs again in the new accent.
    void refresh_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("bre");
        QTest::addColumn<QString>("ame");
        // clang-format off
        QTest::newRow("word")  << "picRhymeWord"  << "chance /tʃɑːns/" << "chance /tʃæns/; manse /mæns/";
        QTest::newRow("sound") << "picRhymeSound" << "manse /mæns/"    << "chance /tʃæns/; dance /dæns/; manse /mæns/";
        // clang-format on
    }
    void refresh() {
        QFETCH(QString, button);
        QFETCH(QString, bre);
        QFETCH(QString, ame);
        get<QLineEdit>("txtRhymeWord")->setText("dance");
        get<QLineEdit>("txtRhymeSound")->setText("?æns");
        m_panel->findChild<QToolButton *>(button)->click();
        QCOMPARE(rows(), bre);
        m_panel->setAccent(Accent::AmE);
        m_panel->refresh();
        QCOMPARE(rows(), ame);
    }

    void databaseError() {
        QTemporaryDir dir;
        const QString path = dir.filePath("broken.sqlite");
        QStringList tables = schema::lexiconTables();
        tables.removeAt(1); // words2
        QVERIFY(Connection::openReadWrite(path, tables, schema::lexiconRequiredTables()));
        auto broken = Connection::openReadOnly(path, schema::lexiconRequiredTables());
        get<QLineEdit>("txtRhymeSound")->setText("b?d");
        get<QToolButton>("picRhymeSound")->click();
        QVERIFY(!rows().isEmpty());

        m_panel->setLexicon(broken.get());
        get<QToolButton>("picRhymeSound")->click();
        QCOMPARE(m_messages.shown.size(), 1);
        QVERIFY(m_messages.shown[0].startsWith("Database error: "));
        QCOMPARE(rows(), QString());
        QCOMPARE(label(), QString());
        QVERIFY(!QApplication::overrideCursor());
        m_panel->setLexicon(m_db.get());
    }

    // Not a timed test: the time is printed for the record.
    void twentyThousandRows() {
        QTemporaryDir dir;
        makeBigLexicon(dir.filePath("big.sqlite"), 20000);
        auto big = Connection::openReadOnly(dir.filePath("big.sqlite"), schema::lexiconRequiredTables());
        m_panel->setLexicon(big.get());
        get<QLineEdit>("txtRhymeSound")->setText("*");
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(FindBySound("*", Accent::BrE, *big).rows.size(), 20000);
        const qint64 search = timer.restart();
        get<QToolButton>("picRhymeSound")->click();
        m_panel->repaint();
        const qint64 shown = timer.elapsed();
        QCOMPARE(list()->model()->rowCount(), 20000);
        QCOMPARE(label(), "20000 words found.");
        qInfo("20000 rows: search alone %lld ms; search, list filled and painted %lld ms", search, shown);
        m_panel->setLexicon(m_db.get());
    }

    // ------------------------------------------------------------ in the main window

    void mainWindowWiring() {
        QTemporaryDir dir;
        RecordedMessages messages;
        MainWindow window(
            {test::fixturePath("rhymes"), dir.filePath("ContributionDB.sqlite"), dir.filePath("vocalith.xml")},
            messages, {});
        QVERIFY(window.startUp());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QToolButton *>("picRhymes")->click();
        auto *word = window.findChild<QLineEdit *>("txtRhymeWord");
        QCOMPARE(QApplication::focusWidget(), word);

        QTest::keyClicks(word, "dance");
        QTest::keyClick(word, Qt::Key_Return);
        auto *model = window.findChild<QTreeView *>("lstRhymeWords")->model();
        QCOMPARE(model->rowCount(), 1);
        QTest::mouseClick(window.findChild<ClickLabel *>("lblAme"), Qt::LeftButton);
        QCOMPARE(model->rowCount(), 2); // chance, manse

        auto *editor = window.findChild<QPlainTextEdit *>("txtText");
        editor->setPlainText("[]");
        QTextCursor caret = editor->textCursor();
        caret.setPosition(1);
        editor->setTextCursor(caret);
        window.findChild<QTreeView *>("lstRhymeWords")->setCurrentIndex(model->index(1, 0));
        window.findChild<QToolButton *>("picAddRhyme")->click();
        QCOMPARE(editor->toPlainText(), "[mæns]");
        QVERIFY(messages.shown.isEmpty());
    }
};

QTEST_MAIN(TestRhymesPanel)
#include "tst_rhymespanel.moc"
