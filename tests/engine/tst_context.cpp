// Position and homograph rules of running text: the rules on bare word arrays, then
// sentences on the generated lexicon, each reading beside the one it must not take.

#include "engine/contextrules.h"
#include "engine/driver.h"
#include "engine/render.h"
#include "testsupport.h"

using namespace vocalith;
using context::Position;

Q_DECLARE_METATYPE(context::Position)

namespace {

// The words a stem test finds: stems of the -ed and -ing forms below.
bool fakeIsWord(const QString &w) {
    static const QSet<QString> kWords{"open", "smile", "stop", "carry", "work", "cut", "tire", "see"};
    return kWords.contains(w);
}

} // namespace

class TestContext : public QObject {
    Q_OBJECT
    std::unique_ptr<Connection> m_db;
    std::unique_ptr<Lexicon> m_lexicon;

private slots:
    void functionWordPosition_data() {
        QTest::addColumn<QString>("segment");
        QTest::addColumn<int>("index");
        QTest::addColumn<Position>("expected");
        // clang-format off
        QTest::newRow("auxiliary opening a question") << "have you seen it" << 0 << Position::Strong;
        QTest::newRow("auxiliary before a determiner") << "can the dog swim" << 0 << Position::Strong;
        QTest::newRow("auxiliary inside a question") << "what have you seen" << 1 << Position::Usual;
        QTest::newRow("auxiliary before a verb") << "has been sold" << 0 << Position::Usual;
        QTest::newRow("that after an opening auxiliary") << "is that true" << 1 << Position::Strong;
        QTest::newRow("that after an inverted is") << "who is that man" << 2 << Position::Strong;
        QTest::newRow("that after a plain is") << "the idea is that we go" << 3 << Position::Usual;
        QTest::newRow("that before its clause's subject") << "is that they've gone" << 1 << Position::Usual;
        QTest::newRow("that before a last pronoun") << "is that it" << 1 << Position::Strong;
        QTest::newRow("existential there at the start") << "there is a cat" << 0 << Position::Weak;
        QTest::newRow("existential there before a modal") << "there must be a way" << 0 << Position::Weak;
        QTest::newRow("locative there at the start") << "there it is" << 0 << Position::Usual;
        QTest::newRow("locative there after be") << "they were there before us" << 2 << Position::Strong;
        QTest::newRow("there after an inverted is") << "why is there no milk" << 2 << Position::Usual;
        QTest::newRow("there after an opening be") << "were there any" << 1 << Position::Usual;
        QTest::newRow("there after an inverted be") << "how many are there in it" << 3 << Position::Usual;
        QTest::newRow("outside the segment") << "there" << 3 << Position::Usual;
        // clang-format on
    }
    void functionWordPosition() {
        QFETCH(QString, segment);
        QFETCH(int, index);
        QFETCH(Position, expected);
        QCOMPARE(context::functionWordPosition(segment.split(' '), index), expected);
    }

    void invertedIs_data() {
        QTest::addColumn<QString>("segment");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("expected");
        // clang-format off
        QTest::newRow("question word before") << "what time is it now" << 2 << true;
        QTest::newRow("or before") << "or is it" << 1 << true;
        QTest::newRow("statement") << "the idea is it" << 2 << false;
        QTest::newRow("subject before it") << "why it is that" << 2 << false;
        QTest::newRow("no subject after") << "what is the problem" << 1 << false;
        QTest::newRow("question word too far") << "who said the big old dog is it" << 6 << false;
        QTest::newRow("first word") << "is it" << 0 << false;
        QTest::newRow("last word") << "what is" << 1 << false;
        // clang-format on
    }
    void invertedIs() {
        QFETCH(QString, segment);
        QFETCH(int, index);
        QFETCH(bool, expected);
        QCOMPARE(context::isInvertedIs(segment.split(' '), index), expected);
    }

    // The spelling whose entry gives the reading; "-" where the collocations decide.
    void homographReading_data() {
        QTest::addColumn<QString>("segment");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("past-time words") << "she read it last night" << 1 << "red";
        QTest::newRow("last without a time") << "i read the last page" << 1 << "-";
        QTest::newRow("past verb in the phrase") << "she opened the book and read it" << 5 << "red";
        QTest::newRow("past verb with a stem doubled") << "he stopped and read it" << 3 << "red";
        QTest::newRow("ied for y") << "they carried it and read it" << 4 << "red";
        QTest::newRow("past verb and present time") << "i read when i am tired" << 1 << "-";
        QTest::newRow("eed is no past") << "i see a seed and read" << 5 << "-";
        QTest::newRow("singular subject") << "he read the letter" << 1 << "red";
        QTest::newRow("base form after to") << "i want to read it yesterday" << 3 << "read";
        QTest::newRow("question with did") << "did you read it yesterday" << 2 << "read";
        QTest::newRow("participle across a subject") << "have you read it" << 2 << "red";
        QTest::newRow("participle across an adverb") << "she has never read it" << 3 << "red";
        QTest::newRow("imperative") << "read it" << 0 << "-";
        QTest::newRow("then after it") << "we read it then" << 1 << "red";
        QTest::newRow("then before it") << "then we read it" << 2 << "-";
        QTest::newRow("passive used") << "this knife is used to cut bread" << 3 << "used";
        QTest::newRow("passive used across an adverb") << "it is widely used to cut" << 3 << "used";
        QTest::newRow("passive used after 's") << "it's used to cut" << 1 << "used";
        QTest::newRow("habitual used") << "i used to cut bread" << 1 << "-";
        QTest::newRow("accustomed to a noun") << "she is used to the noise" << 2 << "-";
        QTest::newRow("accustomed to a gerund") << "he is used to working" << 2 << "-";
        QTest::newRow("used at the end") << "it is used to" << 2 << "-";
        // clang-format on
    }
    void homographReading() {
        QFETCH(QString, segment);
        QFETCH(int, index);
        QFETCH(QString, expected);
        QCOMPARE(context::homographReading(segment.split(' '), index, fakeIsWord).value_or("-"), expected);
    }

    // The generated lexicon: what `vocalith-cli transcribe` prints by default.
    void sentences_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("american");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("existential there's") << "There's a problem." << false << "/ ðəz ə ˈprɒb.ləm /";
        QTest::newRow("existential there's, American") << "There's a problem." << true << "/ ðərz ə ˈprɑː.bləm /";
        QTest::newRow("existential there is") << "There is a way." << false << "/ ðə z ə weɪ /";
        QTest::newRow("existential there were") << "There were two." << true << "/ ðər wər tuː /";
        QTest::newRow("locative there at the start") << "There it is." << false << "/ ðeər ɪt ɪz /";
        QTest::newRow("locative there after be") << "They were there at six." << false << "/ ðeɪ wə ðeər ət sɪks /";
        QTest::newRow("locative there after a verb") << "Put it there now." << false << "/ pʊt ɪt ðeə naʊ /";
        QTest::newRow("is before it in a question") << "Who is it for?" << false << "/ huː ɪz ɪt fɔː /";
        QTest::newRow("is after or") << "Or is it?" << false << "/ ɔːr ɪz ɪt /";
        QTest::newRow("is after a vowel stays z") << "The idea is good." << false << "/ ði aɪˈdɪə z ɡʊd /";
        QTest::newRow("is before it, no question") << "That is it." << false << "/ ðæt s ɪt /";
        QTest::newRow("is after a stranded word") << "The thing to do is wait." << false << "/ ðə θɪŋ tə duː ɪz weɪt /";
        QTest::newRow("is after a conjunction") << "And is it?" << false << "/ ənd ɪz ɪt /";
        QTest::newRow("is after an object pronoun") << "One of them is here." << false << "/ wʌn əv ðəm ɪz hɪə /";
        QTest::newRow("is after a subject") << "He is here." << false << "/ hi z hɪə /";
        QTest::newRow("the 's of a possessive") << "Them's words." << false << "/ ðəmz wɜːdz /";
        QTest::newRow("auxiliary opening a question") << "Have you seen it?" << false << "/ hæv ju siːn ɪt /";
        QTest::newRow("auxiliary inside a question") << "What have you seen?" << false << "/ wɒt həv ju siːn /";
        QTest::newRow("are opening a question") << "Are you sure?" << true << "/ ɑːr ju ʃʊr /";
        QTest::newRow("stranded preposition") << "Where are you from?" << false << "/ weər ə ju frɒm /";
        QTest::newRow("that after a dash") << "It was 1990 -- that was long ago." << false
            << "/ ɪt wəz ˈnaɪn.tiːn ˈnaɪn.ti ðæt wəz lɒŋ əˈɡəʊ /";
        QTest::newRow("that inside a phrase") << "He said that was long ago." << false
            << "/ hi sed ðət wəz lɒŋ əˈɡəʊ /";
        QTest::newRow("read in the past") << "She read it last night." << true << "/ ʃi red ɪt læst naɪt /";
        QTest::newRow("read in the present") << "I read it every night." << false << "/ aɪ riːd ɪt ˈev.ri naɪt /";
        QTest::newRow("wound a rope") << "He wound the rope around the post." << false
            << "/ hi waʊnd ðə rəʊp əˈraʊnd ðə pəʊst /";
        QTest::newRow("a wound") << "The wound was deep." << false << "/ ðə wuːnd wəz diːp /";
        QTest::newRow("a quarrel") << "A terrible row last night." << false << "/ ə ˈter.ə.bl̩ raʊ lɑːst naɪt /";
        QTest::newRow("a line") << "In the front row." << false << "/ ɪn ðə frʌnt rəʊ /";
        QTest::newRow("passive used to") << "This knife is used to cut bread." << false
            << "/ ðɪs naɪf s juːzd tə kʌt bred /";
        QTest::newRow("habitual used to") << "I used to cut bread." << false << "/ aɪ juːst tə kʌt bred /";
        QTest::newRow("main verb have") << "I have a car." << false << "/ aɪ hæv ə kɑː /";
        // The syllabic consonants of both accents, shown by default.
        QTest::newRow("syllabic consonants") << "A thousand singles." << false << "/ ə ˈθaʊ.zn̩d ˈsɪŋ.ɡl̩z /";
        QTest::newRow("syllabic consonants, American") << "A thousand singles." << true << "/ ə ˈθaʊ.zn̩d ˈsɪŋ.ɡl̩z /";
        // clang-format on
    }
    void sentences() {
        QFETCH(QString, text);
        QFETCH(bool, american);
        QFETCH(QString, expected);
        if (!m_lexicon) {
            m_db = Connection::openReadOnly(test::binPath(QStringLiteral("VocalithDB.sqlite")),
                                            schema::lexiconRequiredTables());
            QVERIFY(m_db);
            m_lexicon = std::make_unique<Lexicon>(*m_db);
        }
        const Accent accent = american ? Accent::AmE : Accent::BrE;
        const QString stored = Transcribe(text, accent, *m_lexicon).value_or(QString());
        QCOMPARE(RenderTranscription(stored, RenderOptions{}, accent).value_or(QString()), expected);
    }
};

QTEST_GUILESS_MAIN(TestContext)
#include "tst_context.moc"
