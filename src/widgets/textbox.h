#pragma once
// The editor's operations on a text box (a QPlainTextEdit or a QLineEdit): its text in
// the program's form (CR LF line breaks), and insertion at the caret.

#include <QObject>
#include <QString>
#include <functional>

class QAbstractUndoItem;
class QPlainTextEdit;
class QTextCursor;
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

// Replaces the whole text of a box as replaceBoxText does (one undo step with its companion,
// the same bound of the history), in parts handed to the box from the event loop: whole
// lines, a few tens of milliseconds' worth at each turn, so that a long text of many lines
// never holds the loop up for long. Qt lays a paragraph out whole, so one long paragraph
// still takes its time in one go. The box is read-only until its text is in; then
// finished() says whether the text changed (false when the box already held it).
class BoxTextFill : public QObject {
    Q_OBJECT
public:
    // `boxText`: the new text in the box's form (LF line breaks, see programToBoxText).
    BoxTextFill(QPlainTextEdit *box, QString boxText, QAbstractUndoItem *companion, QObject *parent = nullptr);
    ~BoxTextFill() override;
    // Makes the first part and leaves the others to the event loop.
    void start();

signals:
    void finished(bool replaced);

private:
    enum class Phase { Restart, Remove, Insert, Done };
    void step();
    void nextPart();
    void edit(const std::function<void(QTextCursor &)> &change);

    QPlainTextEdit *m_box;
    QString m_old, m_text; // the box's text before (raw, while still needed) and after
    qsizetype m_start = 0, m_oldEnd = 0, m_newEnd = 0;
    QAbstractUndoItem *m_companion;
    Phase m_phase = Phase::Restart;
    qsizetype m_at = 0;      // how far the phase has got
    bool m_joined = false;   // the undo step has begun
    bool m_readOnly = false; // the box's own state
};

// Inserts text at the caret of the box, replacing its selection, puts the caret after
// it and gives the box the focus. The edit is one undo step.
void addTextToBox(QWidget *box, const QString &text);

// Applies the shortcut keys to the boxes it is installed on: a matching key inserts its
// symbol with addTextToBox and is swallowed; every other key is typed normally.
class ShortcutFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void attach(QWidget *box);
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vocalith
