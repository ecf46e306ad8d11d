#include "app/ui/inputpanel.h"

#include "app/fontsize.h"
#include "app/messages.h"
#include "app/panels.h"
#include "app/textfiles.h"
#include "app/texts.h"
#include "contributions/contributionstore.h"
#include "engine/driver.h"
#include "pronunciation/guess.h"
#include "widgets/messagebox.h"
#include "widgets/picturebutton.h"
#include "widgets/textbox.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vocalith {

namespace {

void setToggle(PictureButton *button, bool on) {
    button->setTag(on ? QStringLiteral("1") : QStringLiteral("0"));
    button->setPicture(on ? texts::kPictureOn : texts::kPictureOff);
}

} // namespace

InputPanel::InputPanel(MessageBoxes &messages, QWidget *parent) : QFrame(parent), m_messages(messages) {
    setObjectName(QStringLiteral("fraText"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
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
    lblF5 = new QLabel(texts::kF5);
    lblF5->setObjectName(QStringLiteral("lblF5"));
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
    for (QWidget *w :
         {static_cast<QWidget *>(picClear), static_cast<QWidget *>(picOpenText), static_cast<QWidget *>(picRemoveCRLF)})
        commands->addWidget(w);
    commands->addStretch(1);
    commands->addWidget(picGo);
    commands->addWidget(lblF5);
    layout->addLayout(commands);
    connect(picClear, &QToolButton::clicked, this, [this] { replaceBoxText(txtWords, QString()); });
    connect(picRemoveCRLF, &QToolButton::clicked, this, &InputPanel::removeCarriageReturns);
    connect(picOpenText, &QToolButton::clicked, this, &InputPanel::openTextRequested);
    connect(picGo, &QToolButton::clicked, this, &InputPanel::transcribeRequested);
    for (QCheckBox *box : {chkUseMyWords, chkGuessUnknown})
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!m_loading)
                emit optionsChanged();
        });
    layout->addWidget(buildFontFrame());
    setTabOrder(txtWords, picGo);
}

QWidget *InputPanel::buildFontFrame() {
    fraFont = new QFrame;
    fraFont->setObjectName(QStringLiteral("fraFont"));
    fraFont->setFrameShape(QFrame::StyledPanel);
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
        setToggle(b, false);
        b->setFixedWidth(28);
        fonts->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, b] { toggleStyle(b); });
    }
    connect(cmbFont, &QComboBox::currentIndexChanged, this, &InputPanel::fontControlChanged);
    connect(cmbFontSize, &QComboBox::textActivated, this, &InputPanel::fontSizeEdited);
    connect(cmbFontSize->lineEdit(), &QLineEdit::editingFinished, this, &InputPanel::fontSizeEdited);
    return fraFont;
}

QString InputPanel::text() const { return boxText(txtWords); }
bool InputPanel::useMyWords() const { return chkUseMyWords->isEnabled() && chkUseMyWords->isChecked(); }
bool InputPanel::guessUnknown() const { return chkGuessUnknown->isChecked(); }
void InputPanel::disableMyWords() { chkUseMyWords->setEnabled(false); }
void InputPanel::setRunning(bool running) { picGo->setEnabled(!running); }

void InputPanel::removeCarriageReturns() { replaceBoxText(txtWords, withoutCarriageReturns(boxText(txtWords))); }

// ---------------------------------------------------------------- settings and font

void InputPanel::readSettings(const Settings &s) {
    m_loading = true;
    cmbFontSize->setCurrentText(s.fontSize);
    m_appliedFontSize = s.fontSize;
    setToggle(picNegrita, s.bold);
    setToggle(picItalic, s.italic);
    setToggle(picUnderline, s.underline);
    cmbFont->clear();
    cmbFont->addItems(s.unicodeFonts);
    cmbFont->setCurrentIndex(cmbFont->findText(s.fontName, Qt::MatchFixedString));
    chkUseMyWords->setChecked(s.useContributions);
    chkGuessUnknown->setChecked(s.guessUnknown);
    m_loading = false;
}

void InputPanel::writeSettings(Settings &s) const {
    s.fontSize = cmbFontSize->currentText();
    s.bold = tagIsOn(picNegrita->tag());
    s.italic = tagIsOn(picItalic->tag());
    s.underline = tagIsOn(picUnderline->tag());
    s.fontName = cmbFont->currentText();
    s.useContributions = chkUseMyWords->isChecked();
    s.guessUnknown = chkGuessUnknown->isChecked();
}

QFont InputPanel::applyFont() {
    QFont f = txtWords->font();
    if (cmbFont->currentIndex() >= 0)
        f.setFamily(cmbFont->currentText());
    f.setBold(tagIsOn(picNegrita->tag()));
    f.setItalic(tagIsOn(picItalic->tag()));
    f.setUnderline(tagIsOn(picUnderline->tag()));
    if (const auto size = parseFontSize(cmbFontSize->currentText()))
        f.setPointSizeF(*size);
    // Without OpenType shaping where the script does not need it (English and IPA are
    // Latin script): laying out a long text, one paragraph in the editor when line breaks
    // are removed, takes half the time, and the IPA fonts place their marks the same.
    f.setStyleStrategy(QFont::PreferNoShaping);
    txtWords->setFont(f);
    return f;
}

void InputPanel::fontControlChanged() {
    if (!m_loading)
        emit fontChanged(applyFont());
}

void InputPanel::fontSizeEdited() {
    const QString text = cmbFontSize->currentText();
    if (text == m_appliedFontSize)
        return;
    if (!parseFontSize(text)) {
        cmbFontSize->setCurrentText(m_appliedFontSize);
        m_messages.show(window(), MessageKind::Plain, messages::kFontSizeNotNumber);
        return;
    }
    m_appliedFontSize = text;
    fontControlChanged();
}

void InputPanel::toggleStyle(PictureButton *button) {
    setToggle(button, !tagIsOn(button->tag()));
    fontControlChanged();
}

} // namespace vocalith
