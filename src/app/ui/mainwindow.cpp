#include "app/ui/mainwindow.h"

#include "app/about.h"
#include "app/fontsize.h"
#include "app/messages.h"
#include "app/textfiles.h"
#include "app/texts.h"
#include "app/ui/aboutdialog.h"
#include "app/ui/filecommands.h"
#include "app/work.h"
#include "contributions/contributiondb.h"
#include "contributions/contributionstore.h"
#include "contributions/ui/contributionpanel.h"
#include "editor/ui/ipachartdialog.h"
#include "editor/ui/resultpanel.h"
#include "encodings/htmlreferences.h"
#include "encodings/notations.h"
#include "engine/driver.h"
#include "engine/lexicon/schema.h"
#include "engine/numbers.h"
#include "pronunciation/guess.h"
#include "rhymes/ui/rhymespanel.h"
#include "widgets/messagebox.h"
#include "widgets/picturebutton.h"
#include "widgets/textbox.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace vocalith {

namespace {

// The work in progress is saved this long after its first unsaved change.
constexpr int kWorkSaveDelayMs = 3000;

// Sizes of the arrangement, in twips (1440 to the inch).
constexpr int kMinContentWidth = 14400;
constexpr int kMinContentHeight = 8000;
constexpr int kMinPhoneticsWidth = 8160;

QFrame *makeFrame(const QString &name) {
    auto *f = new QFrame;
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}

QLabel *makeLabel(const QString &name, const QString &text) {
    auto *l = new QLabel(text);
    l->setObjectName(name);
    return l;
}

// Hidden widgets of the status band keep their place, so nothing moves during a run.
void keepPlaceWhenHidden(QWidget *w, bool keep = true) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(keep);
    w->setSizePolicy(p);
}

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
}

MainWindow::~MainWindow() = default;

QString MainWindow::storedTranscription() const { return fraPhonetics->storedTranscription(); }
const RecentSymbols &MainWindow::recentSymbols() const { return fraPhonetics->recentSymbols(); }
IpaChartDialog *MainWindow::chart() const { return fraPhonetics->chart(); }

// ---------------------------------------------------------------- controls

void MainWindow::buildControls() {
    m_shortcuts = new ShortcutFilter(this);

    auto *content = new QWidget;
    m_content = content;
    content->setObjectName(QStringLiteral("content"));
    const int dpiX = logicalDpiX();

    auto *rows = new ContentRows(content);
    rows->setContentsMargins(kPanelMargin / 2, kPanelMargin / 2, kPanelMargin / 2, kPanelMargin / 2);
    rows->addWidget(buildTopBar());

    auto *work = new QHBoxLayout;
    auto *inputSide = new QVBoxLayout;
    fraText = buildTextFrame();
    fraRhymes = new RhymesPanel(m_messages);
    fraHelpMe = new ContributionPanel(m_messages);
    fraLanguage = buildLanguageFrame();
    for (QWidget *w : {static_cast<QWidget *>(fraText), static_cast<QWidget *>(fraRhymes),
                       static_cast<QWidget *>(fraHelpMe), static_cast<QWidget *>(fraLanguage)})
        inputSide->addWidget(w);
    fraPhonetics = new ResultPanel(m_messages);
    connect(fraPhonetics, &ResultPanel::optionsChanged, this, &MainWindow::saveSettings);
    connect(fraPhonetics, &ResultPanel::stateRestored, this, [this] {
        // Undo or redo of a whole-editor step: the note that Ctrl+Z brings corrections back
        // has done its work, and the accent of what is shown may have changed.
        if (lblStatus->text() == kCorrectionsReplaced)
            lblStatus->hide();
        showAccentStatus();
    });
    connect(fraRhymes, &RhymesPanel::addTextRequested, fraPhonetics, &ResultPanel::addText);
    connect(fraPhonetics, &ResultPanel::brailleFontChanged, this, [this](const QString &name) {
        m_settings.brailleFontName = name;
        saveSettings();
    });
    // Never narrower than the least width, nor than its controls need.
    static_cast<QBoxLayout *>(fraPhonetics->layout())->addStrut(twipsToPixels(kMinPhoneticsWidth, dpiX));
    work->addLayout(inputSide, 2);
    work->addWidget(fraPhonetics, 3);
    rows->addLayout(work, 1);
    rows->addWidget(buildStatusBand());

    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrollArea"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    m_shortcuts->attach(fraHelpMe->britishField());
    m_shortcuts->attach(fraHelpMe->americanField());
    connect(fraHelpMe, &ContributionPanel::editorTextRequested, this,
            [this](QLineEdit *field) { field->setText(HTML2Text(fraPhonetics->editorText())); });

    auto *f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    f5->setContext(Qt::WindowShortcut);
    connect(f5, &QShortcut::activated, this, &MainWindow::transcribe);

    // Files in and out, and the work in progress kept between sessions.
    m_files = new FileCommands(m_messages, txtWords, this);
    new InputBoxFilter(txtWords, m_files);
    auto save = [this] { m_files->saveTranscription(fraPhonetics->editorText(), fraPhonetics->editorFontFamily()); };
    auto *ctrlO = new QShortcut(QKeySequence::Open, this);
    auto *ctrlS = new QShortcut(QKeySequence::Save, this);
    connect(ctrlO, &QShortcut::activated, m_files, &FileCommands::openText);
    connect(picOpenText, &QToolButton::clicked, m_files, &FileCommands::openText);
    connect(ctrlS, &QShortcut::activated, this, save);
    connect(fraPhonetics, &ResultPanel::saveRequested, this, save);
    m_workTimer = new QTimer(this);
    m_workTimer->setSingleShot(true);
    m_workTimer->setInterval(kWorkSaveDelayMs);
    connect(m_workTimer, &QTimer::timeout, this, [this] {
        QString error;
        if (!saveWork(&error))
            showStatus(kWorkNotSaved.arg(error));
    });
    setTabOrder(txtWords, picGo);

    applyPanelState();
    applyAccentLook();
    updateMinimumContentSize();
}

void MainWindow::updateMinimumContentSize() {
    // A window smaller than the minimum is laid out as if it had that size (it scrolls);
    // so is one too small for what the controls need.
    m_content->layout()->activate();
    const QSize least(twipsToPixels(kMinContentWidth, logicalDpiX()), twipsToPixels(kMinContentHeight, logicalDpiY()));
    m_content->setMinimumSize(least.expandedTo(m_content->layout()->minimumSize()));
}

QWidget *MainWindow::buildTopBar() {
    auto *bar = new QWidget;
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    picTranscription = new PictureButton(QStringLiteral("picTranscription"), texts::kTranscriptionPanel);
    picRhymes = new PictureButton(QStringLiteral("picRhymes"), texts::kRhymesPanel);
    picUpdate = new PictureButton(QStringLiteral("picUpdate"), texts::kUpdatePanel);
    picLanguage = new PictureButton(QStringLiteral("picLanguage"), QString());
    lblBrE = new ClickLabel(QStringLiteral("lblBrE"), texts::kBrE);
    lblAme = new ClickLabel(QStringLiteral("lblAme"), texts::kAmE);
    auto *accentCaptions = new QHBoxLayout(picLanguage);
    accentCaptions->setContentsMargins(8, 0, 8, 0);
    accentCaptions->addWidget(lblBrE);
    accentCaptions->addWidget(makeLabel(QStringLiteral("lblAccentSeparator"), QStringLiteral("/")));
    accentCaptions->addWidget(lblAme);
    picLanguage->setMinimumWidth(100);
    for (PictureButton *b : {picTranscription, picRhymes, picUpdate, picLanguage}) {
        b->setMinimumHeight(30);
        row->addWidget(b);
    }
    connect(picTranscription, &QToolButton::clicked, this, [this] { showPanel(Panel::Transcription); });
    connect(picRhymes, &QToolButton::clicked, this, [this] { showPanel(Panel::Rhymes); });
    connect(picUpdate, &QToolButton::clicked, this, [this] { showPanel(Panel::Update); });
    connect(picLanguage, &QToolButton::clicked, this, [this] { showPanel(Panel::Language); });
    connect(lblBrE, &ClickLabel::clicked, this, [this] {
        optBrE->setChecked(true);
        chooseAccent(Accent::BrE);
    });
    connect(lblAme, &ClickLabel::clicked, this, [this] {
        optAmE->setChecked(true);
        chooseAccent(Accent::AmE);
    });

    row->addStretch(1);
    lblWebSite = makeLabel(QStringLiteral("lblWebSite"), texts::kWebSite);
    lblWebSite->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(lblWebSite);
    picAbout = new PictureButton(QStringLiteral("picAbout"), texts::kAbout);
    picExit = new PictureButton(QStringLiteral("picExit"), texts::kExit);
    row->addWidget(picAbout);
    row->addWidget(picExit);
    connect(picAbout, &QToolButton::clicked, this, &MainWindow::openAbout);
    connect(picExit, &QToolButton::clicked, this, &QWidget::close);
    return bar;
}

QFrame *MainWindow::buildTextFrame() {
    QFrame *frame = makeFrame(QStringLiteral("fraText"));
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    txtWords = new QPlainTextEdit;
    txtWords->setObjectName(QStringLiteral("txtWords"));
    txtWords->setPlaceholderText(texts::kInputPlaceholder);
    layout->addWidget(txtWords, 1);

    auto *commands = new QHBoxLayout;
    commands->setSpacing(kPanelMargin / 2);
    picClear = new PictureButton(QStringLiteral("picClear"), texts::kClearText);
    picRemoveCRLF = new PictureButton(QStringLiteral("picRemoveCRLF"), texts::kRemoveCR, texts::kRemoveCRTip);
    picGo = new PictureButton(QStringLiteral("picGo"), texts::kTranscribe, texts::kTranscribeTip);
    QFont bold = picGo->font();
    bold.setBold(true);
    picGo->setFont(bold);
    picGo->setMinimumHeight(30);
    lblF5 = makeLabel(QStringLiteral("lblF5"), texts::kF5);
    chkUseMyWords = new QCheckBox(contributions::kUseMyWords);
    chkUseMyWords->setObjectName(QStringLiteral("chkUseMyWords"));
    chkUseMyWords->setToolTip(contributions::kUseMyWordsTip);
    picOpenText = new PictureButton(QStringLiteral("picOpenText"), kOpenTextCaption);
    chkGuessUnknown = new QCheckBox(pronunciation::kGuessUnknownWords);
    chkGuessUnknown->setObjectName(QStringLiteral("chkGuessUnknown"));
    chkGuessUnknown->setToolTip(pronunciation::kGuessUnknownWordsTip);
    // The options of a run one under the other, so that the input side stays narrow.
    layout->addWidget(chkUseMyWords);
    layout->addWidget(chkGuessUnknown);
    commands->addWidget(picClear);
    commands->addWidget(picOpenText);
    commands->addWidget(picRemoveCRLF);
    commands->addStretch(1);
    commands->addWidget(picGo);
    commands->addWidget(lblF5);
    layout->addLayout(commands);
    connect(picClear, &QToolButton::clicked, this, [this] { replaceBoxText(txtWords, QString()); });
    connect(picRemoveCRLF, &QToolButton::clicked, this, &MainWindow::removeCarriageReturns);
    connect(picGo, &QToolButton::clicked, this, &MainWindow::transcribe);
    for (QCheckBox *box : {chkUseMyWords, chkGuessUnknown})
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!m_loading)
                saveSettings();
        });

    fraFont = makeFrame(QStringLiteral("fraFont"));
    auto *fonts = new QHBoxLayout(fraFont);
    cmbFont = new QComboBox;
    cmbFont->setObjectName(QStringLiteral("cmbFont"));
    cmbFont->setMinimumContentsLength(8);
    cmbFont->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbFontSize = new QComboBox;
    cmbFontSize->setObjectName(QStringLiteral("cmbFontSize"));
    cmbFontSize->setEditable(true);
    cmbFontSize->setInsertPolicy(QComboBox::NoInsert);
    cmbFontSize->addItems(texts::kFontSizes);
    cmbFontSize->setMinimumContentsLength(3);
    picNegrita = new PictureButton(QStringLiteral("picNegrita"), texts::kBold);
    picItalic = new PictureButton(QStringLiteral("picItalic"), texts::kItalic);
    picUnderline = new PictureButton(QStringLiteral("picUnderline"), texts::kUnderline);
    QFont face = picNegrita->font();
    face.setBold(true);
    picNegrita->setFont(face);
    face.setBold(false);
    face.setItalic(true);
    picItalic->setFont(face);
    face.setItalic(false);
    face.setUnderline(true);
    picUnderline->setFont(face);
    fonts->addWidget(cmbFont, 1);
    fonts->addWidget(cmbFontSize);
    for (PictureButton *b : {picNegrita, picItalic, picUnderline}) {
        b->setTag(QStringLiteral("0"));
        b->setPicture(texts::kPictureOff);
        b->setFixedWidth(28);
        fonts->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, b] { toggleStyle(b); });
    }
    layout->addWidget(fraFont);

    connect(cmbFont, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            applyFont();
    });
    connect(cmbFontSize, &QComboBox::textActivated, this, &MainWindow::fontSizeEdited);
    connect(cmbFontSize->lineEdit(), &QLineEdit::editingFinished, this, &MainWindow::fontSizeEdited);
    return frame;
}

QFrame *MainWindow::buildLanguageFrame() {
    QFrame *frame = makeFrame(QStringLiteral("fraLanguage"));
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

QWidget *MainWindow::buildStatusBand() {
    auto *band = new QWidget;
    auto *row = new QHBoxLayout(band);
    row->setContentsMargins(0, 0, 0, 0);
    lblStatus = makeLabel(QStringLiteral("lblStatus"), QString());
    lblStatus->setMinimumWidth(200);
    pgbTranscription = new QProgressBar;
    pgbTranscription->setObjectName(QStringLiteral("pgbTranscription"));
    picStop = new PictureButton(QStringLiteral("picStop"), texts::kStop);
    connect(picStop, &QToolButton::clicked, this, &MainWindow::requestStop);
    row->addWidget(lblStatus, 1);
    row->addWidget(pgbTranscription, 2);
    row->addWidget(picStop);
    for (QWidget *w : {static_cast<QWidget *>(lblStatus), static_cast<QWidget *>(pgbTranscription),
                       static_cast<QWidget *>(picStop)}) {
        keepPlaceWhenHidden(w);
        w->hide();
    }
    return band;
}

// ---------------------------------------------------------------- start-up and shutdown

bool MainWindow::startUp() {
    m_loading = true;
    QString settingsDamage;
    LoadSettings(m_paths.settings, m_installedFonts, m_settings, &settingsDamage);
    // Set aside, so that closing does not write over it.
    if (!settingsDamage.isEmpty())
        showStatus(SetAsideDamaged(m_paths.settings, settingsDamage, kSettingsDamagedKept, kSettingsDamaged));
    applySettings(m_settings);
    fraPhonetics->setBrailleFonts(brailleFontChoices(m_installedFonts, m_settings.brailleFonts),
                                  m_settings.brailleFontName);
    m_loading = false;
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
        fraHelpMe->notice()->setText(failure.text());
        QPalette p = fraHelpMe->notice()->palette();
        p.setColor(QPalette::WindowText, QColor::fromRgb(QRgb(texts::kWarning)));
        fraHelpMe->notice()->setPalette(p);
        fraHelpMe->setEnabled(false);
        chkUseMyWords->setEnabled(false);
    }

    FillNumberWords();
    try {
        if (const OptText mail = m_lexicon->metadata(QStringLiteral("email")))
            fraHelpMe->mail()->setText(*mail);
    } catch (const DatabaseError &e) {
        showDatabaseError(e);
    }
    if (fraHelpMe->isEnabled())
        fraHelpMe->fill(*m_contributionsDb);
    applyFont();
    restoreWork();
    // Restored from maximised, the window has the least size of its content.
    resize(m_content->minimumSize().expandedTo(size()));
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (m_running) {
        // The run ends at the next segment; the window closes then.
        m_stopRequested = true;
        m_closeAfterRun = true;
        event->ignore();
        return;
    }
    saveSettings();
    QString workError;
    if (!saveWork(&workError))
        m_messages.show(this, MessageKind::Information, kWorkNotSaved.arg(workError));
    fraPhonetics->closeWindows();
    if (m_about)
        m_about->close();
    event->accept();
}

// ---------------------------------------------------------------- settings

Settings MainWindow::currentSettings() const {
    Settings s = m_settings;
    s.accent = accent();
    s.fontSize = cmbFontSize->currentText();
    s.bold = tagIsOn(picNegrita->tag());
    s.italic = tagIsOn(picItalic->tag());
    s.underline = tagIsOn(picUnderline->tag());
    s.fontName = cmbFont->currentText();
    s.editor = fraPhonetics->options();
    s.useContributions = chkUseMyWords->isChecked();
    s.guessUnknown = chkGuessUnknown->isChecked();
    return s;
}

void MainWindow::applySettings(const Settings &s) {
    (s.accent == Accent::AmE ? optAmE : optBrE)->setChecked(true);
    applyAccentLook();
    cmbFontSize->setCurrentText(s.fontSize);
    m_appliedFontSize = s.fontSize;
    const std::pair<PictureButton *, bool> styles[] = {
        {picNegrita, s.bold}, {picItalic, s.italic}, {picUnderline, s.underline}};
    for (const auto &[button, on] : styles) {
        button->setTag(on ? QStringLiteral("1") : QStringLiteral("0"));
        button->setPicture(on ? texts::kPictureOn : texts::kPictureOff);
    }
    cmbFont->clear();
    cmbFont->addItems(s.unicodeFonts);
    cmbFont->setCurrentIndex(cmbFont->findText(s.fontName, Qt::MatchFixedString));
    fraPhonetics->setOptions(s.editor);
    chkUseMyWords->setChecked(s.useContributions);
    chkGuessUnknown->setChecked(s.guessUnknown);
}

void MainWindow::saveSettings() {
    QString error;
    if (SaveSettings(m_paths.settings, currentSettings(), &error) || m_saveFailureShown)
        return;
    // Shown once per run: the previous file is still there, untouched.
    m_saveFailureShown = true;
    m_messages.show(this, MessageKind::Information, messages::kSettingsNotSaved.arg(error));
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
    const std::pair<PictureButton *, PanelCaption> captions[] = {{picTranscription, PanelCaption::Transcription},
                                                                 {picRhymes, PanelCaption::Rhymes},
                                                                 {picUpdate, PanelCaption::Update}};
    for (const auto &[button, which] : captions)
        button->setCaptionColour(m_panels.captionActive(which) ? texts::kActiveCaption : texts::kInactiveCaption);
    PictureButton *const buttons[] = {picTranscription, picRhymes, picUpdate, picLanguage};
    for (size_t p = 0; p < std::size(buttons); ++p)
        buttons[p]->setTag(m_panels.tags[p]);
}

Accent MainWindow::accent() const { return optAmE->isChecked() ? Accent::AmE : Accent::BrE; }

void MainWindow::applyAccentLook() {
    const bool american = accent() == Accent::AmE;
    lblBrE->setCaptionColour(american ? texts::kInactiveCaption : texts::kActiveCaption);
    lblAme->setCaptionColour(american ? texts::kActiveCaption : texts::kInactiveCaption);
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

// ---------------------------------------------------------------- fonts

void MainWindow::applyFont() {
    QFont f = txtWords->font();
    if (cmbFont->currentIndex() >= 0)
        f.setFamily(cmbFont->currentText());
    f.setBold(tagIsOn(picNegrita->tag()));
    f.setItalic(tagIsOn(picItalic->tag()));
    f.setUnderline(tagIsOn(picUnderline->tag()));
    if (const auto size = ParseFontSize(cmbFontSize->currentText()))
        f.setPointSizeF(*size);
    // Without OpenType shaping where the script does not need it (English and IPA are
    // Latin script): laying out a long text, one paragraph in the editor when line breaks
    // are removed, takes half the time, and the IPA fonts place their marks the same.
    f.setStyleStrategy(QFont::PreferNoShaping);
    fraPhonetics->setEditorFont(f);
    txtWords->setFont(f);
    updateMinimumContentSize();
    saveSettings();
}

void MainWindow::fontSizeEdited() {
    const QString text = cmbFontSize->currentText();
    if (text == m_appliedFontSize)
        return;
    if (!ParseFontSize(text)) {
        cmbFontSize->setCurrentText(m_appliedFontSize);
        m_messages.show(this, MessageKind::Plain, messages::kFontSizeNotNumber);
        return;
    }
    m_appliedFontSize = text;
    applyFont();
}

void MainWindow::toggleStyle(PictureButton *button) {
    const bool on = !tagIsOn(button->tag());
    button->setTag(on ? QStringLiteral("1") : QStringLiteral("0"));
    button->setPicture(on ? texts::kPictureOn : texts::kPictureOff);
    applyFont();
}

// ---------------------------------------------------------------- transcription and editor

void MainWindow::setRunning(bool running) {
    m_running = running;
    picGo->setEnabled(!running);
    if (running) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        lblStatus->setText(QString());
        lblStatus->show();
        keepPlaceWhenHidden(pgbTranscription);
        m_accentStatusShown = false;
        m_stopRequested = false;
    } else {
        lblStatus->hide();
        QApplication::restoreOverrideCursor();
        pgbTranscription->setValue(0);
        pgbTranscription->hide();
        picStop->hide();
    }
}

void MainWindow::transcribe() {
    if (m_running || !m_lexicon)
        return;
    const QString text = boxText(txtWords);
    const Accent runAccent = accent(); // the accent may change while the run goes on
    setRunning(true);

    // The screen follows the run every m_progressIntervalMs, from the first word on, not
    // after every word: repainting and handling events per word cost many times the
    // transcription itself. A click on Stop is seen at the next of these moments, and the
    // run ends at the start of the next segment.
    struct Latest {
        int segment = -1, count = 0, done = 0;
        QString word, transcription;
    } latest;
    QElapsedTimer sinceShown;
    TranscribeObserver observer;
    observer.started = [this](int count) {
        lblStatus->setText(texts::statusStarted(count));
        pgbTranscription->setRange(0, count);
        pgbTranscription->setValue(0);
        pgbTranscription->show();
        picStop->show();
    };
    observer.word = [&](int segment, int count, const QString &word, const QString &transcription) {
        latest.segment = segment;
        latest.count = count;
        latest.word = word;
        latest.transcription = transcription;
        if (sinceShown.isValid() && sinceShown.elapsed() < m_progressIntervalMs)
            return;
        lblStatus->setText(texts::statusWord(latest.segment, latest.count, latest.word, latest.transcription));
        pgbTranscription->setValue(latest.done);
        QApplication::processEvents();
        sinceShown.start();
    };
    observer.segmentDone = [&](int done) {
        latest.done = done;
        if (done == pgbTranscription->maximum())
            pgbTranscription->setValue(done);
    };
    observer.stopRequested = [this] { return m_stopRequested; };

    std::optional<QString> result;
    try {
        // The user's words as they are now take the word list's place, when asked for.
        const bool useMine = chkUseMyWords->isChecked() && m_contributionsDb;
        m_lexicon->setWordOverlay(useMine ? contributions::ContributionStore(*m_contributionsDb).overlay()
                                          : QHash<QString, WordRow>());
        TranscribeOptions options;
        if (chkGuessUnknown->isChecked())
            options.guess = pronunciation::GuessTranscription;
        result = Transcribe(text, runAccent, *m_lexicon, observer, options);
    } catch (const DatabaseError &e) {
        setRunning(false);
        showDatabaseError(e);
        return;
    }
    // Text the user made in the editor is one Ctrl+Z away; the status line says so.
    const bool replacedUserText = result && fraPhonetics->showTranscription(*result, runAccent);
    if (result)
        txtWords->setFocus();
    setRunning(false);
    showAccentStatus();
    if (replacedUserText)
        showStatus(kCorrectionsReplaced);
    if (m_closeAfterRun)
        close();
}

void MainWindow::setFileChoosers(FileChooser openFrom, FileChooser saveTo) {
    m_files->setFileChoosers(std::move(openFrom), std::move(saveTo));
}

// ---------------------------------------------------------------- status line and work in progress

// The status line outside a run: a message that stays until the next run, with the
// room of the hidden progress bar (a run gives it back).
void MainWindow::showStatus(const QString &text) {
    keepPlaceWhenHidden(pgbTranscription, false);
    m_accentStatusShown = false;
    lblStatus->setText(text);
    lblStatus->show();
}

// While the editor shows a transcription made in the other accent, the status line says
// how to have it in the chosen one; otherwise what it said about that goes.
void MainWindow::showAccentStatus() {
    if (m_running)
        return;
    const std::optional<Accent> shown = fraPhonetics->transcriptionAccent();
    const bool otherAccent = shown && *shown != accent() && !fraPhonetics->editorText().isEmpty();
    if (otherAccent) {
        showStatus(texts::accentRedoStatus(*shown == Accent::AmE));
        m_accentStatusShown = true;
    } else if (m_accentStatusShown) {
        m_accentStatusShown = false;
        lblStatus->hide();
    }
}

void MainWindow::restoreWork() {
    if (m_paths.work.isEmpty())
        return;
    const WorkRead read = ReadWork(m_paths.work);
    if (read.state == WorkFileState::Damaged) {
        // Set aside, so that the next save does not write over what may still be saved by hand.
        showStatus(SetAsideDamaged(m_paths.work, read.reason, kWorkDamagedKept, kWorkDamaged));
    } else if (read.state == WorkFileState::Read) {
        setBoxText(txtWords, read.work.input);
        fraPhonetics->restoreWork(read.work.stored, read.work.editor, read.work.transcriptionAccent, read.work.recent);
        showAccentStatus();
    }
    // Changes from here on are the user's.
    connect(txtWords, &QPlainTextEdit::textChanged, this, &MainWindow::workChanged);
    connect(fraPhonetics, &ResultPanel::workChanged, this, &MainWindow::workChanged);
}

void MainWindow::workChanged() {
    m_workChanged = true;
    if (!m_workTimer->isActive())
        m_workTimer->start();
}

bool MainWindow::saveWork(QString *error) {
    m_workTimer->stop();
    if (m_paths.work.isEmpty() || !m_workChanged)
        return true;
    WorkInProgress work;
    work.input = boxText(txtWords);
    work.stored = fraPhonetics->storedTranscription();
    work.transcriptionAccent = fraPhonetics->transcriptionAccent();
    work.editor = fraPhonetics->editorText();
    work.recent = fraPhonetics->recentSymbols();
    if (!SaveWork(m_paths.work, work, error))
        return false;
    m_workChanged = false;
    return true;
}

void MainWindow::removeCarriageReturns() { replaceBoxText(txtWords, RemoveCarriageReturns(boxText(txtWords))); }

// ---------------------------------------------------------------- About

void MainWindow::openAbout() {
    if (!m_about) {
        try {
            // Read once per run: a later opening shows the same window again.
            const AboutTexts texts = ReadAboutTexts(*m_lexicon);
            m_about = new AboutDialog(texts, ReadContributors(*m_lexiconDb), this);
        } catch (const DatabaseError &e) {
            showDatabaseError(e);
            return;
        }
    }
    if (const QScreen *screen = this->screen())
        m_about->fitTo(screen->availableGeometry());
    m_about->open();
}

void MainWindow::showDatabaseError(const DatabaseError &error) {
    m_messages.show(this, MessageKind::Critical, messages::kDatabaseError.arg(error.message()));
}

} // namespace vocalith
