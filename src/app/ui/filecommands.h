#pragma once
// The file commands of the main window: "Open text…" (Ctrl+O, or a text file dropped on
// the input box) puts a text file into the input box; "Save transcription…" (Ctrl+S)
// writes the editor's text as UTF-8 text or as an HTML page. Failures end in a message box.

#include <QObject>
#include <functional>

class QPlainTextEdit;

namespace vocalith {

class MessageBoxes;

class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(MessageBoxes &messages, QPlainTextEdit *input, QObject *parent = nullptr);

    // Asks for a file name (empty when the user cancels): the open and save dialogs,
    // replaceable so that tests answer them.
    using FileChooser = std::function<QString(QWidget *parent)>;
    void setFileChoosers(FileChooser openFrom, FileChooser saveTo);

    // Replaces the input box's text with the file's, as one step that Undo takes back.
    // Returns false, after the message, when the file is no readable text.
    bool openFile(const QString &path);

public slots:
    void openText();
    // Saves the editor's text (CR LF line breaks) to a file the user names; the HTML page
    // names fontFamily first among its fonts.
    void saveTranscription(const QString &editorText, const QString &fontFamily);

private:
    MessageBoxes &m_messages;
    QPlainTextEdit *m_input;
    FileChooser m_openFrom;
    FileChooser m_saveTo;
};

// What the input box takes besides typing: a text file dropped on it is opened, and
// Ctrl+Tab types a tab (Tab moves the focus on).
class InputBoxFilter : public QObject {
    Q_OBJECT
public:
    InputBoxFilter(QPlainTextEdit *input, FileCommands *files);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPlainTextEdit *m_input;
    FileCommands *m_files;
};

} // namespace vocalith
