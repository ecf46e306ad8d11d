#include "pronunciation/espeaksession.h"

#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include <espeak-ng/speak_lib.h>

namespace vocalith::pronunciation {

const QString kEspeakVoiceRP = QStringLiteral("en-gb-x-rp");
const QString kEspeakVoiceUS = QStringLiteral("en-us");

// The library's synthesis callback: runs in the thread that called espeak_Synth, while that
// thread holds the session's mutex.
struct SynthCallback {
    static int collect(short *samples, int count, espeak_EVENT *) {
        Espeak *session = Espeak::instance();
        if (!session || !session->m_sink || session->m_stopped)
            return 1;
        if (samples && count > 0 &&
            !(*session->m_sink)(
                std::span<const std::int16_t>(reinterpret_cast<const std::int16_t *>(samples), size_t(count)))) {
            session->m_stopped = true;
            return 1;
        }
        return 0;
    }
};

Espeak *Espeak::instance(QString *error) {
    static Espeak *session = []() -> Espeak * {
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0)
            return nullptr;
        espeak_SetSynthCallback(&SynthCallback::collect);
        return new Espeak(rate);
    }();
    if (!session && error)
        *error = QStringLiteral("espeak-ng cannot be initialised");
    return session;
}

bool Espeak::selectVoice(const QString &voice) {
    if (voice == m_voice)
        return true;
    if (espeak_SetVoiceByName(voice.toUtf8().constData()) != EE_OK) {
        m_voice.clear();
        return false;
    }
    m_voice = voice;
    return true;
}

bool Espeak::hasVoice(const QString &voice) {
    const std::lock_guard lock(m_mutex);
    return selectVoice(voice);
}

QString Espeak::phonemes(const QString &voice, const QString &text) {
    const std::lock_guard lock(m_mutex);
    if (!selectVoice(voice))
        return {};
    const QByteArray utf8 = text.toUtf8();
    const void *p = utf8.constData();
    QStringList clauses;
    while (p) {
        const char *ph = espeak_TextToPhonemes(&p, espeakCHARS_UTF8, int('_') << 8);
        if (ph && *ph)
            clauses << QString::fromUtf8(ph).trimmed();
    }
    return clauses.join(QLatin1Char(' '));
}

Espeak::SynthResult Espeak::synthesise(const QString &voice, const QString &text, int rate, const SampleSink &sink,
                                       QString *spokenIpa) {
    const std::lock_guard lock(m_mutex);
    if (!selectVoice(voice))
        return SynthResult::Failed;
    espeak_SetParameter(espeakRATE, rate, 0);
    // The phoneme trace goes to a stream in memory for this call only.
    char *trace = nullptr;
    size_t traceSize = 0;
    FILE *traceStream = spokenIpa ? open_memstream(&trace, &traceSize) : nullptr;
    if (traceStream)
        espeak_SetPhonemeTrace(espeakPHONEMES_IPA, traceStream);
    m_sink = &sink;
    m_stopped = false;
    const QByteArray utf8 = text.toUtf8();
    const espeak_ERROR status = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8 | espeakPHONEMES, nullptr, nullptr);
    m_sink = nullptr;
    if (traceStream) {
        espeak_SetPhonemeTrace(0, nullptr);
        std::fclose(traceStream);
        *spokenIpa = QString::fromUtf8(trace, qsizetype(traceSize));
        std::free(trace);
    }
    if (m_stopped)
        return SynthResult::Stopped;
    return status == EE_OK ? SynthResult::Done : SynthResult::Failed;
}

} // namespace vocalith::pronunciation
