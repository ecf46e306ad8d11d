#pragma once
// The contribution panel (fraHelpMe). Its list and its add, update and delete commands
// come in a later version; here are the notice, the contact address, the two
// transcription fields and the buttons that copy the editor's text into them.

#include <QFrame>

class QLabel;
class QLineEdit;

namespace vocalith {

class Connection;
class PictureButton;

class ContributionPanel : public QFrame {
    Q_OBJECT
public:
    explicit ContributionPanel(QWidget *parent = nullptr);

    QLineEdit *britishField() const { return m_bre; }
    QLineEdit *americanField() const { return m_ame; }
    QLabel *notice() const { return m_notice; }
    QLabel *mail() const { return m_mail; }

    // Fills the list of contributed words from the contribution database.
    void fill(Connection &) {}

signals:
    // picTDown1 (British field) or Picture2 (American field) asks for the editor's text.
    void editorTextRequested(QLineEdit *field);

private:
    QLabel *m_notice;
    QLabel *m_mail;
    QLineEdit *m_bre;
    QLineEdit *m_ame;
};

} // namespace vocalith
