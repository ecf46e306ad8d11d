// The Transcribe command without its window: segmentation, numbers, quotes, joining,
// progress and stopping.

#include "engine/driver.h"
#include "engine/render.h"
#include "testsupport.h"

using namespace vocalith;

class TestDriver : public QObject {
    Q_OBJECT
    std::unique_ptr<Connection> m_db;
    std::unique_ptr<Lexicon> m_lexicon;

    QString stored(const QString &text, Accent accent = Accent::BrE) {
        const auto result = Transcribe(text, accent, *m_lexicon);
        return result ? *result : QStringLiteral("(nothing)");
    }

private slots:
    void initTestCase() {
        m_db = test::openFixture(QStringLiteral("engine"));
        QVERIFY(m_db);
        m_lexicon = std::make_unique<Lexicon>(*m_db);
    }

    void segments_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("comma and full stop") << "Good morning, sir."
                                             << QStringList{"good morning", ",", "sir", ".", ""};
        QTest::newRow("decimal cut at the point") << "3.5" << QStringList{"three", ".", "five"};
        QTest::newRow("thousands cut at the comma") << "1,000" << QStringList{"one", ",", "zero"};
        QTest::newRow("percent") << "50%" << QStringList{"fifty percent"};
        QTest::newRow("dollars") << "$20" << QStringList{"twenty dollars"};
        QTest::newRow("euros after") << "20€" << QStringList{"twenty euros"};
        QTest::newRow("lone euro") << "€" << QStringList{"euro"};
        QTest::newRow("lone pound") << "£" << QStringList{"pound"};
        QTest::newRow("us dollars") << "us$5" << QStringList{"five u s dollars"};
        QTest::newRow("canadian dollars") << "c$5" << QStringList{"five canadian dollars"};
        QTest::newRow("currency without amount") << "$abc" << QStringList{"abc"};
        QTest::newRow("amounts are british") << "$105" << QStringList{"one hundred and five dollars"};
        QTest::newRow("plain numbers follow the accent") << "105" << QStringList{"one hundred and five"};
        QTest::newRow("quotes stripped") << "'morning'" << QStringList{"morning"};
        QTest::newRow("short word keeps quotes") << "'a'" << QStringList{"'a'"};
        QTest::newRow("four letters lose one") << "'tis" << QStringList{"tis"};
        QTest::newRow("typographic apostrophes") << "‘morning’ cat’s" << QStringList{"morning cat's"};
        QTest::newRow("asterisks") << "*bold*" << QStringList{"bold"};
        QTest::newRow("brackets and quotes become spaces") << "(cat) \"dog\"/day—sir"
                                                           << QStringList{"cat dog day sir"};
        QTest::newRow("runs of spaces give no empty words") << "cat   dog\t\tday" << QStringList{"cat dog day"};
        QTest::newRow("line breaks are segments") << "cat\r\ndog" << QStringList{"cat", "\r\n", "dog"};
        QTest::newRow("question and exclamation") << "cat? dog!" << QStringList{"cat", "?", "dog", "!", ""};
        QTest::newRow("colon and semicolon") << "a:b;c" << QStringList{"a", ":", "b", ";", "c"};
        QTest::newRow("upper case lowered") << "CAT Dog" << QStringList{"cat dog"};
    }
    void segments() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(SegmentText(text, Accent::BrE), expected);
    }

    void americanNumbers() {
        QCOMPARE(SegmentText(QStringLiteral("105 $105"), Accent::AmE),
                 (QStringList{"one hundred five one hundred and five dollars"}));
    }

    void transcribe_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty does nothing") << "   " << "(nothing)";
        QTest::newRow("tokens between words") << "Good morning, sir." << "ɡʊd ˈmɔː.nɪŋ <,> sɜː <.>";
        QTest::newRow("only punctuation") << ".,!" << "<.> <,> <!>";
        QTest::newRow("line breaks without spaces") << "cat.\r\ndog\r\n\r\nday"
                                                    << "kæt <.>\r\ndɒɡ\r\n\r\ndeɪ";
        QTest::newRow("text starting with a line break") << "\r\ncat" << "\r\nkæt";
        QTest::newRow("punctuation after a line break") << "cat\r\n.dog" << "kæt\r\n<.> dɒɡ";
        QTest::newRow("linking r across words") << "father egg" << "ˈfɑː.ðər eɡ";
        QTest::newRow("linking mark removed at the end") << "a father." << "ə ˈfɑː.ðə <.>";
        QTest::newRow("numbers spelled and looked up") << "5 cat" << "faɪv kæt";
        QTest::newRow("money") << "$5" << "faɪv ˈdɒl.əz";
        QTest::newRow("percent") << "50%" << "ˈfɪf.ti pəˈsent";
        QTest::newRow("possessive and hyphen") << "The cat's idea is well-known."
                                               << "ðə kæts aɪˈdɪə z wel nəʊn <.>";
        QTest::newRow("there is a") << "There is a cat" << "ðeə z ə kæt";
        QTest::newRow("unknown word") << "Blorf!" << "<blorf> <!>";
    }
    void transcribe() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(stored(text), expected);
    }

    void americanRun() {
        QCOMPARE(stored(QStringLiteral("The cat's idea is well-known."), Accent::AmE),
                 QStringLiteral("ðə kæts aɪˈdiː.ə z wel noʊn <.>"));
    }

    void progressAndStop() {
        QStringList words;
        int started = -1;
        int segmentsDone = 0;
        TranscribeObserver observer;
        observer.started = [&](int n) { started = n; };
        observer.word = [&](int segment, int n, const QString &word, const QString &t) {
            QCOMPARE(n, started);
            words << QStringLiteral("%1:%2/%3/").arg(segment).arg(word, t);
        };
        observer.segmentDone = [&](int done) { segmentsDone = done; };
        observer.stopRequested = [&] { return segmentsDone >= 2; };
        const auto result = Transcribe(QStringLiteral("cat dog, day. sir"), Accent::BrE, *m_lexicon, observer);
        QVERIFY(result);
        QCOMPARE(started, 5);
        // The stop takes effect at the start of the third segment: what is done remains.
        QCOMPARE(*result, QStringLiteral("kæt dɒɡ <,>"));
        QCOMPARE(words, (QStringList{"0:cat/kæt/", "0:dog/dɒɡ/", "1:,/<,>/"}));
    }

    // Lines given one by one, in groups of any size, make the stored transcription of the
    // whole text, and its rendering in parts is the rendering of the whole.
    void piecewiseEqualsWhole() {
        static const QStringList kPieces{
            "cat",   "father", "is",     "the",   "idea", "for", "fw",   "there", "a",     "sir",
            "four",  "at",     "3.5",    "1,000", "$5",   "20€", "(12)", "50%",   "cat's", "well-known",
            "Blorf", "CAT",    ".",      ",",     "!",    "?",   ":",    ";",     "'",     "\"",
            "-",     "#",      "@",      "#@",    "@#",   " ",   "  ",   "\t",    "\r",    "Σ",
            "İ",     "é",      "\u00A0", "ʃ",     "(r)",  "/",   "|",    "<",     ">"};
        QRandomGenerator random(9);
        for (int round = 0; round < 400; ++round) {
            QStringList lines;
            const int lineCount = random.bounded(6);
            for (int l = 0; l < lineCount; ++l) {
                QString line;
                const int pieces = random.bounded(8);
                for (int p = 0; p < pieces; ++p)
                    line += kPieces[random.bounded(int(kPieces.size()))] + (random.bounded(3) ? " " : "");
                lines << line;
            }
            const QString whole = lines.join(kCrLf);
            const Accent accent = random.bounded(2) ? Accent::AmE : Accent::BrE;
            const QString expected = Transcribe(whole, accent, *m_lexicon).value_or(QString());

            PiecewiseTranscriber transcriber(accent, *m_lexicon, random.bounded(1, 40));
            RenderOptions options;
            for (const RenderOptionInfo &info : kRenderOptions)
                options.*info.member = random.bounded(2);
            PiecewiseRenderer renderer(options, accent, random.bounded(1, 40));
            QString stored, rendered;
            for (const QString &line : lines) {
                const QString piece = transcriber.addLine(line);
                stored += piece;
                rendered += renderer.add(piece);
            }
            const QString last = transcriber.finish();
            stored += last;
            rendered += renderer.add(last);
            const auto rest = renderer.finish();
            QCOMPARE(stored, expected);
            QCOMPARE(rest.has_value(), !expected.isEmpty());
            if (rest)
                QCOMPARE(rendered + *rest, *RenderTranscription(expected, options, accent));
        }
    }
};

QTEST_GUILESS_MAIN(TestDriver)
#include "tst_driver.moc"
