#include "editor/ui/textbox.h"

#include "editor/addtext.h"
#include "editor/shortcuts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace vocalith {

QString boxText(const QWidget *box) {
    if (auto *edit = qobject_cast<const QPlainTextEdit *>(box))
        return boxToProgramText(edit->document()->toRawText());
    if (auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    return {};
}

void setBoxText(QWidget *box, const QString &programText) {
    if (auto *edit = qobject_cast<QPlainTextEdit *>(box)) {
        // The text replaced through a cursor: setPlainText lays a long paragraph out twice
        // (a transcription without line breaks is one paragraph), this once. Undo is off
        // during the edit and the caret goes to the start, as with setPlainText.
        QTextDocument *document = edit->document();
        document->setUndoRedoEnabled(false);
        QTextCursor all(document);
        all.select(QTextCursor::Document);
        all.beginEditBlock();
        all.insertText(programToBoxText(programText));
        // Each paragraph keeps its shaped glyphs after layout. Otherwise every caret
        // placement and repaint shapes the paragraph again, and a transcription without
        // line breaks is one paragraph of the whole text (300,000 characters for 50,000
        // words: about 25 ms a time). Any edit or font change still drops them.
        for (QTextBlock b = document->begin(); b.isValid(); b = b.next())
            b.layout()->setCacheEnabled(true);
        all.endEditBlock();
        document->setUndoRedoEnabled(true);
        edit->setTextCursor(QTextCursor(document));
    } else if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(programText);
}

void AddTextToBox(QWidget *box, const QString &text) {
    if (auto *edit = qobject_cast<QPlainTextEdit *>(box)) {
        const QTextCursor selection = edit->textCursor();
        const int start = selection.selectionStart();
        const EditResult r = AddText(boxText(edit), start, selection.selectionEnd() - start, text);
        // The new text replaces the old in one edit, so that undo takes the insertion back.
        QTextCursor all(edit->document());
        all.select(QTextCursor::Document);
        all.insertText(programToBoxText(r.text));
        QTextCursor caret(edit->document());
        caret.setPosition(r.caret);
        edit->setTextCursor(caret);
    } else if (auto *line = qobject_cast<QLineEdit *>(box)) {
        const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        const int length = line->hasSelectedText() ? int(line->selectedText().size()) : 0;
        const EditResult r = AddText(line->text(), start, length, text);
        line->setText(r.text);
        line->setCursorPosition(r.caret);
    }
    box->setFocus();
}

void ShortcutFilter::attach(QWidget *box) { box->installEventFilter(this); }

bool ShortcutFilter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (const auto text = ShortcutText(key->key(), key->modifiers())) {
            AddTextToBox(static_cast<QWidget *>(watched), *text);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vocalith
