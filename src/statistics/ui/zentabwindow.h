#pragma once
// The Zentab window (frmZentab): the per-section report as tab-separated text, beside the
// main window (not modal), rebuilt whenever it becomes active, and saved as a .tsv file.

#include <QDialog>
#include <functional>

class QPlainTextEdit;

namespace vocalith {

class MessageBoxes;
class PictureButton;

class ZentabWindow : public QDialog {
    Q_OBJECT
public:
    using ReportBuilder = std::function<QString(const QString &analysedText)>;
    using FileChooser = std::function<QString(QWidget *parent)>;

    explicit ZentabWindow(MessageBoxes &messages, QWidget *parent = nullptr);

    // A Zentab command: builds the report of the text and shows the window.
    void present(const QString &analysedText);
    // Builds the report of the text last handed over. A failure is shown in a message box
    // and the report on show stays.
    void refresh();
    // The report on show, in the program's form (CR LF between lines).
    QString report() const { return m_report; }

    // Asks for a file name and saves the report there; false when nothing was saved.
    bool saveAs();
    // Writes the report as UTF-8 with LF line ends and a final LF, replacing the file
    // whole or not at all; a failure is shown in a message box.
    bool saveTo(const QString &path);

    // What builds the report (zentabReport) and what asks for the file name (a save
    // dialog); tests replace them.
    void setReportBuilder(ReportBuilder build) { m_build = std::move(build); }
    void setFileChooser(FileChooser choose) { m_choose = std::move(choose); }

protected:
    bool event(QEvent *event) override;

private:
    MessageBoxes &m_messages;
    ReportBuilder m_build;
    FileChooser m_choose;
    QString m_analysed; // AnalysedText
    QString m_report;

    QPlainTextEdit *txtStatistics;
    PictureButton *picSaveAs;
};

} // namespace vocalith
