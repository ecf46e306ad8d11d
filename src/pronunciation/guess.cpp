#include "pronunciation/guess.h"

#include "pronunciation/notation.h"

#include <QHash>
#include <mutex>

namespace vocalith::pronunciation {

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
