#pragma once
// The Transcribe command without its window: text and accent in, stored transcription out.

#include "engine/lexicon/lexicon.h"
#include "engine/wordtranscriber.h"
#include "pronunciation/accent.h"

#include <QString>
#include <functional>
#include <optional>

namespace vocalith {

struct TranscribeObserver {
    // Called once the text is cut into its segments, before any word is transcribed.
    std::function<void(int segmentCount)> started;
    // Called for each transcribed word: zero-based segment, segment count, word, transcription.
    std::function<void(int segment, int segmentCount, const QString &word, const QString &transcription)> word;
    // Called after each segment with the number of segments done.
    std::function<void(int done)> segmentDone;
    // Polled at the start of every segment; true ends the run with what is done so far.
    std::function<bool()> stopRequested;
};

// What a run does beyond the lexicon's rules.
struct TranscribeOptions {
    // Set: a word that no rule finds takes its guess, marked with kGuessMark; unset (or
    // without a guess for the word), it stays unknown between "<" and ">".
    Guesser guess;
};

// The input text after normalisation, cut into its segments, each as its words, with
// abbreviations, numbers, money amounts and quotes dealt with (what the main pass transcribes).
QVector<QStringList> segmentText(const QString &text, Accent accent, const Abbreviations &abbreviations = {});

// Transcribes a text as typed into the input box. Returns nullopt when the text is empty
// after trimming (nothing changes then); otherwise the stored transcription, which is
// partial when the observer asked to stop.
std::optional<QString> Transcribe(const QString &text, Accent accent, Lexicon &lexicon,
                                  const TranscribeObserver &observer = {}, const TranscribeOptions &options = {});

// Transcribes a text that arrives line by line, with memory that does not grow with it.
// The stored transcription comes out in pieces; joined, they are what Transcribe gives for
// the lines joined by CR LF (nothing where Transcribe gives nullopt). Lines are transcribed
// in groups of about pieceSize units, with one read transaction for the whole run.
class PiecewiseTranscriber {
public:
    static constexpr qsizetype kPieceSize = 32768;
    PiecewiseTranscriber(Accent accent, Lexicon &lexicon, qsizetype pieceSize = kPieceSize,
                         const TranscribeOptions &options = {});

    // Takes the next line, without its line break; returns the part of the stored
    // transcription that is final now (often empty).
    QString addLine(const QString &line);
    // Ends the text: the rest of the stored transcription.
    QString finish();

private:
    QString transcribePending();
    static constexpr size_t kMemoLimit = 10000;

    Accent m_accent;
    Lexicon &m_lexicon;
    qsizetype m_pieceSize;
    TranscribeOptions m_options;
    Connection::ReadTransaction m_snapshot;
    QString m_pending; // lines not transcribed yet, joined by CR LF
    int m_lines = 0;   // how many
    bool m_started = false;
};

// The "Remove CR" command: every CR LF becomes a space, then double spaces are halved.
QString withoutCarriageReturns(const QString &text);

extern const QString kCrLf;

} // namespace vocalith
