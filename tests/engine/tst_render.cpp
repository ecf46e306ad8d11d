// Rendering of stored transcriptions under the display options.

#include "engine/render.h"

#include <QtTest>

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

class TestRender : public QObject {
    Q_OBJECT
private slots:
    void render_data() {
        // clang-format off
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("american");
        QTest::addColumn<QString>("expected");

        const QStringList punct{"keeppunctuation", "keepspaces"};
        QTest::newRow("all punctuation kept")
            << "a <.> b <,> c <;> d <:> e <?> f <!>" << punct << false << "a. b, c; d: e? f!";
        QTest::newRow("punctuation at line start") << "<.>\r\nb" << punct << false << ".\r\nb";
        QTest::newRow("punctuation kept, line breaks removed")
            << "a <.>\r\nb" << QStringList{"keeppunctuation", "keepspaces", "removecrs"} << false << "a. b";
        QTest::newRow("punctuation kept, two line breaks stay") << "a\r\n\r\nb" << punct << false << "a\r\n\r\nb";
        QTest::newRow("delimiters with slash")
            << "ˈfɑːðə <,> ɪz" << QStringList{"slash", "keepspaces"} << false << "/ ˈfɑːðə / ɪz /";
        QTest::newRow("delimiters with bar") << "ˈfɑːðə <,> ɪz" << QStringList{"keepspaces"} << false
                                            << "| ˈfɑːðə | ɪz |";
        QTest::newRow("adjacent tokens merge") << "a <,> <.> b" << QStringList{"slash", "keepspaces"} << false
                                               << "/ a / b /";
        QTest::newRow("line breaks collapse when punctuation goes")
            << "a\r\n\r\nb" << QStringList{"slash", "keepspaces"} << false << "/ a /\r\nb /";
        QTest::newRow("list marks both ends of lines")
            << "a\r\nb" << QStringList{"slash", "keepspaces", "list"} << false << "/ a /\r\n/ b /";
        QTest::newRow("line breaks removed become delimiters")
            << "a\r\nb" << QStringList{"slash", "keepspaces", "removecrs"} << false << "/ a / b /";
        QTest::newRow("syllable dots removed") << "ˈfɑː.ðə ɪz" << QStringList{"slash", "keepspaces"} << false
                                               << "/ ˈfɑːðə ɪz /";
        QTest::newRow("spaces become syllable dots")
            << "ˈfɑː.ðə ɪz <.> ə" << QStringList{"slash", "showsyllables"} << false << "/ˈfɑː.ðə.ɪz/ə/";
        QTest::newRow("syllables disable kept punctuation")
            << "a <.> b" << QStringList{"slash", "showsyllables", "keeppunctuation", "keepspaces"} << false
            << "/ a / b /";
        QTest::newRow("spaces removed") << "a b <,> c" << QStringList{"slash"} << false << "/ab/c/";
        QTest::newRow("stress removed") << "ˈæb ˌcd 'e" << QStringList{"removestress", "keepspaces"} << false
                                        << "| æb cd e |";
        QTest::newRow("syllabic consonants spelled out")
            << "ˈneɪ.ʃn̩ ˈæp.l̩" << QStringList{"keepspaces", "showsyllables"} << false << "| ˈneɪ.ʃən ˈæp.əl |";
        QTest::newRow("intrusive r british") << "ˈɪdɪə ɒv" << QStringList{"keepspaces", "intrusiver"} << false
                                             << "| ˈɪdɪər ɒv |";
        QTest::newRow("intrusive r not american") << "ˈɪdɪə ɒv" << QStringList{"keepspaces", "intrusiver"} << true
                                                  << "| ˈɪdɪə ɒv |";
        QTest::newRow("intrusive r before stressed vowel")
            << "lɔː ˈænd" << QStringList{"keepspaces", "intrusiver"} << false << "| lɔːr ˈænd |";
        QTest::newRow("no intrusive r across punctuation")
            << "ˈɪdɪə <,> ɒv" << QStringList{"keepspaces", "intrusiver", "keeppunctuation"} << false
            << "ˈɪdɪə, ɒv";
        QTest::newRow("linking mark becomes r") << "fɔː(r) ɪt" << QStringList{"keepspaces"} << false << "| fɔːr ɪt |";
        QTest::newRow("unknown word") << "<blorf> kæt" << QStringList{"keepspaces"} << false << "| <blorf> kæt |";
        // A guessed word keeps its mark and is treated as any other word.
        QTest::newRow("intrusive r before a guess")
            << "ˈɪdɪə ≈ˈɒb.lɒŋ" << QStringList{"keepspaces", "intrusiver", "removestress"} << false << "| ɪdɪər ≈ɒblɒŋ |";
        QTest::newRow("guess among syllables") << "ə ≈ˈzɪ.zi.ɡɑː ɒv" << QStringList{"showsyllables", "intrusiver"} << false
                                               << "|ə.≈ˈzɪ.zi.ɡɑːr.ɒv|";
        // clang-format on
    }
    void render() {
        QFETCH(QString, stored);
        QFETCH(QStringList, options);
        QFETCH(bool, american);
        QFETCH(QString, expected);
        const auto shown = RenderTranscription(stored, only(options), american ? Accent::AmE : Accent::BrE);
        QVERIFY(shown);
        QCOMPARE(*shown, expected);
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

QTEST_APPLESS_MAIN(TestRender)
#include "tst_render.moc"
