#include "app/transcriptionrun.h"

#include "editor/addtext.h"
#include "engine/lexicon/schema.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace vocalith {

void TranscriptionRun::run() {
    TranscribeObserver observer;
    observer.started = [this](int count) {
        const QMutexLocker lock(&m_mutex);
        m_latest.segmentCount = count;
    };
    observer.word = [this](int segment, int, const QString &word, const QString &transcription) {
        const QMutexLocker lock(&m_mutex);
        m_latest.segment = segment;
        m_latest.word = word;
        m_latest.transcription = transcription;
    };
    observer.segmentDone = [this](int done) {
        const QMutexLocker lock(&m_mutex);
        m_latest.done = done;
    };
    bool stopped = false;
    observer.stopRequested = [this, &stopped] { return stopped = m_stop.load(std::memory_order_relaxed); };

    TranscriptionResult &r = m_result;
    r.accent = m_request.accent;
    {
        // Opened, used and closed in this thread.
        const std::unique_ptr<Connection> db =
            Connection::openReadOnly(m_request.lexiconPath, schema::lexiconRequiredTables());
        if (!db) {
            r.failure = TranscriptionResult::LexiconNotOpened;
            return;
        }
        try {
            Lexicon lexicon(*db);
            lexicon.setWordOverlay(std::exchange(m_request.overlay, {}));
            r.stored = Transcribe(boxToProgramText(std::exchange(m_request.boxText, {})), m_request.accent, lexicon,
                                  observer, m_request.options);
        } catch (const DatabaseError &e) {
            r.failure = TranscriptionResult::Database;
            r.error = e.message();
            return;
        }
    }
    r.stopped = stopped;
    if (r.stored && m_request.render) {
        r.rendered = std::move(m_request.render);
        if (auto shown = RenderTranscription(*r.stored, r.rendered->options, r.rendered->accent))
            r.rendered->boxText = programToBoxText(std::move(*shown));
    }
#ifdef __GLIBC__
    // The memory the run freed (its text, segments and words) goes back to the system: this
    // thread's heap is its own, and the window, which takes the result into the editor
    // next, could not use it.
    malloc_trim(0);
#endif
}

RunProgress TranscriptionRun::progress() const {
    const QMutexLocker lock(&m_mutex);
    return m_latest;
}

} // namespace vocalith
