#pragma once
// The main window frmMain: start-up and shutdown, the four panels, the Transcribe command,
// the accent, the font controls and the settings. The editor side is a ResultPanel.

#include "app/panels.h"
#include "app/settings.h"
#include "editor/keyboard.h"
#include "engine/lexicon/database.h"
#include "engine/lexicon/lexicon.h"

#include <QWidget>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;

namespace vocalith {

class AboutDialog;
class ClickLabel;
class ContributionPanel;
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

public slots:
    void transcribe();
    void requestStop() { m_stopRequested = true; }
    void removeCarriageReturns();
    void showPanel(Panel panel);
    void chooseAccent(Accent accent);
    void applyFont();
    void openAbout();

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
    PictureButton *picClear, *picRemoveCRLF, *picGo, *picStop;
    PictureButton *picNegrita, *picItalic, *picUnderline;
    QLabel *lblF5, *lblStatus;
    QCheckBox *chkUseMyWords;
    QCheckBox *chkGuessUnknown;
    QComboBox *cmbFont, *cmbFontSize;
    QRadioButton *optBrE, *optAmE;
    QProgressBar *pgbTranscription;
    ShortcutFilter *m_shortcuts;
    AboutDialog *m_about = nullptr;
};

} // namespace vocalith
