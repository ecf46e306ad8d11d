// Listen: our notation spoken by espeak-ng. The conversion is checked by what espeak-ng
// says it speaks (its phoneme trace), not by listening.

#include "editor/ipachart.h"
#include "engine/driver.h"
#include "engine/render.h"
#include "pronunciation/guess.h"
#include "speechcheck.h"
#include "statistics/phonemes.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QtTest>
#include <atomic>
#include <thread>

using namespace vocalith;
using namespace vocalith::pronunciation;

namespace {

// The phrases of a text as "text" + end mark, trimmed.
QStringList phraseTexts(const QString &text) {
    QStringList out;
    for (const SpeechPhrase &p : speechPhrases(text))
        out << text.mid(p.from, p.length).trimmed() + p.end;
    return out;
}

std::vector<std::int16_t> synthesise(const QString &text, const SpeechOptions &options) {
    std::vector<std::int16_t> samples;
    SpeechCallbacks callbacks;
    callbacks.samples = [&](std::span<const std::int16_t> block) {
        samples.insert(samples.end(), block.begin(), block.end());
        return true;
    };
    speak(text, options, callbacks);
    return samples;
}

std::unique_ptr<Connection> openLexicon() {
    return Connection::openReadOnly(test::binPath(QStringLiteral("VocalithDB.sqlite")),
                                    schema::lexiconRequiredTables());
}

// The round trip of a lexicon sample of each accent (bench/speech takes any size).
constexpr int kSampleWords = 1000;
constexpr double kFloor = 99.0;

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    void phrases_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("phrases");
        // clang-format off
        QTest::newRow("delimiters") << "/ ɡʊd ˈmɔː.nɪŋ / sɜː /" << QStringList{"ɡʊd ˈmɔː.nɪŋ,", "sɜː."};
        QTest::newRow("kept punctuation") << "riːd ɪt, tə miː? nəʊ!" << QStringList{"riːd ɪt,", "tə miː?", "nəʊ!"};
        QTest::newRow("full stop, syllable dots") << "ˈfɑː.ðə. ˈmɪs.tə.ˈben.ɪt" << QStringList{"ˈfɑː.ðə.", "ˈmɪs.tə.ˈben.ɪt."};
        QTest::newRow("dot before a guess") << "|ə.≈ˈzɪ.zi|" << QStringList{"ə.≈ˈzɪ.zi."};
        QTest::newRow("line breaks") << "kæt\r\n\r\ndɒɡ\nsɜː" << QStringList{"kæt.", "dɒɡ.", "sɜː."};
        QTest::newRow("colon: mark or length") << "kaːt: dɒɡ" << QStringList{"kaːt,", "dɒɡ."};
        QTest::newRow("stored tokens") << "kæt <,> dɒɡ <?>" << QStringList{"kæt,", "dɒɡ?"};
        QTest::newRow("nothing but boundaries") << " / | \r\n. " << QStringList{};
        // clang-format on
    }
    void phrases() {
        QFETCH(QString, text);
        QFETCH(QStringList, phrases);
        QCOMPARE(phraseTexts(text), phrases);
    }

    // The caret's phrase: the one that holds it, the one before a boundary it stands on.
    void phraseAtCaret_data() {
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("phrase");
        QTest::newRow("before the first") << 0 << 0;
        QTest::newRow("inside the first") << 4 << 0;
        QTest::newRow("on the boundary") << 6 << 0;
        QTest::newRow("inside the second") << 9 << 1;
        QTest::newRow("at the end") << 13 << 1;
    }
    void phraseAtCaret() {
        QFETCH(int, caret);
        QFETCH(int, phrase);
        const QString text = QStringLiteral("/ kæt / dɒɡ /");
        QCOMPARE(phraseAt(speechPhrases(text), caret), phrase);
        QCOMPARE(phraseAt({}, caret), -1);
    }

    void toEspeak_data() {
        QTest::addColumn<QString>("ipa");
        QTest::addColumn<bool>("american");
        QTest::addColumn<QString>("phonemes");
        QTest::addColumn<QStringList>("skipped");
        // clang-format off
        QTest::newRow("monosyllables") << "ðə ˈbɪɡ ʃɪp ɪz hɪə" << false << "D|@ 'b|I|g ,S|I|p ,I|z 'h|i@" << QStringList{};
        QTest::newRow("linking r before a vowel") << "ˈfɑː.ðə(r) ɪz" << false << "'f|A:|D|@|r ,I|z" << QStringList{};
        QTest::newRow("linking r before a consonant") << "ˈfɑː.ðə(r) kæt" << false << "'f|A:|D|@ 'k|a|t" << QStringList{};
        QTest::newRow("no r of espeak's own") << "ˈdrɔː.ɪŋ ðə ˈæp.l̩" << false << "'d|r|O:|_|I|N D|@|_ 'a|p|l-" << QStringList{};
        QTest::newRow("american: no break") << "ˈdrɔː.ɪŋ" << true << "'d|r|O:|I|N" << QStringList{};
        QTest::newRow("other notations' r") << "ˈbɝ.dɚ" << true << "'b|3:|d|3" << QStringList{};
        QTest::newRow("n kept before k and ɡ") << "ʌnˈkɔɪl ɪn ˈɡɒlf" << false << "V|n|_|'k|OI|l ,I|n 'g|0|l|f" << QStringList{};
        QTest::newRow("affricates, ties, apostrophe") << "'t͡ʃɜːʧ" << false << "'tS|3:|tS" << QStringList{};
        QTest::newRow("length mark on a plain vowel") << "ˈkaːt" << false << "'k|a:|t" << QStringList{};
        QTest::newRow("click and implosive") << "ʘæt ɓɪt" << false << "'a|t ,I|t" << QStringList{"ʘ", "ɓ"};
        QTest::newRow("diacritics") << "tʰɪ̃n" << false << ",t|I|n" << QStringList{"ʰ", "◌̃"};
        QTest::newRow("unknown word") << "<worf> ɡrɪm" << false << ",g|r|I|m" << QStringList{"<worf>"};
        // clang-format on
    }
    void toEspeak() {
        QFETCH(QString, ipa);
        QFETCH(bool, american);
        QFETCH(QString, phonemes);
        QFETCH(QStringList, skipped);
        const PhraseSpeech speech = phraseToEspeak(ipa, american ? Accent::AmE : Accent::BrE);
        QCOMPARE(speech.phonemes, phonemes);
        QCOMPARE(speech.skipped, skipped);
    }

    // A sentence is sound, not silence, of a length that follows its phonemes and the rate,
    // in a WAV file of its samples.
    void sentenceAudio_data() {
        QTest::addColumn<int>("rate");
        QTest::newRow("slowest") << kMinSpeechRate;
        QTest::newRow("default") << kDefaultSpeechRate;
        QTest::newRow("fastest") << kMaxSpeechRate;
    }
    void sentenceAudio() {
        QFETCH(int, rate);
        const QString sentence = QStringLiteral("/ ðə ˈfɑː.ðər əv ə ˈfrend / ɪz ˈkʌm.ɪŋ ˈhəʊm tə ˈmɒr.əʊ /");
        const int phonemes =
            int(phraseToEspeak(sentence, Accent::BrE).phonemes.count(QRegularExpression(QStringLiteral("[^|_ ]+"))));
        const auto samples = synthesise(sentence, SpeechOptions{Accent::BrE, rate});
        const double seconds = double(samples.size()) / speechSampleRate();
        const double perPhoneme = seconds / phonemes * rate / kDefaultSpeechRate;
        qInfo() << rate << "words a minute:" << seconds << "s," << perPhoneme * 1000 << "ms a phoneme at 150";
        QVERIFY2(perPhoneme > 0.04 && perPhoneme < 0.15, qPrintable(QString::number(perPhoneme)));
        const auto loudest = *std::max_element(samples.begin(), samples.end(), [](std::int16_t a, std::int16_t b) {
            return std::abs(int(a)) < std::abs(int(b));
        });
        QVERIFY(std::abs(int(loudest)) > 4000);
        // espeak-ng's voice source runs on from one synthesis to the next, so a second one in
        // the same process differs by a few milliseconds; a second process gives the same
        // bytes (tst_cli).
        const auto again = qsizetype(synthesise(sentence, SpeechOptions{Accent::BrE, rate}).size());
        QVERIFY(std::abs(again - qsizetype(samples.size())) < qsizetype(samples.size()) / 50);
        const QByteArray wav = wavFile(samples, speechSampleRate());
        QCOMPARE(wav.size(), qsizetype(44 + 2 * samples.size()));
        QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt ");
    }

    // A long word (a text whose spaces became syllable dots) is spoken whole, where espeak-ng
    // alone says nothing or crashes; a long phrase is made in parts, none of its words lost.
    void longWordAndPhrase_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("parts");
        QTest::newRow("one word") << "." << 1;
        QTest::newRow("one phrase") << " " << 5;
    }
    void longWordAndPhrase() {
        QFETCH(QString, separator);
        QFETCH(int, parts);
        const QString text =
            QStringList(100, QStringLiteral("ˈkæt") + separator + QStringLiteral("sɪt")).join(separator);
        std::vector<std::int16_t> samples;
        int started = 0;
        SpeechCallbacks callbacks;
        callbacks.samples = [&](std::span<const std::int16_t> block) {
            samples.insert(samples.end(), block.begin(), block.end());
            return true;
        };
        callbacks.phraseStarted = [&](int k) { started += k == 0 ? 1 : 100; };
        QCOMPARE(int(speak(text, SpeechOptions{}, callbacks).status), int(SpeechReport::Status::Done));
        QCOMPARE(started, parts);
        QVERIFY(double(samples.size()) / speechSampleRate() > 600 * 0.04);
        if (parts > 1)
            QCOMPARE(spokenIpa(text, Accent::BrE).split(u' ').size(), 200);
    }

    // Stop is seen with each block of samples and before each phrase; a sink that refuses
    // samples stops too. The phrases are announced as they start.
    void stop_data() {
        QTest::addColumn<int>("stopAfterBlocks"); // stopRequested turns true after so many blocks
        QTest::addColumn<int>("refuseAt");        // the sink refuses this block (-1: never)
        QTest::addColumn<int>("status");
        QTest::newRow("runs to the end") << 1000000 << -1 << int(SpeechReport::Status::Done);
        QTest::newRow("stop requested") << 2 << -1 << int(SpeechReport::Status::Stopped);
        QTest::newRow("sink refuses") << 1000000 << 3 << int(SpeechReport::Status::Stopped);
    }
    void stop() {
        QFETCH(int, stopAfterBlocks);
        QFETCH(int, refuseAt);
        QFETCH(int, status);
        int blocks = 0;
        QVector<int> started;
        SpeechCallbacks callbacks;
        callbacks.samples = [&](std::span<const std::int16_t>) { return blocks++ != refuseAt; };
        callbacks.stopRequested = [&] { return blocks >= stopAfterBlocks; };
        callbacks.phraseStarted = [&](int k) { started << k; };
        const SpeechReport report =
            speak(QStringLiteral("ʘ / ðə ˈfɑː.ðə / ɪz ˈkʌm.ɪŋ / ˈhəʊm"), SpeechOptions{}, callbacks);
        QCOMPARE(int(report.status), status);
        QCOMPARE(report.skipped, QStringList{QStringLiteral("ʘ")});
        if (report.status == SpeechReport::Status::Done) {
            QCOMPARE(started, (QVector<int>{1, 2, 3}));
            QVERIFY(blocks > 6);
        } else {
            QCOMPARE(started, QVector<int>{1});
            QCOMPARE(blocks, refuseAt >= 0 ? refuseAt + 1 : stopAfterBlocks);
        }
    }

    // Guesses and speech share espeak-ng's one state: run at once from two threads, each gives
    // what it gives alone.
    void sharedSession() {
        const QStringList words{QStringLiteral("zorblax"), QStringLiteral("quibbling"), QStringLiteral("frangible")};
        const QString sentence = QStringLiteral("ðə kæt / sæt ɒn ðə mæt");
        const QString alone = spokenIpa(sentence, Accent::AmE);
        QVERIFY(!alone.isEmpty());
        std::atomic<bool> differ = false;
        std::thread speaker([&] {
            for (int k = 0; k < 30; ++k)
                if (spokenIpa(sentence, Accent::AmE) != alone)
                    differ = true;
        });
        // A new word each time (guesses are remembered), so that espeak-ng is asked each time.
        QStringList guessed;
        for (int k = 0; k < 150; ++k)
            guessed << guessTranscription(words[k % 3] + QString(k / 3, u'z'), Accent::BrE).value_or(QString());
        speaker.join();
        QVERIFY(!differ);
        QCOMPARE(guessed.mid(0, 3), (QStringList{QStringLiteral("ˈzɔː.blæks"), QStringLiteral("ˈkwɪb.lɪŋ"),
                                                 QStringLiteral("ˈfræn.dʒə.bl̩")}));
        QVERIFY(!guessed.contains(QString()));
    }

    // Every symbol of the chart is spoken or counted as not spoken, in both voices, and
    // espeak-ng is only ever given its own phoneme names.
    void chartSymbols() {
        for (const Accent accent : {Accent::BrE, Accent::AmE})
            for (const QString &symbol : SymbolList()) {
                const PhraseSpeech speech = phraseToEspeak(symbol, accent);
                const bool mark = QStringView(u"ˈˌː.").contains(symbol);
                QVERIFY2(mark || !speech.phonemes.isEmpty() || !speech.skipped.isEmpty(), qPrintable(symbol));
                for (const QChar c : speech.phonemes)
                    QVERIFY2(c.unicode() < 128 && c != u'[' && c != u']', qPrintable(symbol));
                if (!speech.phonemes.isEmpty())
                    QVERIFY2(!spokenIpa(symbol, accent).isEmpty(), qPrintable(symbol));
            }
    }

    // Each phoneme of the statistics table, alone, is what espeak-ng says, in both voices
    // (the American voice has no ɒ: it says ɑː).
    void phonemesRoundTrip() {
        for (const Accent accent : {Accent::BrE, Accent::AmE})
            for (const Phoneme &p : kPhonemes) {
                const QString symbol = QString::fromUtf16(p.symbol);
                if (accent == Accent::AmE && symbol == QStringLiteral("ɒ"))
                    continue;
                const QString spoken = spokenIpa(symbol, accent);
                QVERIFY2(test::comparableWord(symbol) == test::comparableWord(spoken),
                         qPrintable(accentCode(accent) + QLatin1Char(' ') + symbol + QStringLiteral(" → ") + spoken));
            }
    }

    // A sample of the lexicon's words of each accent, each spoken alone.
    void lexiconRoundTrip() {
        auto lexicon = openLexicon();
        QVERIFY(lexicon);
        for (const Accent accent : {Accent::BrE, Accent::AmE}) {
            test::RoundTrip result;
            for (const QString &word : test::sampleTranscriptions(*lexicon, accent, kSampleWords, 25))
                test::checkSpoken(word, accent, result);
            qInfo().noquote() << accentCode(accent) << result.same << "of" << result.words
                              << "words:" << result.misses.join(QStringLiteral("; "));
            QVERIFY2(result.share() >= kFloor, qPrintable(QString::number(result.share())));
        }
    }

    // Sentences as the transcriber writes them, with its delimiters, linking and intrusive r,
    // weak forms and guesses.
    void sentencesRoundTrip() {
        auto connection = openLexicon();
        QVERIFY(connection);
        Lexicon lexicon(*connection);
        const QStringList sentences{
            QStringLiteral("Good morning, sir."),
            QStringLiteral("The cat's idea is well-known."),
            QStringLiteral("Mr. Bennet paid £1.50, not $25.50, for 1,000 pears, apples, etc. Then he left."),
            QStringLiteral("In 2005 she gave $2 million to No. 10 -- that was in the 1990s, on the 21st."),
            QStringLiteral("The Klingon idea of Worf -- lookin' grim."),
            QStringLiteral("Read it to me. There is a cat; that one, so that cat."),
            QStringLiteral("The father and the law of America are drawing a clear line after all."),
            QStringLiteral("Which way to the nearest station? It rose 3.5% today!"),
        };
        for (const Accent accent : {Accent::BrE, Accent::AmE}) {
            TranscribeOptions options;
            options.guess = guessTranscription;
            test::RoundTrip result;
            for (const QString &s : sentences) {
                const auto stored = Transcribe(s, accent, lexicon, {}, options);
                QVERIFY(stored);
                test::checkSpoken(*RenderTranscription(*stored, RenderOptions{}, accent), accent, result);
            }
            qInfo().noquote() << accentCode(accent) << result.same << "of" << result.words
                              << "words:" << result.misses.join(QStringLiteral("; "));
            QVERIFY2(result.share() >= kFloor, qPrintable(result.misses.join(QStringLiteral("; "))));
        }
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
