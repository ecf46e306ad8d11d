#pragma once
// The editor's operations on a text box (a QPlainTextEdit or a QLineEdit): its text in
// the program's form (CR LF line breaks), and insertion at the caret.

#include <QObject>
#include <QString>

class QAbstractUndoItem;
class QPlainTextEdit;
class QWidget;

namespace vocalith {

QString boxText(const QWidget *box);
// Replaces the whole text and starts the box's undo history afresh (a text restored at
// start-up, a window's result box).
void setBoxText(QWidget *box, const QString &programText);

// Replaces the whole text as one undo step: Ctrl+Z brings the previous text back exactly,
// redo the new one. `companion` (may be null) is undone and redone with the step; the
// document owns it. Returns false, and deletes the companion, when the box already holds
// that text (no step). The caret goes to the start, as with setBoxText. Older steps are
// dropped when the texts the history keeps pass kUndoTextLimit; the new step always stays.
bool replaceBoxText(QPlainTextEdit *box, const QString &programText, QAbstractUndoItem *companion = nullptr);

// The text, in UTF-16 code units, that a box's undo history may keep before its older steps
// go. QTextDocument keeps every text removed or inserted while undo is on, without a bound.
inline constexpr qsizetype kUndoTextLimit = 8 * 1024 * 1024;

// Inserts text at the caret of the box, replacing its selection, puts the caret after
// it and gives the box the focus. The edit is one undo step.
void AddTextToBox(QWidget *box, const QString &text);

// Applies the shortcut keys to the boxes it is installed on: a matching key inserts its
// symbol with AddTextToBox and is swallowed; every other key is typed normally.
class ShortcutFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void attach(QWidget *box);
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vocalith
