#pragma once
// Transcriptions of words that the lexicon does not know, made at run time from espeak-ng
// with the conversion that makes the lexicon's own entries.

#include "pronunciation/accent.h"

#include <QString>
#include <mutex>
#include <optional>

namespace vocalith::pronunciation {

// espeak-ng through its library. The library keeps one global state and is not
// thread-safe: every use goes through this session, one caller at a time, and names the
// voice it wants (the session changes voice only when it differs from the last one).
class Espeak {
public:
    // The session, started on first use; nullptr, with the reason, when espeak-ng cannot start.
    static Espeak *instance(QString *error = nullptr);
    // Whether the voice exists (and makes it the session's voice).
    bool hasVoice(const QString &voice);
    // espeak's ASCII phoneme names for the text in that voice, "_" between phonemes and " "
    // between clauses; empty when the voice does not exist.
    QString phonemes(const QString &voice, const QString &text);

private:
    Espeak() = default;
    bool selectVoice(const QString &voice);

    std::mutex m_mutex;
    QString m_voice;
};

// The transcription panel's check box.
inline const QString kGuessUnknownWords = QStringLiteral("Guess unknown words");
inline const QString kGuessUnknownWordsTip =
    QStringLiteral(u"Words the lexicon does not know get a transcription from espeak-ng, marked \u2248");

// espeak-ng's Received Pronunciation and General American voices.
extern const QString kEspeakVoiceRP;
extern const QString kEspeakVoiceUS;

// Whether a word is one espeak-ng's English voices are given: letters of the Latin script,
// apostrophes and hyphens, with at least one letter. espeak-ng 1.51 reads freed memory on
// some letters of other scripts (Hangul jamo such as U+11F1), so those words are never
// handed to it.
bool isGuessableWord(QStringView word);

// The guessed transcription of a lower-case word in the accent, in the lexicon's notation
// (British with the linking-r mark, as the word list has it); nullopt for a word that is
// not guessable, and when espeak-ng cannot start or gives nothing the conversion reads.
// Guesses are remembered; safe to call from any thread.
std::optional<QString> guessTranscription(const QString &word, Accent accent);

} // namespace vocalith::pronunciation
