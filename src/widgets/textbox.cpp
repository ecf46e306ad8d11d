#include "widgets/textbox.h"

#include "editor/addtext.h"
#include "editor/shortcuts.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
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

// A long paragraph keeps its shaped glyphs after layout. Otherwise every caret placement and
// repaint shapes the paragraph again, and a transcription without line breaks is one
// paragraph of the whole text (300,000 characters for 50,000 words: about 25 ms a time).
// Any edit or font change still drops them. Short paragraphs are shaped again at little
// cost, and keeping their glyphs would cost a layout object for every line of a long text.
constexpr qsizetype kCachedParagraph = 4096;

// Called in the edit block of a change of [from, to], before the layout: the long
// paragraphs there keep the glyphs of their layout.
void cacheLayouts(QTextDocument *document, qsizetype from, qsizetype to) {
    for (QTextBlock b = document->findBlock(int(from)); b.isValid() && b.position() <= to; b = b.next())
        if (b.length() > kCachedParagraph)
            b.layout()->setCacheEnabled(true);
}

// A fill hands the box parts of at least this many characters, up to the end of a line,
// for this long at each turn of the event loop.
constexpr qsizetype kFillPart = 16384;
constexpr qint64 kFillTurnMs = 20;

// The end of the part of text[from, limit) that starts at from: just after the first
// separator at or beyond kFillPart characters, or limit.
qsizetype partEnd(const QString &text, qsizetype from, qsizetype limit, QChar separator) {
    if (limit - from <= kFillPart)
        return limit;
    const qsizetype at = text.indexOf(separator, from + kFillPart - 1);
    return at < 0 || at >= limit ? limit : at + 1;
}

// The start of the part of text[floor, to) that ends at to: just after the last separator
// at least kFillPart characters before it, or floor.
qsizetype partStart(const QString &text, qsizetype floor, qsizetype to, QChar separator) {
    if (to - floor <= kFillPart)
        return floor;
    const qsizetype at = text.lastIndexOf(separator, to - kFillPart);
    return at < floor ? floor : at + 1;
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
        cacheLayouts(document, 0, document->characterCount());
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
    // The paragraphs laid out anew: those of the change, or all after a new start.
    qsizetype from = change.start, to = change.newEnd;
    if (kept + inserted > kUndoTextLimit) {
        setDocumentText(document, document->toRawText());
        kept = 0;
        from = 0;
        to = text.size();
    }
    document->setProperty(kUndoTextProperty, kept + inserted);
    part.setPosition(int(change.start));
    part.setPosition(int(change.oldEnd), QTextCursor::KeepAnchor);
    part.insertText(text.mid(change.start, inserted));
    if (companion)
        document->appendUndoItem(companion);
    cacheLayouts(document, from, to);
    part.endEditBlock();
    box->setTextCursor(QTextCursor(document));
    return true;
}

BoxTextFill::BoxTextFill(QPlainTextEdit *box, QString boxText, QAbstractUndoItem *companion, QObject *parent)
    : QObject(parent), m_box(box), m_old(box->document()->toRawText()), m_text(std::move(boxText)),
      m_companion(companion) {
    const Change change = changedPart(m_old, m_text);
    m_start = change.start;
    m_oldEnd = change.oldEnd;
    m_newEnd = change.newEnd;
}

BoxTextFill::~BoxTextFill() { delete m_companion; }

void BoxTextFill::start() {
    if (m_start == m_oldEnd && m_start == m_newEnd) {
        m_phase = Phase::Done;
        emit finished(false);
        return;
    }
    QTextDocument *document = m_box->document();
    const qsizetype inserted = m_newEnd - m_start;
    qsizetype kept = document->property(kUndoTextProperty).value<qsizetype>();
    if (kept + inserted > kUndoTextLimit) {
        // The history starts afresh, as in replaceBoxText: the box is emptied, which frees
        // the texts the history kept, and the old text goes back in without undo.
        setDocumentText(document, QString());
        document->setUndoRedoEnabled(false);
        kept = 0;
        m_phase = Phase::Restart;
        m_at = 0;
    } else {
        m_phase = Phase::Remove;
        m_at = m_oldEnd;
    }
    document->setProperty(kUndoTextProperty, kept + inserted);
    m_readOnly = m_box->isReadOnly();
    m_box->setReadOnly(true);
    step();
}

void BoxTextFill::step() {
    QElapsedTimer turn;
    turn.start();
    while (m_phase != Phase::Done && turn.elapsed() < kFillTurnMs)
        nextPart();
    if (m_phase != Phase::Done) {
        QTimer::singleShot(0, this, &BoxTextFill::step);
        return;
    }
    m_box->setTextCursor(QTextCursor(m_box->document()));
    m_box->setReadOnly(m_readOnly);
    emit finished(true);
}

void BoxTextFill::nextPart() {
    QTextDocument *document = m_box->document();
    switch (m_phase) {
    case Phase::Restart: {
        const qsizetype end = partEnd(m_old, m_at, m_old.size(), QChar::ParagraphSeparator);
        QTextCursor atEnd(document);
        atEnd.movePosition(QTextCursor::End);
        atEnd.beginEditBlock();
        atEnd.insertText(m_old.mid(m_at, end - m_at));
        cacheLayouts(document, m_at, end);
        atEnd.endEditBlock();
        m_at = end;
        if (m_at == m_old.size()) {
            document->setUndoRedoEnabled(true);
            m_phase = Phase::Remove;
            m_at = m_oldEnd;
        }
        return;
    }
    case Phase::Remove: {
        // From the end, so that the positions before the part stay as they are.
        if (m_at == m_start) {
            m_old = QString();
            m_phase = Phase::Insert;
            return;
        }
        const qsizetype from = partStart(m_old, m_start, m_at, QChar::ParagraphSeparator);
        edit([&](QTextCursor &c) {
            c.setPosition(int(from));
            c.setPosition(int(m_at), QTextCursor::KeepAnchor);
            c.removeSelectedText();
        });
        m_at = from;
        return;
    }
    case Phase::Insert: {
        const qsizetype end = partEnd(m_text, m_at, m_newEnd, QLatin1Char('\n'));
        const bool last = end == m_newEnd;
        edit([&](QTextCursor &c) {
            c.setPosition(int(m_at));
            c.insertText(m_text.mid(m_at, end - m_at));
            cacheLayouts(document, m_at, end);
            if (last && m_companion)
                document->appendUndoItem(std::exchange(m_companion, nullptr));
        });
        m_at = end;
        if (last) {
            m_text = QString();
            m_phase = Phase::Done;
        }
        return;
    }
    case Phase::Done:
        return;
    }
}

// One change of the fill's undo step: the first begins it, the others join it.
void BoxTextFill::edit(const std::function<void(QTextCursor &)> &change) {
    QTextCursor cursor(m_box->document());
    if (std::exchange(m_joined, true))
        cursor.joinPreviousEditBlock();
    else
        cursor.beginEditBlock();
    change(cursor);
    cursor.endEditBlock();
}

void addTextToBox(QWidget *box, const QString &text) {
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
        if (const auto text = shortcutText(key->key(), key->modifiers())) {
            addTextToBox(static_cast<QWidget *>(watched), *text);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vocalith
