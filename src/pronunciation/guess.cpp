#include "pronunciation/guess.h"

#include "pronunciation/notation.h"

#include <QHash>

#include <espeak-ng/speak_lib.h>

namespace vocalith::pronunciation {

const QString kEspeakVoiceRP = QStringLiteral("en-gb-x-rp");
const QString kEspeakVoiceUS = QStringLiteral("en-us");

Espeak *Espeak::instance(QString *error) {
    static Espeak *session = []() -> Espeak * {
        if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT) < 0)
            return nullptr;
        return new Espeak;
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

bool isGuessableWord(QStringView word) {
    bool letter = false;
    for (const QChar c : word) {
        if (c.isLetter() && c.script() == QChar::Script_Latin)
            letter = true;
        else if (c != QLatin1Char('\'') && c != QLatin1Char('-'))
            return false;
    }
    return letter;
}

std::optional<QString> guessTranscription(const QString &word, Accent accent) {
    if (!isGuessableWord(word))
        return std::nullopt;
    // Words already guessed, per accent; a long run with a large vocabulary starts afresh
    // past the limit.
    static constexpr qsizetype kRemembered = 20000;
    static std::mutex mutex;
    static QHash<QString, QString> remembered[2];
    QHash<QString, QString> &known = remembered[int(accent)];
    {
        const std::lock_guard lock(mutex);
        if (const auto it = known.constFind(word); it != known.cend())
            return it->isEmpty() ? std::nullopt : std::optional<QString>(*it);
    }
    Espeak *espeak = Espeak::instance();
    if (!espeak)
        return std::nullopt;
    QString guess;
    if (accent == Accent::BrE)
        guess = britishFromEspeak(word, espeak->phonemes(kEspeakVoiceRP, word), QString(), false);
    else
        guess = americanFromEspeak(word, espeak->phonemes(kEspeakVoiceUS, word));
    const std::lock_guard lock(mutex);
    if (known.size() >= kRemembered)
        known.clear();
    known.insert(word, guess);
    if (guess.isEmpty())
        return std::nullopt;
    return guess;
}

} // namespace vocalith::pronunciation
