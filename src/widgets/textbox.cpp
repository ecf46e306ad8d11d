#include "widgets/textbox.h"

#include "editor/addtext.h"
#include "editor/shortcuts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

namespace vocalith {

QString boxText(const QWidget *box) {
    if (auto *edit = qobject_cast<const QPlainTextEdit *>(box))
        return boxToProgramText(edit->document()->toRawText());
    if (auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    return {};
}

namespace {

// The text inserted into a document since its undo history last started afresh (see
// kUndoTextLimit): the texts the history may still need.
const char *const kUndoTextProperty = "vocalithUndoText";

// Sets the whole text (the box's form) with no undo and an empty history. The document
// frees the texts its history kept only when its content is set whole: turning undo off
// and on again empties the history but keeps them.
void setDocumentText(QTextDocument *document, const QString &text) {
    document->setPlainText(text);
    document->setProperty(kUndoTextProperty, qsizetype(0));
}

// Each paragraph keeps its shaped glyphs after layout. Otherwise every caret placement and
// repaint shapes the paragraph again, and a transcription without line breaks is one
// paragraph of the whole text (300,000 characters for 50,000 words: about 25 ms a time).
// Any edit or font change still drops them.
void cacheLayouts(QTextDocument *document) {
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next())
        b.layout()->setCacheEnabled(true);
}

// The part of a document's text that differs from `text` (the box's form, LF line breaks):
// [start, oldEnd) of the document becomes [start, newEnd) of the text; the characters both
// share at the start and at the end stay.
struct Change {
    qsizetype start, oldEnd, newEnd;
};

Change changedPart(const QString &old, const QString &text) {
    // A paragraph break of the document is one position, as a line feed of the text.
    auto same = [](QChar a, QChar b) { return a == b || (a == QChar::ParagraphSeparator && b == u'\n'); };
    const qsizetype shorter = std::min(old.size(), text.size());
    qsizetype start = 0;
    while (start < shorter && same(old[start], text[start]))
        ++start;
    qsizetype end = 0;
    while (end < shorter - start && same(old[old.size() - 1 - end], text[text.size() - 1 - end]))
        ++end;
    return {start, old.size() - end, text.size() - end};
}

} // namespace

void setBoxText(QWidget *box, const QString &programText) {
    if (auto *edit = qobject_cast<QPlainTextEdit *>(box)) {
        // The document's text, not the box's: QPlainTextEdit::setPlainText lays a long
        // paragraph out twice (a transcription without line breaks is one paragraph), this
        // once. The caret goes to the start, as with setPlainText.
        QTextDocument *document = edit->document();
        QTextCursor block(document);
        block.beginEditBlock();
        setDocumentText(document, programToBoxText(programText));
        cacheLayouts(document);
        block.endEditBlock();
        edit->setTextCursor(QTextCursor(document));
    } else if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(programText);
}

bool replaceBoxText(QPlainTextEdit *box, const QString &programText, QAbstractUndoItem *companion) {
    QTextDocument *document = box->document();
    const QString text = programToBoxText(programText);
    const Change change = changedPart(document->toRawText(), text);
    if (change.start == change.oldEnd && change.start == change.newEnd) {
        delete companion;
        return false;
    }
    // Only the part that differs is replaced: the history keeps no more than that, and the
    // rest of the text keeps its layout. In one edit block with the history's new start,
    // when there is one, so that the text is laid out once.
    const qsizetype inserted = change.newEnd - change.start;
    QTextCursor part(document);
    part.beginEditBlock();
    qsizetype kept = document->property(kUndoTextProperty).value<qsizetype>();
    if (kept + inserted > kUndoTextLimit) {
        setDocumentText(document, document->toRawText());
        kept = 0;
    }
    document->setProperty(kUndoTextProperty, kept + inserted);
    part.setPosition(int(change.start));
    part.setPosition(int(change.oldEnd), QTextCursor::KeepAnchor);
    part.insertText(text.mid(change.start, inserted));
    if (companion)
        document->appendUndoItem(companion);
    cacheLayouts(document);
    part.endEditBlock();
    box->setTextCursor(QTextCursor(document));
    return true;
}

void AddTextToBox(QWidget *box, const QString &text) {
    if (auto *edit = qobject_cast<QPlainTextEdit *>(box)) {
        const QTextCursor selection = edit->textCursor();
        const int start = selection.selectionStart();
        const EditResult r = AddText(boxText(edit), start, selection.selectionEnd() - start, text);
        // The new text in one edit of the part that changed, so that undo takes the
        // insertion back.
        replaceBoxText(edit, r.text);
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
