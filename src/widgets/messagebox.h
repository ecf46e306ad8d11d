#pragma once
// Message boxes go through this interface, so that tests can answer them without a modal loop.

#include <QString>

class QWidget;

namespace vocalith {

enum class MessageKind {
    Plain, // OK button, no icon
    Information,
    Critical,
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(QWidget *parent, MessageKind kind, const QString &text) = 0;
    // A Yes/No question whose default answer is No; true when the user answers Yes.
    // Boxes that cannot ask answer No.
    virtual bool question(QWidget *, const QString &) { return false; }
};

// The real boxes: modal QMessageBox with the program's name as title.
class QtMessageBoxes : public MessageBoxes {
public:
    void show(QWidget *parent, MessageKind kind, const QString &text) override;
    bool question(QWidget *parent, const QString &text) override;
};

} // namespace vocalith
