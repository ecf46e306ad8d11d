// The engine below the driver: opening the lexicon, its small and large tables, and
// rendering stored transcriptions under the display options.

#include "app/paths.h"
#include "engine/lexicon/lexicon.h"
#include "engine/render.h"
#include "testsupport.h"

using namespace vocalith;

namespace {

// Options named by their settings keys; every other option off.
RenderOptions only(const QStringList &keys) {
    RenderOptions o;
    for (const RenderOptionInfo &info : kRenderOptions)
        o.*info.member = keys.contains(QLatin1String(info.key));
    return o;
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    // Opening read-only fails without creating or changing anything; the reasons are
    // checked where they are shown (the command line).
    void lexiconOpening() {
        QVERIFY(test::openFixture(QStringLiteral("engine")));
        const QString missing = m_dir.filePath(QStringLiteral("none.sqlite"));
        const QString empty = test::writeFile(m_dir.filePath(QStringLiteral("empty.sqlite")), {});
        for (const QString &path : {missing, empty, m_dir.path()})
            QVERIFY(!Connection::openReadOnly(path, schema::lexiconRequiredTables()));
        QVERIFY(!QFile::exists(missing));
        QCOMPARE(QFileInfo(empty).size(), 0);
    }

    // Bound parameters: a quote is part of the word, never SQL.
    void apostrophes() {
        auto c = test::openFixture("engine");
        Lexicon lexicon(*c);
        QCOMPARE(*lexicon.word("o'clock")->transcription[int(Accent::BrE)], "əˈklɒk");
        QVERIFY(!lexicon.word("o'clock' OR '1'='1"));
    }

    // Small tables are read whole and large ones word by word; both answer as the query
    // by word does, letter case of ASCII letters ignored and rows in table order.
    void smallAndLargeTablesAnswerAlike_data() {
        // clang-format off
        QTest::addColumn<int>("extraRows");
        QTest::newRow("read whole") << 0;
        QTest::newRow("read word by word") << 25000;
        // clang-format on
    }
    void smallAndLargeTablesAnswerAlike() {
        QFETCH(int, extraRows);
        const QString path = m_dir.filePath(QStringLiteral("tables%1.sqlite").arg(extraRows));
        {
            auto db = Connection::openReadWrite(path, schema::lexiconTables(), {});
            QVERIFY(db);
            db->execute("WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < ?) INSERT INTO "
                        "collocations (word, AFTER, BrE, AmE) SELECT 'filler' || k, 'x', 'a', 'a' FROM n WHERE k <= ?",
                        {extraRows, extraRows});
            db->execute("INSERT INTO collocations (word, AFTER, BrE, AmE) VALUES ('Lead', 'pencil', 'led', 'lɛd'), "
                        "('lead', 'dog', 'liːd', 'liːd')");
            db->execute(
                "INSERT INTO functionwords (word, BrE_Weak) VALUES ('THE', 'ðə'), ('the', 'second'), ('çà', 'x')");
        }
        auto db = Connection::openReadOnly(path, schema::lexiconRequiredTables());
        QVERIFY(db);
        Lexicon lexicon(*db);
        const QVector<CollocationRow> &rows = lexicon.collocations(QStringLiteral("lead"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(*rows[0].after, QStringLiteral("pencil"));
        QCOMPARE(*rows[0].transcription[int(Accent::AmE)], QStringLiteral("lɛd"));
        QCOMPARE(*rows[1].after, QStringLiteral("dog"));
        QVERIFY(lexicon.collocations(QStringLiteral("pencil")).isEmpty());
        const auto &the = lexicon.functionWord(QStringLiteral("the"));
        QVERIFY(the);
        QCOMPARE(*the->form(Accent::BrE, FunctionForm::Weak), QStringLiteral("ðə"));
        QVERIFY(!the->form(Accent::AmE, FunctionForm::Weak));
        QVERIFY(lexicon.functionWord(QStringLiteral("çà")));
        QVERIFY(!lexicon.functionWord(QStringLiteral("ÇÀ"))); // only ASCII letters fold
    }

    void lexiconPathChoice() {
        QCOMPARE(lexiconPath(QStringLiteral("/x/given.sqlite")), QStringLiteral("/x/given.sqlite"));
        qputenv("VOCALITH_LEXICON", "/x/env.sqlite");
        QCOMPARE(lexiconPath(), QStringLiteral("/x/env.sqlite"));
        QCOMPARE(lexiconPath(QStringLiteral("/x/given.sqlite")), QStringLiteral("/x/given.sqlite"));
        qunsetenv("VOCALITH_LEXICON");
        QVERIFY(lexiconPath().endsWith(QStringLiteral("/VocalithDB.sqlite")));
    }

    void render_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("options"); // the settings keys of those on, and AmE for American English
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("all punctuation kept") << "a <.> b <,> c <;> d <:> e <?> f <!>" << "keeppunctuation keepspaces" << "a. b, c; d: e? f!";
        QTest::newRow("punctuation at line start") << "<.>\r\nb" << "keeppunctuation keepspaces" << ".\r\nb";
        QTest::newRow("punctuation kept, line breaks removed") << "a <.>\r\nb" << "keeppunctuation keepspaces removecrs" << "a. b";
        QTest::newRow("punctuation kept, two line breaks stay") << "a\r\n\r\nb" << "keeppunctuation keepspaces" << "a\r\n\r\nb";
        QTest::newRow("delimiters with slash") << "ˈfɑːðə <,> ɪz" << "slash keepspaces" << "/ ˈfɑːðə / ɪz /";
        QTest::newRow("adjacent tokens merge") << "a <,> <.> b" << "slash keepspaces" << "/ a / b /";
        QTest::newRow("line breaks collapse when punctuation goes") << "a\r\n\r\nb" << "slash keepspaces" << "/ a /\r\nb /";
        QTest::newRow("list marks both ends of lines") << "a\r\nb" << "slash keepspaces list" << "/ a /\r\n/ b /";
        QTest::newRow("line breaks removed become delimiters") << "a\r\nb" << "slash keepspaces removecrs" << "/ a / b /";
        QTest::newRow("syllable dots removed") << "ˈfɑː.ðə ɪz" << "slash keepspaces" << "/ ˈfɑːðə ɪz /";
        QTest::newRow("spaces become syllable dots") << "ˈfɑː.ðə ɪz <.> ə" << "slash showsyllables" << "/ˈfɑː.ðə.ɪz/ə/";
        QTest::newRow("syllables disable kept punctuation") << "a <.> b" << "slash showsyllables keeppunctuation keepspaces" << "/ a / b /";
        QTest::newRow("spaces removed") << "a b <,> c" << "slash" << "/ab/c/";
        QTest::newRow("stress removed") << "ˈæb ˌcd 'e" << "removestress keepspaces" << "| æb cd e |";
        QTest::newRow("syllabic consonants spelled out") << "ˈneɪ.ʃn̩ ˈæp.l̩" << "keepspaces showsyllables" << "| ˈneɪ.ʃən ˈæp.əl |";
        QTest::newRow("syllabic consonants spelled out, American") << "ˈneɪ.ʃn̩ ˈæp.l̩" << "keepspaces showsyllables AmE" << "| ˈneɪ.ʃən ˈæp.əl |";
        QTest::newRow("syllabic consonants kept, American") << "ˈneɪ.ʃn̩ ˈæp.l̩" << "keepspaces showsyllables syllabicconsonants AmE" << "| ˈneɪ.ʃn̩ ˈæp.l̩ |";
        QTest::newRow("intrusive r british") << "ˈɪdɪə ɒv" << "keepspaces intrusiver" << "| ˈɪdɪər ɒv |";
        QTest::newRow("intrusive r not american") << "ˈɪdɪə ɒv" << "keepspaces intrusiver AmE" << "| ˈɪdɪə ɒv |";
        QTest::newRow("intrusive r before stressed vowel") << "lɔː ˈænd" << "keepspaces intrusiver" << "| lɔːr ˈænd |";
        QTest::newRow("no intrusive r across punctuation") << "ˈɪdɪə <,> ɒv" << "keepspaces intrusiver keeppunctuation" << "ˈɪdɪə, ɒv";
        QTest::newRow("linking mark becomes r") << "fɔː(r) ɪt" << "keepspaces" << "| fɔːr ɪt |";
        QTest::newRow("unknown word") << "<blorf> kæt" << "keepspaces" << "| <blorf> kæt |";
        // A guessed word keeps its mark and is treated as any other word.
        QTest::newRow("intrusive r before a guess") << "ˈɪdɪə ≈ˈɒb.lɒŋ" << "keepspaces intrusiver removestress" << "| ɪdɪər ≈ɒblɒŋ |";
        QTest::newRow("guess among syllables") << "ə ≈ˈzɪ.zi.ɡɑː ɒv" << "showsyllables intrusiver" << "|ə.≈ˈzɪ.zi.ɡɑːr.ɒv|";
        // clang-format on
    }
    void render() {
        QFETCH(QString, stored);
        QFETCH(QString, options);
        QFETCH(QString, expected);
        const QStringList on = options.split(' ');
        const auto shown = RenderTranscription(stored, only(on), on.contains("AmE") ? Accent::AmE : Accent::BrE);
        QVERIFY(shown);
        QCOMPARE(*shown, expected);
    }

    // Runs of marks and line breaks give one boundary, never an empty phrase; blank lines go
    // wherever punctuation becomes delimiters (at the start and the end of the text too), and
    // stay wherever it is shown.
    void boundaries_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("expected");
        const QString lines17 = "a" + QString("\r\n").repeated(17) + "b";
        // clang-format off
        QTest::newRow("five marks") << "ɡəʊ <!> <!> <!> <!> <!> naʊ" << "slash keepspaces" << "/ ɡəʊ / naʊ /";
        QTest::newRow("nine marks, no spaces") << "a <.> <,> <;> <:> <?> <!> <.> <.> <.> b" << "" << "|a|b|";
        QTest::newRow("seventeen line breaks") << lines17 << "slash keepspaces" << "/ a /\r\nb /";
        QTest::newRow("line breaks and marks removed") << "a <.>\r\n\r\n<,> <!> b" << "slash keepspaces removecrs" << "/ a / b /";
        QTest::newRow("mark at a line's start") << "a\r\n<.> b" << "slash keepspaces list" << "/ a /\r\n/ b /";
        QTest::newRow("line of marks") << "a\r\n<.> <,>\r\nb" << "slash keepspaces" << "/ a /\r\nb /";
        QTest::newRow("ends in a line break") << "ɡəʊ\r\n" << "slash keepspaces list" << "/ ɡəʊ /";
        QTest::newRow("starts with a line break") << "\r\nkæt" << "slash keepspaces list" << "/ kæt /";
        QTest::newRow("starts with a mark") << "<.> kæt" << "keepspaces" << "| kæt |";
        QTest::newRow("only marks") << "<.> <,> <!>" << "slash keepspaces" << "/";
        QTest::newRow("shown marks keep blank lines") << "a <.>\r\n\r\nb\r\n" << "keeppunctuation keepspaces" << "a.\r\n\r\nb\r\n";
        QTest::newRow("shown marks, a run") << "ɡəʊ <!> <!> <!> <!> <!> naʊ" << "keeppunctuation keepspaces" << "ɡəʊ!!!!! naʊ";
        // clang-format on
    }
    void boundaries() {
        QFETCH(QString, stored);
        QFETCH(QString, options);
        QFETCH(QString, expected);
        QCOMPARE(RenderTranscription(stored, only(options.split(' ')), Accent::BrE).value_or("(none)"), expected);
    }

    // The editor's text, once edited, is rendered again at each option change: what the
    // renderer made is rendered as it is, and no option but the list adds a delimiter.
    void renderedTextGetsNoDelimiters_data() {
        QTest::addColumn<QString>("stored");
        // clang-format off
        QTest::newRow("one phrase") << "ɡʊd ˈmɔː.nɪŋ";
        QTest::newRow("phrases and lines") << "ɡʊd ˈmɔː.nɪŋ <,> sɜː <.>\r\nˈfɑː.ðər ɪz\r\n\r\n<.> ˈɪdɪə ɒv <!> <?>";
        QTest::newRow("marks at both ends") << "<.> kæt <,> dɒɡ <.>\r\n";
        QTest::newRow("syllabic consonant, unknown word") << "ˈneɪ.ʃn̩ <a|b> <.> ≈ˈblɔːf";
        // clang-format on
    }
    void renderedTextGetsNoDelimiters() {
        QFETCH(QString, stored);
        auto delimiters = [](const QString &t) { return t.count('/') + t.count('|'); };
        for (unsigned bits = 0; bits < (1u << kRenderOptions.size()); ++bits) {
            RenderOptions first;
            for (size_t k = 0; k < kRenderOptions.size(); ++k)
                first.*kRenderOptions[k].member = bits & (1u << k);
            if (first.punctuationEnabled() && first.keepPunctuation)
                continue; // full stops are shown as dots, which hidden syllables remove
            const QString shown = *RenderTranscription(stored, first, Accent::BrE);
            QCOMPARE(*RenderTranscription(shown, first, Accent::BrE), shown);
            for (const RenderOptionInfo &toggled : kRenderOptions) {
                if (toggled.member == &RenderOptions::list && !first.list)
                    continue;
                RenderOptions then = first;
                then.*toggled.member = !(first.*toggled.member);
                const QString again = *RenderTranscription(shown, then, Accent::BrE);
                QVERIFY2(delimiters(again) <= delimiters(shown), qPrintable(shown + " -> " + again));
            }
        }
    }

    void emptyLeavesTheBoxAlone() { QVERIFY(!RenderTranscription(QString(), RenderOptions{}, Accent::BrE)); }

    // A stored transcription rendered in parts of any size gives the text of the whole,
    // under every option, where the steps' patterns crowd around the cuts.
    void piecewiseEqualsWhole() {
        static const QStringList kPieces{"<.>", "<,>", "<;>", "<:>", "<?>", "<!>", "<@>", " ",  " ",  "\r\n", "\r\n",
                                         "\r",  "/",   "|",   "(r)", "r",   "ɑː",  "ɔː",  "ɪə", "eə", "ʊə",   "ˈ",
                                         "ˌ",   "'",   "n̩",   "l̩",   "n",   "l",   ".",   "æ",  "ə",  "a",    "st",
                                         "tʃ",  "k",   "ŋ",   "ð",   "<",   ">",   "@",   "(",  ")",  "≈"};
        QRandomGenerator random(5);
        for (int round = 0; round < 3000; ++round) {
            QString stored;
            const int pieces = random.bounded(1, 30);
            for (int p = 0; p < pieces; ++p)
                stored += kPieces[random.bounded(int(kPieces.size()))];
            RenderOptions options;
            for (const RenderOptionInfo &info : kRenderOptions)
                options.*info.member = random.bounded(2);
            const Accent accent = random.bounded(4) ? Accent::BrE : Accent::AmE;
            PiecewiseRenderer renderer(options, accent, random.bounded(1, 8));
            QString rendered;
            for (qsizetype at = 0; at < stored.size();) {
                const qsizetype size = random.bounded(1, 6);
                rendered += renderer.add(stored.mid(at, size));
                at += size;
            }
            rendered += renderer.finish().value();
            QCOMPARE(rendered, *RenderTranscription(stored, options, accent));
        }
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
