#pragma once
// espeak-ng through its library: the phonemes of words for the guesses and the lexicon's
// builder, and speech synthesised into memory for Listen and `speak`.

#include <QString>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>

namespace vocalith::pronunciation {

// espeak-ng's Received Pronunciation and General American voices.
extern const QString kEspeakVoiceRP;
extern const QString kEspeakVoiceUS;

// The library keeps one global state and is not thread-safe: every use goes through this
// session, one caller at a time, and names the voice it wants (the session changes voice
// only when it differs from the last one). It is started in the synchronous mode, where
// the library both translates text to phonemes and hands synthesised samples to a callback
// in the calling thread.
class Espeak {
public:
    // Synthesised samples, 16-bit mono at sampleRate(); the sink returns false to stop.
    using SampleSink = std::function<bool(std::span<const std::int16_t>)>;
    enum class SynthResult { Done, Stopped, Failed };

    // The session, started on first use; nullptr, with the reason, when espeak-ng cannot start.
    static Espeak *instance(QString *error = nullptr);
    // Whether the voice exists (and makes it the session's voice).
    bool hasVoice(const QString &voice);
    // espeak's ASCII phoneme names for the text in that voice, "_" between phonemes and " "
    // between clauses; empty when the voice does not exist.
    QString phonemes(const QString &voice, const QString &text);

    int sampleRate() const { return m_sampleRate; }
    // Speaks text in which espeak's phoneme names stand between "[[" and "]]" at rate words
    // a minute, handing the samples to sink as they are made. With spokenIpa, it also gets
    // the IPA of the phonemes espeak-ng speaks (its phoneme trace). Failed when the voice
    // does not exist or the library refuses the text.
    SynthResult synthesise(const QString &voice, const QString &text, int rate, const SampleSink &sink,
                           QString *spokenIpa = nullptr);

private:
    explicit Espeak(int sampleRate) : m_sampleRate(sampleRate) {}
    bool selectVoice(const QString &voice);
    friend struct SynthCallback;

    std::mutex m_mutex;
    QString m_voice;
    int m_sampleRate;
    const SampleSink *m_sink = nullptr; // the synthesis under way, while m_mutex is held
    bool m_stopped = false;
};

} // namespace vocalith::pronunciation
