#include "sources.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <espeak-ng/speak_lib.h>

namespace vocalith::lexicon {

bool readCmudict(const QString &path, QMap<QString, QString> &out, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    static const QRegularExpression npmEntry(QStringLiteral(R"re(^\s*"([^"]+)":\s*"([^"]+)",?\s*$)re"));
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const auto m = npmEntry.match(line);
        if (!m.hasMatch())
            continue;
        QString word = m.captured(1);
        const QString arpabet = m.captured(2);
        if (word.isEmpty() || arpabet.isEmpty() || word.contains(QLatin1Char('(')))
            continue; // later variants "word(2)" are left out
        word = word.toLower();
        if (!out.contains(word))
            out.insert(word, arpabet);
    }
    if (out.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1: no CMUdict entries").arg(path);
        return false;
    }
    return true;
}

bool readWordList(const QString &path, QHash<QString, bool> &out, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString w = in.readLine().trimmed();
        if (w.isEmpty() || w.endsWith(QLatin1String("'s")))
            continue;
        const QString lower = w.toLower();
        const bool common = w == lower;
        out[lower] = out.value(lower, false) || common;
    }
    return true;
}

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

bool Espeak::setVoice(const QString &name) { return espeak_SetVoiceByName(name.toUtf8().constData()) == EE_OK; }

QString Espeak::phonemes(const QString &text) {
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

} // namespace vocalith::lexicon
