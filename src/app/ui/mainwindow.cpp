#include "app/ui/mainwindow.h"

#include "app/about.h"
#include "app/messages.h"
#include "app/textfiles.h"
#include "app/texts.h"
#include "app/transcriptionrun.h"
#include "app/ui/aboutdialog.h"
#include "app/ui/editorwindows.h"
#include "app/ui/filecommands.h"
#include "app/ui/inputpanel.h"
#include "app/ui/runband.h"
#include "app/ui/topbar.h"
#include "app/ui/workkeeper.h"
#include "app/work.h"
#include "contributions/contributiondb.h"
#include "contributions/contributionstore.h"
#include "contributions/ui/contributionpanel.h"
#include "editor/ui/ipachartdialog.h"
#include "editor/ui/resultpanel.h"
#include "encodings/htmlreferences.h"
#include "encodings/notations.h"
#include "engine/lexicon/schema.h"
#include "engine/numbers.h"
#include "pronunciation/guess.h"
#include "storage/files.h"
#include "rhymes/ui/rhymespanel.h"
#include "widgets/messagebox.h"
#include "widgets/textbox.h"
#include "widgets/twips.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

namespace vocalith {

namespace {

// Sizes of the arrangement, in twips (1440 to the inch).
constexpr int kMinContentWidth = 14400;
constexpr int kMinContentHeight = 8000;
constexpr int kMinPhoneticsWidth = 8160;

// The rows of the window's content. Asked for a height for its width, a layout answers with
// the preferred height of everything in it, far more than a small screen has; the window's
// scroll area asks as soon as a wrapped label is shown (the rhymes panel, the contribution
// notice), and then scrolls at any window size. Without it the content takes the window's
// size and scrolls only below its least size; the labels still wrap in the room they get.
class ContentRows : public QVBoxLayout {
public:
    using QVBoxLayout::QVBoxLayout;
    bool hasHeightForWidth() const override { return false; }
};

} // namespace

MainWindow::MainWindow(StartupPaths paths, MessageBoxes &messages, QStringList installedFonts, QWidget *parent)
    : QWidget(parent), m_paths(std::move(paths)), m_messages(messages), m_installedFonts(std::move(installedFonts)) {
    setObjectName(QStringLiteral("frmMain"));
    buildControls();
    connectCommands();
}

MainWindow::~MainWindow() = default;

QString MainWindow::storedTranscription() const { return fraPhonetics->storedTranscription(); }
const RecentSymbols &MainWindow::recentSymbols() const { return fraPhonetics->recentSymbols(); }
bool MainWindow::transcribing() const { return m_band->running() || fraPhonetics->showingTranscription(); }
IpaChartDialog *MainWindow::chart() const { return fraPhonetics->chart(); }
StatisticsWindow *MainWindow::statisticsWindow() const { return m_windows->statistics(); }
ZentabWindow *MainWindow::zentabWindow() const { return m_windows->zentab(); }
ImportExportWindow *MainWindow::importExportWindow() const { return m_windows->importExport(); }
void MainWindow::setProgressInterval(int milliseconds) { m_band->setProgressInterval(milliseconds); }
void MainWindow::setWorkSaveDelay(int milliseconds) { m_work->setSaveDelay(milliseconds); }
bool MainWindow::saveWork(QString *error) { return m_work->save(error); }

void MainWindow::setFileChoosers(FileChooser openFrom, FileChooser saveTo) {
    m_files->setFileChoosers(std::move(openFrom), std::move(saveTo));
}

// ---------------------------------------------------------------- controls

void MainWindow::buildControls() {
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("content"));
    auto *rows = new ContentRows(m_content);
    rows->setContentsMargins(kPanelMargin / 2, kPanelMargin / 2, kPanelMargin / 2, kPanelMargin / 2);
    m_bar = new TopBar;
    rows->addWidget(m_bar);

    auto *inputSide = new QVBoxLayout;
    fraText = new InputPanel(m_messages);
    fraRhymes = new RhymesPanel(m_messages);
    fraHelpMe = new ContributionPanel(m_messages);
    fraLanguage = buildLanguageFrame();
    for (QWidget *w : {static_cast<QWidget *>(fraText), static_cast<QWidget *>(fraRhymes),
                       static_cast<QWidget *>(fraHelpMe), static_cast<QWidget *>(fraLanguage)})
        inputSide->addWidget(w);
    fraPhonetics = new ResultPanel;
    // Never narrower than the least width, nor than its controls need.
    static_cast<QBoxLayout *>(fraPhonetics->layout())->addStrut(twipsToPixels(kMinPhoneticsWidth, logicalDpiX()));
    auto *work = new QHBoxLayout;
    work->addLayout(inputSide, 2);
    work->addWidget(fraPhonetics, 3);
    rows->addLayout(work, 1);
    m_band = new RunBand;
    rows->addWidget(m_band);

    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrollArea"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(m_content);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    m_windows = new EditorWindows(m_messages, fraPhonetics, this);
    m_files = new FileCommands(m_messages, fraText->box(), this);
    new InputBoxFilter(fraText->box(), m_files);
    m_shortcuts = new ShortcutFilter(this);
    m_shortcuts->attach(fraHelpMe->britishField());
    m_shortcuts->attach(fraHelpMe->americanField());
    m_work = new WorkKeeper(m_paths.work, fraText, fraPhonetics, this);

    applyPanelState();
    applyAccentLook();
    updateMinimumContentSize();
}

void MainWindow::connectCommands() {
    connect(m_bar, &TopBar::panelRequested, this, &MainWindow::showPanel);
    connect(m_bar, &TopBar::accentRequested, this, [this](Accent chosen) {
        (chosen == Accent::AmE ? optAmE : optBrE)->setChecked(true);
        chooseAccent(chosen);
    });
    connect(m_bar, &TopBar::aboutRequested, this, &MainWindow::openAbout);
    connect(m_bar, &TopBar::exitRequested, this, &QWidget::close);
    connect(fraText, &InputPanel::transcribeRequested, this, &MainWindow::transcribe);
    connect(fraText, &InputPanel::optionsChanged, this, &MainWindow::saveSettings);
    connect(fraText, &InputPanel::fontChanged, this, &MainWindow::fontApplied);
    connect(fraText, &InputPanel::openTextRequested, m_files, &FileCommands::openText);
    connect(m_band, &RunBand::finished, this, &MainWindow::runEnded);
    connect(fraPhonetics, &ResultPanel::transcriptionShown, this, &MainWindow::transcriptionShown);
    connect(fraPhonetics, &ResultPanel::optionsChanged, this, &MainWindow::saveSettings);
    connect(fraPhonetics, &ResultPanel::stateRestored, this, [this] {
        // Undo or redo of a whole-editor step: the note that Ctrl+Z brings corrections back
        // has done its work, and the accent of what is shown may have changed.
        if (m_band->message() == kCorrectionsReplaced)
            m_band->hideMessage();
        showAccentStatus();
    });
    connect(fraRhymes, &RhymesPanel::addTextRequested, fraPhonetics, &ResultPanel::addText);
    connect(m_windows, &EditorWindows::brailleFontChanged, this, [this](const QString &name) {
        m_settings.brailleFontName = name;
        saveSettings();
    });
    connect(fraHelpMe, &ContributionPanel::editorTextRequested, this,
            [this](QLineEdit *field) { field->setText(HTML2Text(fraPhonetics->editorText())); });

    auto *f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    f5->setContext(Qt::WindowShortcut);
    connect(f5, &QShortcut::activated, this, &MainWindow::transcribe);
    // Files in and out, and the work in progress kept between sessions.
    auto save = [this] { m_files->saveTranscription(fraPhonetics->editorText(), fraPhonetics->editorFontFamily()); };
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, m_files, &FileCommands::openText);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, save);
    connect(fraPhonetics, &ResultPanel::saveRequested, this, save);
    connect(m_work, &WorkKeeper::saveFailed, this, &MainWindow::showStatus);
}

void MainWindow::updateMinimumContentSize() {
    // A window smaller than the minimum is laid out as if it had that size (it scrolls);
    // so is one too small for what the controls need.
    m_content->layout()->activate();
    const QSize least(twipsToPixels(kMinContentWidth, logicalDpiX()), twipsToPixels(kMinContentHeight, logicalDpiY()));
    m_content->setMinimumSize(least.expandedTo(m_content->layout()->minimumSize()));
}

QFrame *MainWindow::buildLanguageFrame() {
    auto *frame = new QFrame;
    frame->setObjectName(QStringLiteral("fraLanguage"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(frame);
    optBrE = new QRadioButton(texts::kBritishEnglish);
    optBrE->setObjectName(QStringLiteral("optBrE"));
    optAmE = new QRadioButton(texts::kAmericanEnglish);
    optAmE->setObjectName(QStringLiteral("optAmE"));
    optBrE->setChecked(true);
    layout->addWidget(optBrE);
    layout->addWidget(optAmE);
    layout->addStretch(1);
    connect(optBrE, &QRadioButton::clicked, this, [this] { chooseAccent(Accent::BrE); });
    connect(optAmE, &QRadioButton::clicked, this, [this] { chooseAccent(Accent::AmE); });
    return frame;
}

// ---------------------------------------------------------------- start-up and shutdown

bool MainWindow::startUp() {
    QString settingsDamage;
    LoadSettings(m_paths.settings, m_installedFonts, m_settings, &settingsDamage);
    // Set aside, so that closing does not write over it.
    if (!settingsDamage.isEmpty())
        showStatus(setAsideDamaged(m_paths.settings, settingsDamage, kSettingsDamagedKept, kSettingsDamaged));
    applySettings(m_settings);
    m_windows->setBrailleFonts(brailleFontChoices(m_installedFonts, m_settings.brailleFonts),
                               m_settings.brailleFontName);
    setWindowTitle(texts::mainWindowCaption());

    m_lexiconDb = Connection::openReadOnly(m_paths.lexicon, schema::lexiconRequiredTables());
    if (!m_lexiconDb) {
        m_messages.show(this, MessageKind::Critical, messages::kLexiconNotAvailable);
        return false;
    }
    m_lexicon = std::make_unique<Lexicon>(*m_lexiconDb);
    fraRhymes->setLexicon(m_lexiconDb.get());

    contributions::Failure failure;
    m_contributionsDb = contributions::open(m_paths.contributions, &failure);
    if (!m_contributionsDb) {
        // The file and the reason: a locked, read-only or damaged file is not mended by a reinstall.
        m_messages.show(this, MessageKind::Critical, failure.text());
        fraHelpMe->showUnavailable(failure.text());
        fraText->disableMyWords();
    }

    FillNumberWords();
    try {
        if (const OptText mail = m_lexicon->metadata(QStringLiteral("email")))
            fraHelpMe->mail()->setText(*mail);
    } catch (const DatabaseError &e) {
        showDatabaseError(e.message());
    }
    if (fraHelpMe->isEnabled())
        fraHelpMe->fill(*m_contributionsDb);
    fontApplied(fraText->applyFont());
    const QString workDamaged = m_work->restore();
    if (!workDamaged.isEmpty())
        showStatus(workDamaged);
    showAccentStatus();
    if (!m_paths.notice.isEmpty())
        showStatus(m_band->message().isEmpty() ? m_paths.notice : m_band->message() + QLatin1Char(' ') + m_paths.notice);
    // Restored from maximised, the window has the least size of its content.
    resize(m_content->minimumSize().expandedTo(size()));
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (transcribing()) {
        // The run ends at the next segment; the window closes then.
        requestStop();
        m_closeAfterRun = true;
        event->ignore();
        return;
    }
    saveSettings();
    QString workError;
    if (!saveWork(&workError))
        m_messages.show(this, MessageKind::Information, kWorkNotSaved.arg(workError));
    fraPhonetics->closeWindows();
    m_windows->closeAll();
    if (m_about)
        m_about->close();
    event->accept();
}

// ---------------------------------------------------------------- settings

Settings MainWindow::currentSettings() const {
    Settings s = m_settings;
    s.accent = accent();
    fraText->writeSettings(s);
    s.editor = fraPhonetics->options();
    return s;
}

void MainWindow::applySettings(const Settings &s) {
    (s.accent == Accent::AmE ? optAmE : optBrE)->setChecked(true);
    applyAccentLook();
    fraText->readSettings(s);
    fraPhonetics->setOptions(s.editor);
}

void MainWindow::saveSettings() {
    QString error;
    if (SaveSettings(m_paths.settings, currentSettings(), &error) || m_saveFailureShown)
        return;
    // Shown once per run: the previous file is still there, untouched.
    m_saveFailureShown = true;
    m_messages.show(this, MessageKind::Information, messages::kSettingsNotSaved.arg(error));
}

void MainWindow::fontApplied(const QFont &font) {
    fraPhonetics->setEditorFont(font);
    updateMinimumContentSize();
    saveSettings();
}

// ---------------------------------------------------------------- panels and accent

void MainWindow::showPanel(Panel panel) {
    if (!switchPanel(m_panels, panel))
        return;
    applyPanelState();
    if (panel == Panel::Rhymes)
        fraRhymes->focusEntry();
}

void MainWindow::applyPanelState() {
    const std::pair<QWidget *, PanelFrame> frames[] = {{fraText, PanelFrame::Text},
                                                       {fraPhonetics, PanelFrame::Phonetics},
                                                       {fraHelpMe, PanelFrame::HelpMe},
                                                       {fraRhymes, PanelFrame::Rhymes},
                                                       {fraLanguage, PanelFrame::Language}};
    for (const auto &[frame, which] : frames)
        frame->setVisible(m_panels.frameVisible(which));
    m_bar->showPanels(m_panels);
}

Accent MainWindow::accent() const { return optAmE->isChecked() ? Accent::AmE : Accent::BrE; }

void MainWindow::applyAccentLook() {
    m_bar->showAccent(accent());
    fraPhonetics->setAccent(accent());
    fraRhymes->setAccent(accent());
}

void MainWindow::chooseAccent(Accent) {
    applyAccentLook();
    saveSettings();
    showAccentStatus();
    if (!fraRhymes->isHidden())
        fraRhymes->refresh();
}

// ---------------------------------------------------------------- Transcribe

void MainWindow::transcribe() {
    if (transcribing() || !m_lexicon)
        return;
    // What the run needs from the window, read now: the accent and the options may change
    // while it goes on. It opens the lexicon again in its own thread.
    TranscriptionRequest request;
    request.boxText = fraText->box()->document()->toRawText();
    request.accent = accent();
    request.lexiconPath = m_paths.lexicon;
    try {
        // The user's words as they are now take the word list's place, when asked for.
        if (fraText->useMyWords() && m_contributionsDb)
            request.overlay = contributions::ContributionStore(*m_contributionsDb).overlay();
    } catch (const DatabaseError &e) {
        showDatabaseError(e.message());
        return;
    }
    if (fraText->guessUnknown())
        request.options.guess = pronunciation::guessTranscription;
    request.render = RenderedTranscription{fraPhonetics->options(), accent(), std::nullopt};
    m_accentStatusShown = false;
    fraText->setRunning(true);
    m_band->start(std::move(request));
}

void MainWindow::requestStop() { m_band->stop(); }

void MainWindow::runEnded(const TranscriptionResult &result) {
    if (result.failure == TranscriptionResult::LexiconNotOpened)
        m_messages.show(this, MessageKind::Critical, messages::kLexiconNotAvailable);
    else if (result.failure == TranscriptionResult::Database)
        showDatabaseError(result.error);
    // A run stopped before its first segment has done nothing to show.
    if (!result.stored || (result.stopped && result.stored->isEmpty())) {
        runOver(false);
        return;
    }
    fraPhonetics->showTranscription(*result.stored, result.accent, result.rendered);
}

void MainWindow::transcriptionShown(bool replacedUserText) {
    fraText->box()->setFocus();
    showAccentStatus();
    // Text the user made in the editor is one Ctrl+Z away; the status line says so.
    if (replacedUserText)
        showStatus(kCorrectionsReplaced);
    runOver(true);
}

void MainWindow::runOver(bool shown) {
    fraText->setRunning(false);
    if (!shown)
        showAccentStatus();
    emit transcriptionEnded();
    if (m_closeAfterRun)
        close();
}

void MainWindow::showDatabaseError(const QString &message) {
    m_messages.show(this, MessageKind::Critical, messages::kDatabaseError.arg(message));
}

// ---------------------------------------------------------------- status line and work in progress

// The status line outside a run: a message that stays until the next run.
void MainWindow::showStatus(const QString &text) {
    m_accentStatusShown = false;
    m_band->showMessage(text);
}

// While the editor shows a transcription made in the other accent, the status line says
// how to have it in the chosen one; otherwise what it said about that goes.
void MainWindow::showAccentStatus() {
    if (transcribing())
        return;
    const std::optional<Accent> shown = fraPhonetics->transcriptionAccent();
    const bool otherAccent = shown && *shown != accent() && !fraPhonetics->editorText().isEmpty();
    if (otherAccent) {
        showStatus(texts::accentRedoStatus(*shown == Accent::AmE));
        m_accentStatusShown = true;
    } else if (m_accentStatusShown) {
        m_accentStatusShown = false;
        m_band->hideMessage();
    }
}

// ---------------------------------------------------------------- About

void MainWindow::openAbout() {
    if (!m_about) {
        try {
            // Read once per run: a later opening shows the same window again.
            const AboutTexts texts = readAboutTexts(*m_lexicon);
            m_about = new AboutDialog(texts, readContributors(*m_lexiconDb), this);
        } catch (const DatabaseError &e) {
            showDatabaseError(e.message());
            return;
        }
    }
    if (const QScreen *screen = this->screen())
        m_about->fitTo(screen->availableGeometry());
    m_about->open();
}

} // namespace vocalith
