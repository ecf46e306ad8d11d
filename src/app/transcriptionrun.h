#pragma once
// A Transcribe run meant for a worker thread: it opens its own connection to the lexicon
// there (a database connection serves only the thread that made it), transcribes and
// renders, and leaves its progress in a record that another thread reads whenever it likes.
// A stop asked from any thread ends the run at the next segment with what is done.

#include "pronunciation/accent.h"
#include "engine/driver.h"
#include "engine/lexicon/lexicon.h"
#include "engine/render.h"

#include <QHash>
#include <QMutex>
#include <QString>
#include <atomic>
#include <optional>

namespace vocalith {

// A stored transcription rendered under the display options in an accent.
struct RenderedTranscription {
    RenderOptions options;
    Accent accent = Accent::BrE;
    // What RenderTranscription gives, in the form of a text box (LF line breaks).
    std::optional<QString> boxText;
};

struct TranscriptionRequest {
    // The text as the input box holds it (QTextDocument::toRawText): the run puts it into
    // the program's form, so that a long text costs the window only a copy.
    QString boxText;
    Accent accent = Accent::BrE;
    QString lexiconPath;
    QHash<QString, WordRow> overlay; // the user's words, read before the run
    TranscribeOptions options;
    // Set: the stored transcription is also rendered with these options and accent.
    std::optional<RenderedTranscription> render;
};

// What the run has got to: the latest word and the segments done.
struct RunProgress {
    int segmentCount = -1; // -1 until the text is cut into its segments
    int segment = -1;      // of the latest word; -1 before the first
    int done = 0;
    QString word, transcription;
};

struct TranscriptionResult {
    enum Failure { None, LexiconNotOpened, Database };
    Accent accent = Accent::BrE;                   // the run's
    std::optional<QString> stored;                 // nullopt for a text with nothing to transcribe, or a failure
    std::optional<RenderedTranscription> rendered; // when asked for
    bool stopped = false;                          // a stop ended the run before its end
    Failure failure = None;
    QString error; // the database's message
};

class TranscriptionRun {
public:
    explicit TranscriptionRun(TranscriptionRequest request) : m_request(std::move(request)) {}

    // The run itself, in the thread that calls it (once).
    void run();
    // From any thread.
    void requestStop() { m_stop.store(true, std::memory_order_relaxed); }
    RunProgress progress() const;
    // Once run() has returned: its result (the run keeps nothing of it).
    TranscriptionResult takeResult() { return std::move(m_result); }

private:
    TranscriptionRequest m_request;
    std::atomic<bool> m_stop{false};
    mutable QMutex m_mutex; // guards m_latest
    RunProgress m_latest;
    TranscriptionResult m_result;
};

} // namespace vocalith
