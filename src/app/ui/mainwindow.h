#pragma once
// The main window frmMain: start-up and shutdown, the four panels, the Transcribe command,
// the accent, the font controls and the settings. The editor side is a ResultPanel.

#include "app/panels.h"
#include "app/settings.h"
#include "editor/keyboard.h"
#include "engine/lexicon/lexicon.h"
#include "storage/database.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QTimer;

namespace vocalith {

class AboutDialog;
class ClickLabel;
class ContributionPanel;
class FileCommands;
class IpaChartDialog;
class MessageBoxes;
class PictureButton;
class ResultPanel;
class RhymesPanel;
class ShortcutFilter;

// Where the window finds its files.
struct StartupPaths {
    QString lexicon;
    QString contributions;
    QString settings;
    QString work = {};   // the work in progress; none is kept when empty
    QString notice = {}; // for the status line once started: where the user's files went
};

class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(StartupPaths paths, MessageBoxes &messages, QStringList installedFonts, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence. Returns false when the lexicon cannot be opened: the message
    // is shown and the program is to end without showing the window.
    bool startUp();

    QString storedTranscription() const;
    const RecentSymbols &recentSymbols() const;
    bool transcribing() const { return m_running; }
    IpaChartDialog *chart() const;
    AboutDialog *about() const { return m_about; }
    // How often a run updates the status line and progress bar and handles events (a click
    // on Stop among them); 0 for after every word.
    void setProgressInterval(int milliseconds) { m_progressIntervalMs = milliseconds; }
    // The open and save dialogs of the file commands (tests answer them).
    using FileChooser = std::function<QString(QWidget *parent)>;
    void setFileChoosers(FileChooser openFrom, FileChooser saveTo);

public slots:
    void transcribe();
    void requestStop() { m_stopRequested = true; }
    void removeCarriageReturns();
    void showPanel(Panel panel);
    void chooseAccent(Accent accent);
    void applyFont();
    void openAbout();
    // Writes the work in progress now when it changed since the last save; false with the
    // reason when that failed.
    bool saveWork(QString *error = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void updateMinimumContentSize();
    QWidget *buildTopBar();
    QFrame *buildTextFrame();
    QFrame *buildLanguageFrame();
    QWidget *buildStatusBand();

    Settings currentSettings() const;
    void applySettings(const Settings &settings);
    void saveSettings();
    Accent accent() const;
    void applyPanelState();
    void applyAccentLook();
    void fontSizeEdited();
    void toggleStyle(PictureButton *button);
    void showDatabaseError(const DatabaseError &error);
    void setRunning(bool running);
    void restoreWork();
    void workChanged();
    void showStatus(const QString &text);
    void showAccentStatus();

    StartupPaths m_paths;
    MessageBoxes &m_messages;
    QStringList m_installedFonts;
    Settings m_settings; // the parts of the settings without a control (font lists)

    std::unique_ptr<Connection> m_lexiconDb;
    std::unique_ptr<Lexicon> m_lexicon;
    std::unique_ptr<Connection> m_contributionsDb;

    QString m_stored; // StoredTranscription
    RecentSymbols m_recent;
    PanelState m_panels = initialPanelState();
    QString m_appliedFontSize; // the size box's last valid text
    bool m_loading = false;    // settings are being put into the controls
    bool m_running = false;
    bool m_stopRequested = false;
    bool m_closeAfterRun = false;
    bool m_saveFailureShown = false;
    int m_progressIntervalMs = 30;
    QTimer *m_workTimer;        // saves the work a few seconds after a change
    bool m_workChanged = false; // since the last save
    bool m_accentStatusShown = false;

    // Controls.
    QWidget *m_content;
    PictureButton *picTranscription, *picRhymes, *picUpdate, *picLanguage, *picAbout, *picExit;
    ClickLabel *lblBrE, *lblAme;
    QLabel *lblWebSite;
    QFrame *fraText, *fraLanguage, *fraFont;
    ResultPanel *fraPhonetics;
    RhymesPanel *fraRhymes;
    ContributionPanel *fraHelpMe;
    QPlainTextEdit *txtWords;
    PictureButton *picClear, *picRemoveCRLF, *picGo, *picStop, *picOpenText;
    PictureButton *picNegrita, *picItalic, *picUnderline;
    QLabel *lblF5, *lblStatus;
    QCheckBox *chkUseMyWords;
    QCheckBox *chkGuessUnknown;
    QComboBox *cmbFont, *cmbFontSize;
    QRadioButton *optBrE, *optAmE;
    QProgressBar *pgbTranscription;
    ShortcutFilter *m_shortcuts;
    FileCommands *m_files;
    AboutDialog *m_about = nullptr;
};

} // namespace vocalith
