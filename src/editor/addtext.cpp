#include "editor/addtext.h"

#include <algorithm>

namespace vocalith {

namespace {

bool crLfAt(const QString &text, qsizetype i) {
    return text.at(i) == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n');
}

// Index in the string of a caret position (a CR LF is one position); clamped to the text.
qsizetype indexOfPosition(const QString &text, int position) {
    qsizetype i = 0;
    for (int p = 0; p < position && i < text.size(); ++p)
        i += crLfAt(text, i) ? 2 : 1;
    return i;
}

} // namespace

int caretLength(const QString &text) {
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++n)
        i += crLfAt(text, i) ? 2 : 1;
    return n;
}

EditResult AddText(const QString &text, int selStart, int selLength, const QString &insert) {
    const int start = std::clamp(selStart, 0, caretLength(text));
    const qsizetype left = indexOfPosition(text, start);
    const qsizetype right = indexOfPosition(text, start + std::max(selLength, 0));
    return {text.left(left) + insert + text.mid(right), start + caretLength(insert)};
}

QString boxToProgramText(QString text) {
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    text.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString programToBoxText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace vocalith
