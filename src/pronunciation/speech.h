#pragma once
// Listen: a transcription in our notation, hand corrections included, spoken by espeak-ng.
// The notation becomes espeak-ng's phoneme names (the reverse of the conversion that builds
// the lexicon), phrase by phrase, and each phrase is synthesised into memory as soon as the
// one before it is done, so that the first sound of a long text comes at once.
//
// Typical use on a worker thread (the window's player):
//     const auto phrases = speechPhrases(text);         // a quick scan, no espeak-ng
//     const int k = phraseAt(phrases, caret);             // the phrase with the caret
//     speak(QStringView(text).mid(phrases[k].from, phrases[k].length), options, callbacks);
// with callbacks.samples writing to the audio output and callbacks.stopRequested reading
// the Stop button's flag.

#include "pronunciation/accent.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>
#include <functional>
#include <span>

namespace vocalith::pronunciation {

// Speaking rate in words a minute.
constexpr int kMinSpeechRate = 80;
constexpr int kMaxSpeechRate = 260;
constexpr int kDefaultSpeechRate = 150;
inline int clampSpeechRate(int wordsPerMinute) {
    return wordsPerMinute < kMinSpeechRate   ? kMinSpeechRate
           : wordsPerMinute > kMaxSpeechRate ? kMaxSpeechRate
                                             : wordsPerMinute;
}

// The voice of each accent: espeak-ng's Received Pronunciation and American English.
QString speechVoice(Accent accent);

// A phrase of a transcription: the text between two phrase boundaries (the delimiters / and
// |, the punctuation marks , ; : . ? ! and line breaks). A "." is a full stop only where no
// letter follows it; between letters it is a syllable dot.
struct SpeechPhrase {
    qsizetype from = 0; // where its text starts in the whole
    qsizetype length = 0;
    QChar end; // how it ends when spoken: '.', ',', '?' or '!'
    bool operator==(const SpeechPhrase &) const = default;
};
// The phrases of a text that hold anything but white space, in order.
QVector<SpeechPhrase> speechPhrases(QStringView text);
// The phrase that holds position (a caret between two phrases belongs to the one before it,
// one before the first to the first); -1 when there is none.
int phraseAt(const QVector<SpeechPhrase> &phrases, qsizetype position);

// One phrase in espeak-ng's phoneme names.
struct PhraseSpeech {
    QString phonemes;    // the names to put between "[[" and "]]", a space between words
    QStringList skipped; // what is not spoken, in order: each symbol with no English phoneme
                         // (clicks, implosives, diacritics…) and each unknown word "<word>"
};
// Stress marks stay where they are; a one-syllable word written without one takes a primary
// stress on a full vowel, a secondary one on ɪ and ʊ and none on ə i u ər n̩ l̩. Syllable dots, the guess mark ≈ and
// hyphens make no sound; a linking r "(r)" is spoken before a vowel only. In the British voice a vowel that espeak-ng
// would join to the next vowel with an r that is not written is kept apart from it instead.
PhraseSpeech phraseToEspeak(QStringView phrase, Accent accent);

struct SpeechOptions {
    Accent accent = Accent::BrE;
    int rate = kDefaultSpeechRate; // words a minute, clamped to kMinSpeechRate..kMaxSpeechRate
};

struct SpeechCallbacks {
    // Each block of samples as it is made (16-bit mono at speechSampleRate(), about 60 ms);
    // false stops. It runs while espeak-ng is held (guesses wait meanwhile): hand the block
    // on and return, without waiting for the audio output.
    std::function<bool(std::span<const std::int16_t>)> samples;
    // Before the samples of each phrase, with its index in speechPhrases(text), and before
    // each further part of 40 words of a longer phrase, while espeak-ng is free: the place for
    // a player to wait until its output has room (speech is made hundreds of times faster
    // than it is spoken).
    std::function<void(int phrase)> phraseStarted;
    // Polled before each phrase and with each block of samples; true stops.
    std::function<bool()> stopRequested;
};

struct SpeechReport {
    enum class Status { Done, Stopped, Unavailable };
    Status status = Status::Done;
    int phrases = 0;     // phrases that had something to speak
    QStringList skipped; // what was not spoken, over all phrases (PhraseSpeech::skipped)
    QString error;       // why espeak-ng could not speak (Unavailable)
};

// Speaks a text phrase by phrase in the accent's voice. Safe to call from any thread (one
// synthesis at a time: the guesses share espeak-ng with it).
SpeechReport speak(QStringView text, const SpeechOptions &options, const SpeechCallbacks &callbacks);

// espeak-ng's sample rate in Hz; 0 when espeak-ng cannot start.
int speechSampleRate();

// The IPA of what espeak-ng speaks for the text (its phoneme trace), one line per phrase,
// spaces between words; empty when it cannot speak.
QString spokenIpa(QStringView text, Accent accent);

// A WAV file (PCM, 16-bit, mono) of the samples.
QByteArray wavFile(std::span<const std::int16_t> samples, int sampleRate);

// The status line's note about what was not spoken: "2 symbols not spoken: ʘ ɓ".
QString notSpokenNote(const QStringList &skipped);
// The refusal of a text with nothing to speak.
extern const QString kNothingToSpeak;

} // namespace vocalith::pronunciation
