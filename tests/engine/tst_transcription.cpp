// The Transcribe command without its window (segmentation, numbers, quotes, joining,
// progress and stopping) and word transcription in context (every lookup rule, linking r).

#include "engine/driver.h"
#include "engine/render.h"
#include "engine/wordtranscriber.h"
#include "pronunciation/guess.h"
#include "testsupport.h"

using namespace vocalith;
using vocalith::pronunciation::guessTranscription;
using vocalith::pronunciation::isGuessableWord;

namespace {

// Guesses for a few made-up words, none for the rest.
OptText fakeGuess(const QString &word, Accent) {
    static const QHash<QString, QString> kGuesses{
        {"blorf", "blɔːf"}, {"oink", "ɔɪŋk"}, {"zar", "zɑː(r)"}, {"chaz", "ʧæz"}};
    return kGuesses.contains(word) ? OptText(kGuesses.value(word)) : std::nullopt;
}

// Each segment's words joined by spaces.
QStringList lines(const QVector<QStringList> &segments) {
    QStringList out;
    for (const QStringList &words : segments)
        out << words.join(QLatin1Char(' '));
    return out;
}

} // namespace

class TestTranscription : public QObject {
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
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("comma and full stop") << "Good morning, sir."
                                             << QStringList{"good morning", ",", "sir", ".", ""};
        QTest::newRow("dollars") << "$20" << QStringList{"twenty dollars"};
        QTest::newRow("lone euro") << "€" << QStringList{"euro"};
        QTest::newRow("us dollars") << "us$5" << QStringList{"five u s dollars"};
        QTest::newRow("canadian dollars") << "c$5" << QStringList{"five canadian dollars"};
        QTest::newRow("currency without amount") << "$abc" << QStringList{"abc"};
        QTest::newRow("plain numbers follow the accent") << "105" << QStringList{"one hundred and five"};
        QTest::newRow("quotes stripped") << "'morning'" << QStringList{"morning"};
        QTest::newRow("percent") << "50%" << QStringList{"fifty percent"};
        QTest::newRow("euros after") << "20€" << QStringList{"twenty euros"};
        QTest::newRow("runs of spaces and tabs") << "cat   dog\t\tday" << QStringList{"cat dog day"};
        QTest::newRow("short word keeps quotes") << "'a'" << QStringList{"'a'"};
        QTest::newRow("four letters lose one") << "'tis" << QStringList{"tis"};
        QTest::newRow("typographic apostrophes") << "‘morning’ cat’s" << QStringList{"morning cat's"};
        QTest::newRow("brackets and quotes become spaces") << "(cat) \"dog\"/day—sir" << QStringList{"cat dog day sir"};
        QTest::newRow("line breaks are segments") << "cat\r\ndog" << QStringList{"cat", "\r\n", "dog"};
        QTest::newRow("colon and semicolon") << "a:b;c" << QStringList{"a", ":", "b", ";", "c"};
        // clang-format on
    }
    void segments() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(lines(segmentText(text, Accent::BrE)), expected);
    }

    // Numbers, amounts and abbreviations as people write them, the phrase around them kept.
    void runningText_data() {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("american");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("thousands") << "1,000 people came." << false << QStringList{"one thousand people came", ".", ""};
        QTest::newRow("decimals and percent") << "It rose 3.5% today" << true
                                              << QStringList{"it rose three point five percent today"};
        QTest::newRow("both separators") << "1,234.56" << true
                                         << QStringList{"one thousand two hundred and thirty four point five six"};
        QTest::newRow("a list stays cut") << "1,2 and 12,34" << false
                                          << QStringList{"one", ",", "two and twelve", ",", "thirty four"};
        QTest::newRow("a version stays cut") << "1.2.3" << false << QStringList{"one", ".", "two", ".", "three"};
        QTest::newRow("pence") << "£1.50 each" << true << QStringList{"one pound and fifty pence each"};
        QTest::newRow("cents, then a comma") << "$25.50, sir" << false
                                             << QStringList{"twenty five dollars and fifty cents", ",", "sir"};
        QTest::newRow("one unit") << "$1 or €1 or 1€" << false << QStringList{"one dollar or one euro or one euro"};
        QTest::newRow("millions") << "$2 million and $3.5 billion" << true
                                  << QStringList{"two million dollars and three point five billion dollars"};
        QTest::newRow("short scales") << "£5bn or $3m or $5k" << false
                                      << QStringList{"five billion pounds or three million dollars or five thousand dollars"};
        QTest::newRow("plain millions") << "3.5 million" << false << QStringList{"three point five million"};
        QTest::newRow("no amount before a scale") << "$abc million" << false << QStringList{"abc million"};
        QTest::newRow("years, ordinals, decades")
            << "In 1984, the 21st of the 1990s and '60s" << false
            << QStringList{"in nineteen eighty four", ",", "the twenty first of the nineteen nineties and sixties"};
        QTest::newRow("year at the end") << "in 2005." << true << QStringList{"in two thousand five", ".", ""};
        QTest::newRow("numbers in hyphenated words") << "a 21-year-old, 1914-1918" << false
                                                     << QStringList{"a twenty-one-year-old", ",", "nineteen-fourteen-nineteen-eighteen"};
        QTest::newRow("dashes end a phrase") << "cat -- dog – day - sir--egg" << false
                                             << QStringList{"cat", "dog", "day", "sir", "egg"};
        QTest::newRow("dashes at the ends") << "- cat - - dog -" << false << QStringList{"cat", "dog"};
        QTest::newRow("marks alone") << "cat * ' '' dog" << false << QStringList{"cat dog"};
        QTest::newRow("brackets, ampersand, backquotes")
            << "[cat] {dog} <day> R&D `sir'" << false << QStringList{"cat dog day r and d sir"};
        QTest::newRow("numbers after marks") << "#1 in 1983* and '72" << false
                                             << QStringList{"number one in nineteen eighty three and seventy two"};
        QTest::newRow("title before a name") << "Mr. Bennet and Mr Darcy" << false
                                             << QStringList{"mister bennet and mister darcy"};
        QTest::newRow("title in brackets") << "(Mr. Smith)" << true << QStringList{"mister smith"};
        QTest::newRow("at the end of a line") << "I saw Mr.\r\nthen" << false
                                              << QStringList{"i saw mister", ".", "", "\r\n", "then"};
        QTest::newRow("sentence end before a capital") << "pears, etc. Then" << false
                                                       << QStringList{"pears", ",", "etc", ".", "then"};
        QTest::newRow("sentence end before a quote") << "etc.\" He" << false << QStringList{"etc", ".", "he"};
        QTest::newRow("within a sentence") << "pears etc. and e.g. Paris" << false
                                           << QStringList{"pears etc and for example paris"};
        QTest::newRow("number") << "No. 5 is no. 6" << false << QStringList{"number five is number six"};
        QTest::newRow("no number") << "No. I won't" << false << QStringList{"no", ".", "i won't"};
        QTest::newRow("only with its stop") << "Col. Mustard's col" << false << QStringList{"colonel mustard's col"};
        QTest::newRow("not inside a word") << "Mrx. e.g.x" << false
                                           << QStringList{"mrx", ".", "e", ".", "g", ".", "x"};
        // clang-format on
    }
    void runningText() {
        QFETCH(QString, text);
        QFETCH(bool, american);
        QFETCH(QStringList, expected);
        QCOMPARE(lines(segmentText(text, american ? Accent::AmE : Accent::BrE, m_lexicon->abbreviations())), expected);
    }

    // The abbreviations table is optional: without it, "Mr." ends a phrase.
    void lexiconWithoutAbbreviations() {
        QCOMPARE(stored(QStringLiteral("Mr. Cat")), QStringLiteral("ˈmɪs.tə kæt"));
        QTemporaryDir dir;
        QStringList tables;
        for (const QString &create : schema::lexiconTables())
            if (!create.contains(QLatin1String("abbreviations")))
                tables << create;
        auto db = Connection::openReadWrite(dir.filePath("old.sqlite"), tables, {});
        QVERIFY(db);
        db->execute(QStringLiteral("INSERT INTO words (word, BrE, AmE) VALUES ('cat', 'kæt', 'kæt')"));
        Lexicon old(*db);
        QCOMPARE(Transcribe(QStringLiteral("Mr. Cat"), Accent::BrE, old).value_or(QString()),
                 QStringLiteral("<mr> <.> kæt"));
    }

    // Unknown words take their guess, marked, and the rules around them treat it as any
    // word; without a guesser the output is the unknown words'.
    void guess_data() {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("guessed");
        QTest::addColumn<QString>("unguessed");
        QTest::newRow("marked") << "Blorf!" << "≈blɔːf <!>" << "<blorf> <!>";
        QTest::newRow("function word before a guessed vowel") << "the oink" << "ði ≈ɔɪŋk" << "ðə <oink>";
        QTest::newRow("linking r after a guess") << "zar egg. zar" << "≈zɑːr eɡ <.> ≈zɑː" << "<zar> eɡ <.> <zar>";
        QTest::newRow("linking r before a guess") << "father oink" << "ˈfɑː.ðər ≈ɔɪŋk" << "ˈfɑː.ðə <oink>";
        QTest::newRow("is after a guess") << "blorf is a cat" << "≈blɔːf s ə kæt" << "<blorf> z ə kæt";
        QTest::newRow("possessive") << "blorf's idea" << "≈blɔːfs aɪˈdɪə" << "<blorf>z aɪˈdɪə";
        QTest::newRow("hyphenated part") << "well-blorf" << "wel ≈blɔːf" << "wel";
        QTest::newRow("affricates split") << "chaz" << "≈tʃæz" << "<chaz>";
        QTest::newRow("no guess, no letter") << "xyz ##" << "<xyz> <##>" << "<xyz> <##>";
        // clang-format on
    }
    void guess() {
        QFETCH(QString, text);
        QFETCH(QString, guessed);
        QFETCH(QString, unguessed);
        QCOMPARE(Transcribe(text, Accent::BrE, *m_lexicon, {}, {fakeGuess}).value_or(QString()), guessed);
        QCOMPARE(Transcribe(text, Accent::BrE, *m_lexicon, {}, {}).value_or(QString()), unguessed);
    }

    // espeak-ng's guesses in the lexicon's notation, per accent.
    void guessFromEspeak() {
        QCOMPARE(guessTranscription(QStringLiteral("lookin"), Accent::BrE), OptText(QStringLiteral("ˈlʊk.ɪn")));
        QCOMPARE(guessTranscription(QStringLiteral("stardate"), Accent::BrE), OptText(QStringLiteral("ˈstɑː.deɪt")));
        QCOMPARE(guessTranscription(QStringLiteral("stardate"), Accent::AmE), OptText(QStringLiteral("ˈstɑːr.deɪt")));
        QCOMPARE(guessTranscription(QString(), Accent::AmE), OptText());
    }

    // Only words of the Latin script reach espeak-ng (1.51 reads freed memory on some
    // Hangul letters); the others stay unknown, also in a run with guesses.
    void guessOnlyLatinWords_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("guessable");
        // clang-format off
        QTest::newRow("apostrophes, hyphen") << "rock'n'roll-ish" << true;
        QTest::newRow("accented letters") << "straße-café" << true;
        QTest::newRow("hangul jamo") << "\u11F1" << false;
        QTest::newRow("cyrillic") << "привет" << false;
        QTest::newRow("greek in a latin word") << "alphaβ" << false;
        QTest::newRow("digit") << "mp3" << false;
        QTest::newRow("combining mark") << "cafe\u0301" << false;
        QTest::newRow("empty") << "" << false;
        // clang-format on
    }
    void guessOnlyLatinWords() {
        QFETCH(QString, word);
        QFETCH(bool, guessable);
        QCOMPARE(isGuessableWord(word), guessable);
        if (guessable)
            return;
        for (const Accent accent : {Accent::BrE, Accent::AmE})
            QCOMPARE(guessTranscription(word, accent), OptText());
        if (std::none_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); }))
            return; // no word for the transcriber
        const TranscribeOptions guess{Guesser(guessTranscription)};
        QCOMPARE(Transcribe("cat " + word, Accent::BrE, *m_lexicon, {}, guess), OptText("kæt <" + word + ">"));
    }

    void americanNumbers() {
        QCOMPARE(lines(segmentText(QStringLiteral("105 $105"), Accent::AmE)),
                 (QStringList{"one hundred five one hundred and five dollars"}));
    }

    void transcribe_data() {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty does nothing") << "   " << "(nothing)";
        QTest::newRow("tokens between words") << "Good morning, sir." << "ɡʊd ˈmɔː.nɪŋ <,> sɜː <.>";
        QTest::newRow("only punctuation") << ".,!" << "<.> <,> <!>";
        QTest::newRow("line breaks without spaces") << "cat.\r\ndog\r\n\r\nday" << "kæt <.>\r\ndɒɡ\r\n\r\ndeɪ";
        QTest::newRow("text starting with a line break") << "\r\ncat" << "\r\nkæt";
        QTest::newRow("punctuation after a line break") << "cat\r\n.dog" << "kæt\r\n<.> dɒɡ";
        QTest::newRow("linking r across words") << "father egg" << "ˈfɑː.ðər eɡ";
        QTest::newRow("linking mark removed at the end") << "a father." << "ə ˈfɑː.ðə <.>";
        QTest::newRow("possessive and hyphen") << "The cat's idea is well-known." << "ðə kæts aɪˈdɪə z wel nəʊn <.>";
        QTest::newRow("there is a") << "There is a cat" << "ðə z ə kæt";
        QTest::newRow("a dash opens a phrase") << "cat -- that cat, cat that cat" << "kæt ðæt kæt <,> kæt ðət kæt";
        QTest::newRow("unknown word") << "Blorf!" << "<blorf> <!>";
        // Context rows of running text, firing and not.
        QTest::newRow("demonstrative that") << "that one, so that cat" << "ðæt wʌn <,> <so> ðət kæt";
        QTest::newRow("locative there") << "out there a cat, if there a cat" << "<out> ðeər ə kæt <,> <if> ðər ə kæt";
        QTest::newRow("a just cat") << "a just cat, cat just a cat" << "ə dʒʌst kæt <,> kæt dʒəst ə kæt";
        // clang-format on
    }
    void transcribe() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(stored(text), expected);
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

    void transcribeWord_data() {
        // clang-format off
        QTest::addColumn<QString>("segment"); // words separated by single spaces
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("american");
        QTest::addColumn<QString>("expected");

        // word list, unknown words, affricates
        QTest::newRow("plain word") << "cat" << 0 << false << "kæt";
        QTest::newRow("american column") << "dog" << 0 << true << "dɑːɡ";
        QTest::newRow("unknown") << "blorf" << 0 << false << "<blorf>";
        QTest::newRow("empty word") << "" << 0 << false << "<>";
        QTest::newRow("affricate ligatures split") << "church" << 0 << false << "tʃɜːtʃ";
        QTest::newRow("apostrophe in word") << "o'clock" << 0 << false << "əˈklɒk";
        QTest::newRow("null column is unknown") << "colour" << 0 << true << "<colour>";

        // collocations
        QTest::newRow("previous word") << "have read" << 1 << false << "red";
        QTest::newRow("previous and following") << "the wind blows" << 1 << false << "wɪnd";
        QTest::newRow("previous and following, first word") << "wind blows" << 0 << false << "<wind>";
        QTest::newRow("previous and following, last word") << "the wind" << 1 << false << "<wind>";
        QTest::newRow("following word") << "used to" << 0 << false << "juːst";
        QTest::newRow("following words") << "going to be" << 0 << false << "ˈɡəʊ.ɪŋ.tə";
        QTest::newRow("following words, too short") << "going to" << 0 << false << "<going>";
        QTest::newRow("after within six") << "lead a b c d e pencil" << 0 << false << "led";
        QTest::newRow("after beyond six") << "lead a b c d e f pencil" << 0 << false << "<lead>";
        QTest::newRow("after is the word itself") << "close the door" << 0 << false << "kləʊs";
        QTest::newRow("after never matches last word") << "the close" << 1 << false << "<close>";
        QTest::newRow("before within six") << "eye a b c d e tear cat" << 6 << false << "tɪə";
        QTest::newRow("before, second row") << "paper tear" << 1 << false << "teə(r)";
        QTest::newRow("before beyond six") << "eye a b c d e f tear" << 7 << false << "<tear>";
        QTest::newRow("value equal to word goes on") << "live concert music" << 0 << false << "laɪv";
        QTest::newRow("value equal to word kept") << "live music" << 0 << false << "live";
        QTest::newRow("row without context never matches") << "row" << 0 << false << "<row>";
        QTest::newRow("collocation linking r before vowel") << "at four egg" << 1 << false << "fɔːr";
        QTest::newRow("collocation linking r before consonant") << "at four cat" << 1 << false << "fɔː";

        // "is"
        QTest::newRow("is first") << "is cat" << 0 << false << "ɪz";
        QTest::newRow("is last") << "cat is" << 1 << false << "ɪz";
        QTest::newRow("is after t") << "cat is good" << 1 << false << "s";
        QTest::newRow("is after sh") << "bush is good" << 1 << false << "ɪz";
        QTest::newRow("is after vowel") << "day is good" << 1 << false << "z";

        // function words
        QTest::newRow("fw at beginning") << "fw cat" << 0 << false << "B";
        QTest::newRow("fw before vowel") << "cat fw apple" << 1 << false << "V";
        QTest::newRow("fw before consonant") << "cat fw dog" << 1 << false << "C";
        QTest::newRow("fw at end") << "cat fw" << 1 << false << "E";
        QTest::newRow("fw american") << "cat fw dog" << 1 << true << "aC";
        QTest::newRow("fwtwo weak without vowel form") << "cat fwtwo apple" << 1 << false << "W2";
        QTest::newRow("fwtwo first, no beginning form") << "fwtwo cat" << 0 << false << "W2";
        QTest::newRow("fwtwo alone is strong") << "fwtwo" << 0 << false << "S2";
        QTest::newRow("fw before is ends its clause") << "cat fw is" << 1 << false << "E";
        QTest::newRow("there before a final is") << "cat there is" << 1 << false << "ðər";
        QTest::newRow("there before a contracted is") << "cat there is a" << 1 << false << "ðə";
        QTest::newRow("the before vowel") << "the idea" << 0 << false << "ði";
        QTest::newRow("function word linking r") << "for egg" << 0 << false << "fər";
        QTest::newRow("function word r dropped") << "for cat" << 0 << false << "fə";
        QTest::newRow("function word r kept at end") << "cat for" << 1 << false << "fɔː(r)";
        QTest::newRow("american keeps r") << "for cat" << 0 << true << "fər";

        // the "is" rule and function words calling each other
        QTest::newRow("existential there is") << "there is a" << 0 << false << "ðə";
        QTest::newRow("locative there at the start") << "there cat" << 0 << false << "ðeə";
        QTest::newRow("there is: is") << "there is a" << 1 << false << "z";
        QTest::newRow("that is so") << "that is good" << 1 << false << "s";
        QTest::newRow("he is here") << "he is good" << 1 << false << "z";
        QTest::newRow("american r before is") << "father is good" << 0 << true << "ˈfɑː.ðər";
        QTest::newRow("r before is in a question") << "what father is it" << 1 << false << "ˈfɑː.ðər";
        QTest::newRow("is in a question") << "what father is it" << 2 << false << "ɪz";
        QTest::newRow("is not in a question") << "the father is it" << 2 << false << "z";

        // linking r of words
        QTest::newRow("r before ae") << "father ant" << 0 << false << "ˈfɑː.ðər";
        QTest::newRow("r before stressed vowel") << "father only" << 0 << false << "ˈfɑː.ðər";
        QTest::newRow("r before consonant") << "father dog" << 0 << false << "ˈfɑː.ðə";
        QTest::newRow("r before is, british") << "father is good" << 0 << false << "ˈfɑː.ðə";
        QTest::newRow("r stays at end") << "the father" << 1 << false << "ˈfɑː.ðə(r)";
        QTest::newRow("r before function word at end") << "father of" << 0 << false << "ˈfɑː.ðər";
        QTest::newRow("r before function word vowel") << "father of cat" << 0 << false << "ˈfɑː.ðər";

        // possessives and hyphens
        QTest::newRow("possessive after t") << "cat's" << 0 << false << "kæts";
        QTest::newRow("possessive after s") << "boss's" << 0 << false << "bɒsɪz";
        QTest::newRow("possessive affricate") << "judge's" << 0 << false << "dʒʌdʒɪz";
        QTest::newRow("possessive after vowel") << "day's" << 0 << false << "deɪz";
        QTest::newRow("short 's is not possessive") << "'s" << 0 << false << "<'s>";
        QTest::newRow("hyphen parts") << "well-known" << 0 << false << "wel nəʊn";
        QTest::newRow("hyphen whole word first") << "ice-cream" << 0 << false << "ˈaɪs.kriːm";
        QTest::newRow("hyphen part missing") << "well-blorf" << 0 << false << "wel";
        QTest::newRow("hyphen all parts missing") << "blorf-zork" << 0 << false << "<blorf-zork>";
        QTest::newRow("hyphen keeps r mark") << "car-sofa" << 0 << false << "kɑː(r) ˈsəʊ.fə";
        // clang-format on
    }

    void transcribeWord() {
        QFETCH(QString, segment);
        QFETCH(int, index);
        QFETCH(bool, american);
        QFETCH(QString, expected);
        const QStringList words = segment.split(QLatin1Char(' '));
        SegmentTranscriber transcriber(words, american ? Accent::AmE : Accent::BrE, *m_lexicon);
        QCOMPARE(transcriber.transcribeWord(index), expected);
    }

    void longTranscriptionIsCut() {
        const QString t = SegmentTranscriber({QStringLiteral("longword")}, Accent::BrE, *m_lexicon).transcribeWord(0);
        QCOMPARE(t.size(), 255);
        QVERIFY(t.startsWith(QStringLiteral("ˈaaa")));
    }

    // The same segment transcribed in any order gives the same words.
    void orderDoesNotMatter() {
        const QStringList words = QStringLiteral("there is a father of the idea for the cat's day").split(' ');
        SegmentTranscriber forwards(words, Accent::BrE, *m_lexicon);
        SegmentTranscriber backwards(words, Accent::BrE, *m_lexicon);
        backwards.transcribeAllBackwards();
        for (int i = 0; i < words.size(); ++i)
            QCOMPARE(backwards.transcribeWord(i), forwards.transcribeWord(i));
    }

    // A long chain of words that each look at the next one must not exhaust the stack.
    void longChainOfLookAheads() {
        QStringList words;
        for (int i = 0; i < 200000; ++i)
            words << QStringLiteral("father");
        SegmentTranscriber segment(words, Accent::BrE, *m_lexicon);
        segment.transcribeAllBackwards();
        QCOMPARE(segment.transcribeWord(0), QStringLiteral("ˈfɑː.ðə"));
    }

    void startsWithVowel_data() {
        // clang-format off
        QTest::addColumn<QString>("transcription");
        QTest::addColumn<bool>("expected");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("consonant") << "kæt" << false;
        QTest::newRow("schwa after secondary stress") << "ˌəbaʊt" << true;
        QTest::newRow("length mark") << "ːə" << true;
        QTest::newRow("primary then consonant") << "ˈkæt" << false;
        QTest::newRow("only one stress mark dropped") << "ˈˈə" << false;
        // clang-format on
    }
    void startsWithVowel() {
        QFETCH(QString, transcription);
        QFETCH(bool, expected);
        QCOMPARE(StartsWithVowel(transcription), expected);
    }

    // "is" looks back at the word before it; a long run of them must not exhaust the stack,
    // and each still follows the rule: "s" after t, then "ɪz" after "s" or "ɪz".
    void longRunOfIs() {
        QStringList words{QStringLiteral("cat")};
        for (int i = 0; i < 200000; ++i)
            words << QStringLiteral("is");
        words << QStringLiteral("day");
        SegmentTranscriber segment(words, Accent::BrE, *m_lexicon);
        segment.transcribeAllBackwards();
        QCOMPARE(segment.transcribeWord(1), QStringLiteral("s"));
        QCOMPARE(segment.transcribeWord(2), QStringLiteral("ɪz"));
        QCOMPARE(segment.transcribeWord(200000), QStringLiteral("ɪz"));
    }

    // Lines given one by one, in groups of any size, make the stored transcription of the
    // whole text, and its rendering in parts is the rendering of the whole.
    void piecewiseEqualsWhole() {
        static const QStringList kPieces{
            "cat",   "father", "is",     "the",   "idea", "for",     "fw",          "there", "a",     "sir",
            "four",  "at",     "3.5",    "1,000", "$5",   "20€",     "(12)",        "50%",   "cat's", "well-known",
            "Blorf", "CAT",    ".",      ",",     "!",    "?",       ":",           ";",     "'",     "\"",
            "oink",  "zar",    "£1.50",  "1,2",   "$2",   "million", "Mr.",         "etc.",  "e.g.",  "No.",
            "5",     "1984",   "21st",   "'60s",  "--",   "–",       "21-year-old", "Col.",  "Then",  "1.2.3",
            "-",     "#",      "@",      "#@",    "@#",   " ",       "  ",          "\t",    "\r",    "Σ",
            "İ",     "é",      "\u00A0", "ʃ",     "(r)",  "/",       "|",           "<",     ">"};
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
            const TranscribeOptions guess{random.bounded(2) ? Guesser(fakeGuess) : Guesser()};
            const QString expected = Transcribe(whole, accent, *m_lexicon, {}, guess).value_or(QString());

            PiecewiseTranscriber transcriber(accent, *m_lexicon, random.bounded(1, 40), guess);
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

QTEST_GUILESS_MAIN(TestTranscription)
#include "tst_transcription.moc"
