#pragma once
// Insertion into a text box, on the box's text and selection alone.

#include <QString>

namespace vocalith {

// A box's text after an edit and where its caret goes.
struct EditResult {
    QString text;
    int caret = 0;
    bool operator==(const EditResult &) const = default;
};

// Inserts `insert` into `text` at selStart, replacing selLength characters. The text's
// line breaks are CR LF; positions count each CR LF as one, as the box counts its caret.
// Every character outside the selection stays as it was. The caret lands after the
// inserted text. Positions outside the text are clamped to it.
EditResult AddText(const QString &text, int selStart, int selLength, const QString &insert);

// Number of caret positions of a text (a CR LF counts as one).
int caretLength(const QString &text);

// Text box text (LF, or the paragraph separators of a document) to the program's text
// (CR LF), and back.
QString boxToProgramText(QString text);
QString programToBoxText(QString text);

} // namespace vocalith
