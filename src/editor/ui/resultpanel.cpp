#include "editor/ui/resultpanel.h"

#include "app/screenfit.h"
#include "app/textfiles.h"
#include "app/texts.h"
#include "editor/addtext.h"
#include "editor/ipachart.h"
#include "editor/optiontips.h"
#include "editor/ui/ipachartdialog.h"
#include "editor/ui/keyboardwidget.h"
#include "widgets/picturebutton.h"
#include "widgets/textbox.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>
#include <utility>

namespace vocalith {

namespace {

// The part of a whole-editor step besides the text: undone or redone, it leaves the state
// it brings back for the panel to take when the editor reports the change.
class EditorStep : public QAbstractUndoItem {
public:
    EditorStep(std::optional<EditorState> *target, EditorState before, EditorState after)
        : m_target(target), m_before(std::move(before)), m_after(std::move(after)) {}
    void undo() override { *m_target = m_before; }
    void redo() override { *m_target = m_after; }

private:
    std::optional<EditorState> *m_target;
    EditorState m_before, m_after;
};

} // namespace

ResultPanel::ResultPanel(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("fraPhonetics"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);

    auto *commands = new QHBoxLayout;
    picClearPhonetics = new PictureButton(QStringLiteral("picClearPhonetics"), texts::kClearText);
    commands->addWidget(picClearPhonetics);
    picSaveTranscription = new PictureButton(QStringLiteral("picSaveTranscription"), kSaveTranscriptionCaption);
    commands->addWidget(picSaveTranscription);
    connect(picSaveTranscription, &QToolButton::clicked, this, &ResultPanel::saveRequested);

    commands->addStretch(1);
    picStatistics = new PictureButton(QStringLiteral("picStatistics"), texts::kStatistics, texts::kStatisticsTip);
    picZentab = new PictureButton(QStringLiteral("picZentab"), texts::kZentab, texts::kStatisticsTip);
    picImport = new PictureButton(QStringLiteral("picImport"), texts::kImport, texts::kImportTip);
    picExport = new PictureButton(QStringLiteral("picExport"), texts::kExport, texts::kExportTip);
    for (PictureButton *b : {picStatistics, picZentab, picImport, picExport})
        commands->addWidget(b);
    layout->addLayout(commands);
    connect(picClearPhonetics, &QToolButton::clicked, this, [this] { replaceEditorText(QString(), currentState()); });
    connect(picStatistics, &QToolButton::clicked, this, &ResultPanel::statisticsRequested);
    connect(picZentab, &QToolButton::clicked, this, &ResultPanel::zentabRequested);
    connect(picImport, &QToolButton::clicked, this, &ResultPanel::importRequested);
    connect(picExport, &QToolButton::clicked, this, &ResultPanel::exportRequested);

    txtText = new QPlainTextEdit;
    txtText->setObjectName(QStringLiteral("txtText"));
    // A scroll bar that comes and goes would change the width of the text, and a long
    // paragraph would be laid out once more at the new width.
    txtText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(txtText, 1);
    connect(txtText, &QPlainTextEdit::textChanged, this, &ResultPanel::editorChanged);
    m_shortcuts = new ShortcutFilter(this);
    m_shortcuts->attach(txtText);

    lblTextoAyuda = new QLabel(texts::kEditorHint);
    lblTextoAyuda->setObjectName(QStringLiteral("lblTextoAyuda"));
    lblTextoAyuda->setWordWrap(true);
    // Two lines are room enough from the least width up; without height-for-width the
    // window's scroll area does not grow the content past the window.
    QSizePolicy hint(QSizePolicy::Preferred, QSizePolicy::Fixed);
    hint.setHeightForWidth(false);
    lblTextoAyuda->setSizePolicy(hint);
    lblTextoAyuda->setFixedHeight(lblTextoAyuda->fontMetrics().lineSpacing() * 2 + 2);
    layout->addWidget(lblTextoAyuda);

    buildOptions(layout);

    m_keyboard = new KeyboardWidget;
    layout->addWidget(m_keyboard);
    m_keyboard->setSymbolButtons(m_recent);
    connect(m_keyboard, &KeyboardWidget::insertRequested, this, &ResultPanel::addText);
    connect(m_keyboard, &KeyboardWidget::chartRequested, this, &ResultPanel::openChart);
}

void ResultPanel::buildOptions(QVBoxLayout *layout) {
    // Three columns of three, in this order down each column.
    static const char *const kColumns[3][3] = {{"chkKeepSpaces", "chkStress", "chkPunctuation"},
                                               {"chkSyllabicConsonants", "chkIntrusiveR", "chkSyllables"},
                                               {"chkRemoveCRs", "chkList", "chkSlash"}};
    auto *grid = new QGridLayout;
    QHash<QString, QCheckBox *> boxes;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r) {
            const QString name = QString::fromLatin1(kColumns[c][r]);
            auto *box = new QCheckBox;
            box->setObjectName(name);
            box->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
            boxes.insert(name, box);
            grid->addWidget(box, r, c);
        }
    const RenderOptions designStates;
    for (const RenderOptionInfo &o : kRenderOptions) {
        QCheckBox *box = boxes.value(QString::fromLatin1(o.checkBox));
        box->setText(QString::fromLatin1(o.caption));
        box->setChecked(designStates.*o.member);
        box->setToolTip(displayOptionTip(box->objectName()));
        m_optionBoxes << box;
        connect(box, &QCheckBox::clicked, this, [this, box] { optionClicked(box); });
    }
    chkKeepSpaces = boxes.value(QStringLiteral("chkKeepSpaces"));
    chkPunctuation = boxes.value(QStringLiteral("chkPunctuation"));
    chkSyllables = boxes.value(QStringLiteral("chkSyllables"));
    chkIntrusiveR = boxes.value(QStringLiteral("chkIntrusiveR"));
    chkPunctuation->setEnabled(designStates.punctuationEnabled());
    updatePunctuationTip();
    layout->addLayout(grid);
}

// ---------------------------------------------------------------- options and rendering

RenderOptions ResultPanel::options() const {
    RenderOptions o;
    for (int i = 0; i < int(kRenderOptions.size()); ++i)
        o.*kRenderOptions[size_t(i)].member = m_optionBoxes[i]->isChecked();
    return o;
}

void ResultPanel::setOptions(const RenderOptions &o) {
    for (int i = 0; i < int(kRenderOptions.size()); ++i)
        m_optionBoxes[i]->setChecked(o.*kRenderOptions[size_t(i)].member);
    chkPunctuation->setEnabled(o.punctuationEnabled());
    updatePunctuationTip();
}

void ResultPanel::updatePunctuationTip() {
    chkPunctuation->setToolTip(chkPunctuation->isEnabled() ? displayOptionTip(chkPunctuation->objectName())
                                                           : kPunctuationDisabledTip);
}

void ResultPanel::setAccent(Accent accent) {
    m_accent = accent;
    chkIntrusiveR->setEnabled(accent == Accent::BrE);
}

void ResultPanel::setEditorFont(const QFont &font) {
    txtText->setFont(font);
    m_faceFamily = font.family();
    m_keyboard->setFaceFamily(m_faceFamily);
}

void ResultPanel::renderEditor() {
    if (const auto shown = RenderTranscription(m_stored, options(), m_accent))
        replaceEditorText(*shown, currentState());
}

void ResultPanel::optionClicked(QCheckBox *box) {
    if (box == chkSyllables) {
        chkPunctuation->setEnabled(!chkSyllables->isChecked());
        updatePunctuationTip();
    }
    renderEditor();
    emit optionsChanged();
}

void ResultPanel::showTranscription(const QString &stored, Accent accent,
                                    const std::optional<RenderedTranscription> &rendered) {
    if (m_fill)
        return;
    const bool replacesUserText = m_userText && !txtText->document()->isEmpty();
    const EditorState after{stored, accent, false, true};
    const bool current = rendered && rendered->options == options() && rendered->accent == m_accent;
    std::optional<QString> shown = current ? rendered->boxText : RenderTranscription(stored, options(), m_accent);
    if (!shown) {
        // Nothing to show: the editor keeps its text.
        applyState(after);
        emit transcriptionShown(false);
        return;
    }
    if (!current)
        shown = programToBoxText(std::move(*shown));
    m_fill = new BoxTextFill(txtText, *shown, new EditorStep(&m_undone, currentState(), after), this);
    applyState(after);
    connect(m_fill, &BoxTextFill::finished, this,
            [this, replacesUserText, text = *shown, with = options(), in = m_accent](bool replaced) {
                m_fill->deleteLater();
                m_fill = nullptr;
                if (replaced) {
                    // What editorChanged does for a change made by the program, with the text at hand.
                    emit workChanged();
                    QApplication::clipboard()->setText(text);
                }
                // An option clicked or an accent chosen meanwhile applies now.
                if (with != options() || in != m_accent)
                    renderEditor();
                emit transcriptionShown(replaced && replacesUserText);
            });
    m_fill->start();
}

void ResultPanel::importTranscription(const QString &text) {
    EditorState after = currentState();
    after.stored = boxToProgramText(programToBoxText(text)); // the editor's text once shown
    after.userText = true;
    replaceEditorText(text, after);
}

// ---------------------------------------------------------------- the editor

QString ResultPanel::editorText() const { return boxText(txtText); }

void ResultPanel::setEditorText(const QString &text) {
    m_rendering = true;
    setBoxText(txtText, text);
    m_rendering = false;
}

bool ResultPanel::replaceEditorText(const QString &text, const EditorState &after) {
    if (m_fill)
        return false; // a transcription is going in
    m_rendering = true;
    const bool replaced = replaceBoxText(txtText, text, new EditorStep(&m_undone, currentState(), after));
    m_rendering = false;
    applyState(after);
    return replaced;
}

EditorState ResultPanel::currentState() const {
    return {m_stored, m_transcriptionAccent, m_userText, chkKeepSpaces->isEnabled()};
}

void ResultPanel::applyState(const EditorState &state) {
    m_stored = state.stored;
    m_transcriptionAccent = state.transcriptionAccent;
    m_userText = state.userText;
    chkKeepSpaces->setEnabled(state.keepSpacesEnabled);
}

void ResultPanel::editorChanged() {
    if (m_fill)
        return; // once, when the transcription is in
    emit workChanged();
    const QString text = boxText(txtText);
    QApplication::clipboard()->setText(programToBoxText(text));
    if (m_rendering)
        return;
    if (m_undone) {
        // Ctrl+Z or redo of a whole-editor step: what went with the text comes back too.
        applyState(*std::exchange(m_undone, std::nullopt));
        emit stateRestored();
        return;
    }
    // An edit by the user: the display options now render the edited text, and spaces
    // already removed cannot come back.
    m_stored = text;
    m_userText = true;
    if (!chkKeepSpaces->isChecked())
        chkKeepSpaces->setEnabled(false);
    emit edited();
}

void ResultPanel::addText(const QString &text) {
    if (!m_fill)
        addTextToBox(txtText, text);
}

void ResultPanel::restoreWork(const QString &stored, const QString &editorText,
                              std::optional<Accent> transcriptionAccent, const RecentSymbols &recent) {
    setEditorText(editorText);
    m_stored = stored;
    m_transcriptionAccent = transcriptionAccent;
    // Whether the text is the user's is not saved: an editor that shows its stored
    // transcription as it is (a hand edit or an import), or not as the options render
    // it, holds text of the user's.
    const QString shown = this->editorText();
    m_userText = !shown.isEmpty() &&
                 (shown == stored || RenderTranscription(stored, options(), m_accent).value_or(shown) != shown);
    m_recent = recent;
    m_keyboard->setSymbolButtons(m_recent);
}

// ---------------------------------------------------------------- the chart

void ResultPanel::openChart() {
    if (!m_chart) {
        m_chart = new IpaChartDialog(m_faceFamily, this);
        connect(m_chart, &IpaChartDialog::symbolPicked, this, &ResultPanel::chartSymbolPicked);
    }
    // Beside the button that opens it, on the screen, and clear of the editor's line
    // with the caret (the whole width of the editor at the caret's height).
    const QWidget *button = m_keyboard->findChild<QWidget *>(QStringLiteral("picAddIPASymbol"));
    const QSize wanted = m_chart->sizeHint();
    const QPoint preferred = button->mapToGlobal(QPoint(button->width() + 10, -wanted.height() / 2));
    const QRect caret = txtText->cursorRect();
    const QWidget *view = txtText->viewport();
    const QRect caretLine(view->mapToGlobal(QPoint(0, caret.top())), QSize(view->width(), caret.height()));
    // Cut in height, the chart scrolls; below a quarter of its height it would not be of use.
    if (const QScreen *screen = this->screen())
        m_chart->setGeometry(
            placeAvoiding(wanted, preferred, caretLine, screen->availableGeometry(), wanted.height() / 4));
    else
        m_chart->move(preferred);
    m_chart->open();
}

void ResultPanel::chartSymbolPicked(int index) {
    const QString symbol = SymbolList().value(index);
    addText(symbol);
    if (m_recent.pick(symbol, DescriptionList().value(index))) {
        m_keyboard->setSymbolButtons(m_recent);
        emit workChanged();
    }
}

void ResultPanel::closeWindows() {
    if (m_chart)
        m_chart->close();
}

} // namespace vocalith
