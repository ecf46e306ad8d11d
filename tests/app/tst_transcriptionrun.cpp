// A Transcribe run on a worker thread, without a window: it opens its own connection there
// and gives what Transcribe and the renderer give, its progress can be read from another
// thread, a stop ends it at the next segment with what is done, and its failures come back
// as failures. (The user's words in a run: tst_contributions.)

#include "app/transcriptionrun.h"
#include "editor/addtext.h"
#include "testsupport.h"

#include <QThread>

using namespace vocalith;
using namespace vocalith::test;
using namespace Qt::StringLiterals;

namespace {

// Runs on a thread of its own, as the window does, and waits for the end.
TranscriptionResult runOnAThread(TranscriptionRun &run) {
    std::unique_ptr<QThread> thread(QThread::create([&run] { run.run(); }));
    thread->start();
    thread->wait();
    return run.takeResult();
}

TranscriptionRequest request(const QString &text, Accent accent = Accent::BrE) {
    TranscriptionRequest r;
    r.boxText = programToBoxText(text);
    r.accent = accent;
    r.lexiconPath = fixturePath(u"engine"_s);
    return r;
}

} // namespace

class TestTranscriptionRun : public QObject {
    Q_OBJECT

private slots:
    void sameAsTranscribe_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("american");
        QTest::addColumn<bool>("removeCRs");
        QTest::newRow("lines, British") << u"The cat.\r\nA dog, my idea!\r\n\r\nMr. Bush"_s << false << true;
        QTest::newRow("lines kept, American") << u"The cat.\r\nA dog, my idea!"_s << true << false;
    }
    void sameAsTranscribe() {
        QFETCH(QString, text);
        QFETCH(bool, american);
        QFETCH(bool, removeCRs);
        const Accent accent = american ? Accent::AmE : Accent::BrE;
        TranscriptionRequest r = request(text, accent);
        RenderOptions options;
        options.removeCRs = removeCRs;
        r.render = RenderedTranscription{options, accent, std::nullopt};
        TranscriptionRun run(std::move(r));
        const TranscriptionResult result = runOnAThread(run);

        const auto db = openFixture(u"engine"_s);
        Lexicon lexicon(*db);
        const std::optional<QString> expected = Transcribe(text, accent, lexicon);
        QCOMPARE(result.failure, TranscriptionResult::None);
        QCOMPARE(result.stored, expected);
        QVERIFY(!result.stopped);
        QCOMPARE(result.rendered->boxText, programToBoxText(RenderTranscription(*expected, options, accent).value()));
        const RunProgress p = run.progress();
        QCOMPARE(p.done, p.segmentCount);
        QVERIFY(!p.word.isEmpty() && !p.transcription.isEmpty());
    }

    // Asked during a segment, the stop ends the run before the next one: the segments done
    // are kept. (The guess of an unknown word is the moment to ask.)
    void stopEndsAtTheNextSegment() {
        TranscriptionRequest r = request(u"the cat\r\nblorf dog\r\nbush"_s);
        TranscriptionRun *running = nullptr;
        r.options.guess = [&running](const QString &word, Accent) -> OptText {
            if (word == u"blorf"_s)
                running->requestStop();
            return std::nullopt;
        };
        TranscriptionRun run(std::move(r));
        running = &run;
        const TranscriptionResult result = runOnAThread(run);
        QCOMPARE(result.stored, u"ðə kæt\r\n<blorf> dɒɡ"_s);
        QVERIFY(result.stopped);
        QCOMPARE(run.progress().done, 3);
    }

    void failures_data() {
        QTest::addColumn<QString>("lexicon"); // "" for a file that is not there
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("error");
        QTest::newRow("no lexicon") << QString() << int(TranscriptionResult::LexiconNotOpened) << QString();
        QTest::newRow("words without their columns")
            << u"CREATE TABLE words (word TEXT)"_s << int(TranscriptionResult::Database) << u"BrE"_s;
    }
    void failures() {
        QFETCH(QString, lexicon);
        QFETCH(int, failure);
        QFETCH(QString, error);
        QTemporaryDir dir;
        TranscriptionRequest r = request(u"cat"_s);
        r.lexiconPath = dir.filePath(u"lexicon.sqlite"_s);
        if (!lexicon.isEmpty()) {
            QStringList tables = schema::lexiconTables();
            tables[0] = lexicon;
            QVERIFY(Connection::openReadWrite(r.lexiconPath, tables, {}));
        }
        TranscriptionRun run(std::move(r));
        const TranscriptionResult result = runOnAThread(run);
        QCOMPARE(int(result.failure), failure);
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        QVERIFY(!result.stored);
    }
};

QTEST_GUILESS_MAIN(TestTranscriptionRun)
#include "tst_transcriptionrun.moc"
