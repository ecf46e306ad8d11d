#include "sources.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <espeak-ng/speak_lib.h>

namespace vocalith::lexicon {

namespace {

const QString kFestivalVowels[] = {
    QStringLiteral("aa"), QStringLiteral("ae"), QStringLiteral("ah"), QStringLiteral("ao"),
    QStringLiteral("aw"), QStringLiteral("ax"), QStringLiteral("ay"), QStringLiteral("eh"),
    QStringLiteral("er"), QStringLiteral("ey"), QStringLiteral("ih"), QStringLiteral("iy"),
    QStringLiteral("ow"), QStringLiteral("oy"), QStringLiteral("uh"), QStringLiteral("uw")};

bool isFestivalVowel(const QString &p) {
    for (const QString &v : kFestivalVowels)
        if (p == v)
            return true;
    return false;
}

} // namespace

QString festivalEntryToArpabet(const QString &line, QString *word) {
    static const QRegularExpression entry(QStringLiteral(R"re(^\("([^"]+)"\s+\S+\s+\((.*)\)\)\s*$)re"));
    static const QRegularExpression syllable(QStringLiteral(R"re(\(\(([^()]*)\)\s+(\d)\))re"));
    const auto m = entry.match(line);
    if (!m.hasMatch())
        return {};
    if (word)
        *word = m.captured(1);
    QStringList out;
    auto it = syllable.globalMatch(m.captured(2));
    while (it.hasNext()) {
        const auto s = it.next();
        const QString stress = s.captured(2);
        for (const QString &p : s.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (p == QLatin1String("ax"))
                out << QStringLiteral("AH0");
            else if (isFestivalVowel(p))
                out << p.toUpper() + stress;
            else
                out << p.toUpper();
        }
    }
    return out.join(QLatin1Char(' '));
}

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
        QString word, arpabet;
        if (line.startsWith(QLatin1String("(\""))) {
            arpabet = festivalEntryToArpabet(line, &word);
        } else {
            const auto m = npmEntry.match(line);
            if (!m.hasMatch())
                continue;
            word = m.captured(1);
            arpabet = m.captured(2);
        }
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
