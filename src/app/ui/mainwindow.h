#pragma once
// The main window frmMain: start-up and shutdown, the four panels and the accent, the
// settings and the work in progress. It places the panels (the input side, the editor
// side, the rhymes and the contributions), owns the windows that work on the editor's text
// and routes the commands between them; a Transcribe runs on a worker thread that the
// status band follows.

#include "app/panels.h"
#include "app/settings.h"
#include "editor/keyboard.h"
#include "engine/lexicon/lexicon.h"
#include "storage/database.h"

#include <QWidget>
#include <functional>
#include <memory>

class QFrame;
class QRadioButton;

namespace vocalith {

class AboutDialog;
class ContributionPanel;
class EditorWindows;
class FileCommands;
class ImportExportWindow;
class InputPanel;
class IpaChartDialog;
class MessageBoxes;
class ResultPanel;
class RhymesPanel;
class RunBand;
class ShortcutFilter;
class StatisticsWindow;
class TopBar;
struct TranscriptionResult;
class WorkKeeper;
class ZentabWindow;

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
    // From the click on Transcribe until its result is in the editor.
    bool transcribing() const;
    IpaChartDialog *chart() const;
    AboutDialog *about() const { return m_about; }
    StatisticsWindow *statisticsWindow() const;
    ZentabWindow *zentabWindow() const;
    ImportExportWindow *importExportWindow() const;
    // How often the status line and progress bar follow a run (0: at every turn of the
    // event loop), and how long after its first unsaved change the work is saved.
    void setProgressInterval(int milliseconds);
    void setWorkSaveDelay(int milliseconds);
    // The open and save dialogs of the file commands (tests answer them).
    using FileChooser = std::function<QString(QWidget *parent)>;
    void setFileChoosers(FileChooser openFrom, FileChooser saveTo);

public slots:
    void transcribe();
    void requestStop();
    void showPanel(Panel panel);
    void chooseAccent(Accent accent);
    void openAbout();
    // Writes the work in progress now when it changed since the last save; false with the
    // reason when that failed.
    bool saveWork(QString *error = nullptr);

signals:
    // A Transcribe run has ended, its result shown.
    void transcriptionEnded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void connectCommands();
    void updateMinimumContentSize();
    QFrame *buildLanguageFrame();

    Settings currentSettings() const;
    void applySettings(const Settings &settings);
    void saveSettings();
    Accent accent() const;
    void applyPanelState();
    void applyAccentLook();
    void fontApplied(const QFont &font);
    void runEnded(const TranscriptionResult &result);
    void transcriptionShown(bool replacedUserText);
    void runOver(bool shown);
    void showDatabaseError(const QString &message);
    void showStatus(const QString &text);
    void showAccentStatus();

    StartupPaths m_paths;
    MessageBoxes &m_messages;
    QStringList m_installedFonts;
    Settings m_settings; // the parts of the settings without a control (font lists)

    std::unique_ptr<Connection> m_lexiconDb;
    std::unique_ptr<Lexicon> m_lexicon;
    std::unique_ptr<Connection> m_contributionsDb;

    PanelState m_panels = initialPanelState();
    bool m_closeAfterRun = false;
    bool m_saveFailureShown = false;
    bool m_accentStatusShown = false;

    // Controls.
    QWidget *m_content;
    TopBar *m_bar;
    QFrame *fraLanguage;
    InputPanel *fraText;
    ResultPanel *fraPhonetics;
    RhymesPanel *fraRhymes;
    ContributionPanel *fraHelpMe;
    QRadioButton *optBrE, *optAmE;
    RunBand *m_band;
    WorkKeeper *m_work;
    EditorWindows *m_windows;
    ShortcutFilter *m_shortcuts;
    FileCommands *m_files;
    AboutDialog *m_about = nullptr;
};

} // namespace vocalith
