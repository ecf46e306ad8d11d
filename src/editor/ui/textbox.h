#pragma once
// The editor's operations on a text box (a QPlainTextEdit or a QLineEdit): its text in
// the program's form (CR LF line breaks), and insertion at the caret.

#include <QObject>
#include <QString>

class QWidget;

namespace vocalith {

QString boxText(const QWidget *box);
// Replaces the whole text (undo history of the box is reset).
void setBoxText(QWidget *box, const QString &programText);

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
