#include "encodings/ui/importexportwindow.h"

#include "app/texts.h"
#include "editor/addtext.h"
#include "encodings/notations.h"
#include "widgets/picturebutton.h"
#include "widgets/textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vocalith {

ImportExportWindow::ImportExportWindow(const QStringList &brailleFonts, const QString &brailleFontName, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmImportOutput"));
    setWindowTitle(importexport::kDesignCaption);
    auto *layout = new QVBoxLayout(this);

    fraText = new QFrame;
    fraText->setObjectName(QStringLiteral("fraText"));
    fraText->setFrameShape(QFrame::StyledPanel);
    auto *inner = new QVBoxLayout(fraText);
    auto *tabs = new QHBoxLayout;
    m_pages = new QStackedWidget;
    for (int i = 0; i < int(kNotations.size()); ++i) {
        auto *label =
            new ClickLabel(QStringLiteral("lblTexto%1").arg(i), QString::fromUtf16(kNotations[size_t(i)].caption));
        label->setFont(QFont(importexport::kTextFont));
        lblTexto << label;
        tabs->addWidget(label);
        connect(label, &ClickLabel::clicked, this, [this, i] { selectTab(i); });
        m_pages->addWidget(buildTab(i));
    }
    tabs->addStretch(1);
    inner->addLayout(tabs);
    inner->addWidget(m_pages, 1);

    fraFont = new QFrame;
    fraFont->setObjectName(QStringLiteral("fraFont"));
    auto *fontRow = new QHBoxLayout(fraFont);
    fontRow->setContentsMargins(0, 0, 0, 0);
    auto *fontLabel = new QLabel(importexport::kFont);
    fontLabel->setObjectName(QStringLiteral("lblFont"));
    cmbFont = new QComboBox;
    cmbFont->setObjectName(QStringLiteral("cmbFont"));
    cmbFont->setEditable(true);
    cmbFont->setInsertPolicy(QComboBox::NoInsert);
    cmbFont->setMinimumContentsLength(16);
    cmbFont->addItems(brailleFonts);
    fontRow->addWidget(fontLabel);
    fontRow->addWidget(cmbFont);
    fontRow->addStretch(1);
    inner->addWidget(fraFont);
    // Typed or picked from the list: the Braille box takes the name at once.
    connect(cmbFont, &QComboBox::currentTextChanged, this, &ImportExportWindow::brailleFontEdited);
    layout->addWidget(fraText, 1);

    auto *buttons = new QHBoxLayout;
    picImport = new PictureButton(QStringLiteral("picImport"), importexport::kImportButton);
    picSalir = new PictureButton(QStringLiteral("picSalir"), texts::kClose);
    buttons->addStretch(1);
    buttons->addWidget(picImport);
    buttons->addWidget(picSalir);
    layout->addLayout(buttons);
    connect(picImport, &QToolButton::clicked, this, &ImportExportWindow::importVisibleTab);
    connect(picSalir, &QToolButton::clicked, this, &QDialog::hide);

    m_settingFont = true;
    cmbFont->setCurrentText(brailleFontName);
    m_settingFont = false;
    applyBrailleFont(brailleFontName);
    selectTab(0);
    resize(640, 420);
}

QWidget *ImportExportWindow::buildTab(int index) {
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    auto *help = new QLabel(QString::fromUtf16(kNotations[size_t(index)].prompt));
    help->setObjectName(QStringLiteral("lblHelp%1").arg(index));
    help->setFont(QFont(importexport::kPromptFont));
    help->setWordWrap(true);
    lblHelp << help;
    auto *box = new QPlainTextEdit;
    box->setObjectName(QStringLiteral("txtTexto%1").arg(index));
    if (index != kBrailleTab)
        box->setFont(QFont(importexport::kTextFont));
    txtTexto << box;
    auto *copy = new PictureButton(QStringLiteral("picCopy%1").arg(index), importexport::kCopy);
    connect(copy, &QToolButton::clicked, this,
            [box] { QApplication::clipboard()->setText(programToBoxText(boxText(box))); });
    auto *copyRow = new QHBoxLayout;
    copyRow->addStretch(1);
    copyRow->addWidget(copy);
    column->addWidget(help);
    column->addWidget(box, 1);
    column->addLayout(copyRow);
    return page;
}

bool ImportExportWindow::importMode() const { return !picImport->isHidden(); }

void ImportExportWindow::setModeCaption(const QString &caption, bool import) {
    setWindowTitle(caption);
    picImport->setVisible(import);
    // The prompts ask for text to import; an export has none to ask for.
    for (QLabel *help : std::as_const(lblHelp))
        help->setVisible(import);
}

void ImportExportWindow::openExport(const QString &editorText) {
    setModeCaption(importexport::kExportCaption, false);
    // Each notation from the editor's text itself, not from another notation.
    for (int i = 0; i < int(kNotations.size()); ++i)
        setBoxText(txtTexto[i], kNotations[size_t(i)].exportFn(editorText));
    open();
}

void ImportExportWindow::openImport(const QString &brailleFontName) {
    setModeCaption(importexport::kImportCaption, true);
    m_settingFont = true;
    cmbFont->setCurrentText(brailleFontName);
    m_settingFont = false;
    applyBrailleFont(brailleFontName);
    for (QPlainTextEdit *box : std::as_const(txtTexto))
        box->clear();
    open();
    txtTexto[m_selected]->setFocus();
}

void ImportExportWindow::selectTab(int index) {
    m_selected = index;
    m_pages->setCurrentIndex(index);
    for (int j = 0; j < lblTexto.size(); ++j)
        lblTexto[j]->setCaptionColour(j == index ? importexport::kSelectedTab : importexport::kOtherTab);
    fraFont->setVisible(index == kBrailleTab);
}

void ImportExportWindow::importVisibleTab() {
    const int i = m_pages->currentIndex();
    emit imported(kNotations[size_t(i)].importFn(boxText(txtTexto[i])));
    hide();
}

void ImportExportWindow::brailleFontEdited(const QString &name) {
    if (m_settingFont)
        return;
    applyBrailleFont(name);
    emit brailleFontChanged(name);
}

void ImportExportWindow::applyBrailleFont(const QString &name) {
    QFont font = txtTexto[kBrailleTab]->font();
    font.setFamily(name);
    txtTexto[kBrailleTab]->setFont(font);
}

} // namespace vocalith
