#include "sources.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

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

} // namespace vocalith::lexicon
