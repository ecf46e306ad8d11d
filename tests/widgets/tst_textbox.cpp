// The text-box helpers that replace a box's whole text: one undo step with its companion,
// a history that keeps no more than its bound, and a fill that hands a long text to the box
// a part at a time from the event loop.

#include "widgets/textbox.h"

#include <QAbstractUndoItem>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace vocalith;

namespace {

// An undo item that says which way it went last.
struct Companion : QAbstractUndoItem {
    QString *state;
    explicit Companion(QString *s) : state(s) {}
    void undo() override { *state = QStringLiteral("undone"); }
    void redo() override { *state = QStringLiteral("redone"); }
};

// n lines of a hundred characters: c repeated, then the line's number.
QString lines(int n, char c) {
    QString text;
    for (int i = 0; i < n; ++i)
        text += QString(95, QLatin1Char(c)) + QStringLiteral("%1\n").arg(i, 4, 10, QLatin1Char('0'));
    return text;
}

} // namespace

class TestTextBox : public QObject {
    Q_OBJECT

private slots:
    // A box's history keeps no more text than its limit, however often a large text is
    // replaced; the latest step can always be undone.
    void undoHistoryIsBounded() {
        QPlainTextEdit box;
        // A third of the limit and a little more, in lines of a hundred characters.
        auto text = [](char c) { return QString(99, QLatin1Char(c)).append('\n').repeated(kUndoTextLimit / 300 + 1); };
        for (char c = 'a'; c <= 'f'; ++c)
            QVERIFY(replaceBoxText(&box, text(c)));
        // Each third step started the history afresh, before the step itself.
        box.undo();
        QCOMPARE(box.toPlainText(), text('e'));
        box.undo();
        QCOMPARE(box.toPlainText(), text('d'));
        QVERIFY(!box.document()->isUndoAvailable());
    }

    // A fill gives the box the new text as one undo step with its companion, keeps the text
    // the two share, and leaves the event loop between its parts. The text the box holds
    // already makes no step, and the companion goes.
    void fill_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("inParts"); // the fill has not ended when start() returns
        const QString many = lines(30000, 'a');
        QString changed = many;
        changed.replace(1000000, 200000, lines(20000, 'b'));
        // clang-format off
        QTest::newRow("into an empty box")          << QString() << many << true;
        QTest::newRow("the middle of many lines")   << many << changed << true;
        QTest::newRow("one long paragraph")         << QString("x\ny") << QString(300000, 'p') << false;
        QTest::newRow("beyond the history's bound") << lines(20000, 'c') << lines(90000, 'd') << true;
        QTest::newRow("a few lines to none")        << QString("a\nb") << QString() << false;
        QTest::newRow("the text it holds")          << QString("a\nb") << QString("a\nb") << false;
        // clang-format on
    }
    void fill() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, inParts);
        QPlainTextEdit box;
        box.setPlainText(before);
        QString companion;
        auto *fill = new BoxTextFill(&box, after, new Companion(&companion), &box);
        QSignalSpy finished(fill, &BoxTextFill::finished);
        fill->start();
        QCOMPARE(finished.isEmpty(), inParts);
        if (inParts) {
            QVERIFY(box.isReadOnly());
            QVERIFY(finished.wait(30000));
        }
        QCOMPARE(finished.first().first().toBool(), before != after);
        QVERIFY(!box.isReadOnly());
        QCOMPARE(box.toPlainText(), after);
        QCOMPARE(box.textCursor().position(), 0);
        QCOMPARE(box.document()->isUndoAvailable(), before != after);
        box.undo();
        QCOMPARE(box.toPlainText(), before);
        QCOMPARE(companion, QString(before != after ? "undone" : ""));
        box.redo();
        QCOMPARE(box.toPlainText(), after);
    }
};

QTEST_MAIN(TestTextBox)
#include "tst_textbox.moc"
