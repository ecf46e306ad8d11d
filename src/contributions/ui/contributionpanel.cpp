#include "contributions/ui/contributionpanel.h"

#include "app/texts.h"
#include "contributions/contributiondb.h"
#include "contributions/contributionstore.h"
#include "editor/keyboard.h"
#include "widgets/messagebox.h"
#include "widgets/picturebutton.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vocalith {

using namespace contributions;

ContributionPanel::ContributionPanel(MessageBoxes &messages, QWidget *parent) : QFrame(parent), m_messages(messages) {
    setObjectName(QStringLiteral("fraHelpMe"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    m_notice = new QLabel;
    m_notice->setObjectName(QStringLiteral("lblContribution"));
    m_notice->setWordWrap(true);
    m_mail = new QLabel(texts::kMail);
    m_mail->setObjectName(QStringLiteral("lblMail"));
    m_mail->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_word = new QLineEdit;
    m_word->setObjectName(QStringLiteral("txtWord"));
    m_bre = new QLineEdit;
    m_bre->setObjectName(QStringLiteral("txtBrE"));
    m_ame = new QLineEdit;
    m_ame->setObjectName(QStringLiteral("txtAmE"));
    auto *toBre = new PictureButton(QStringLiteral("picTDown1"), QStringLiteral("\u2193"), kFromEditorTip);
    auto *toAme = new PictureButton(QStringLiteral("Picture2"), QStringLiteral("\u2193"), kFromEditorTip);
    connect(toBre, &QToolButton::clicked, this, [this] { emit editorTextRequested(m_bre); });
    connect(toAme, &QToolButton::clicked, this, [this] { emit editorTextRequested(m_ame); });

    auto *form = new QFormLayout;
    auto *breRow = new QHBoxLayout;
    breRow->addWidget(m_bre, 1);
    breRow->addWidget(toBre);
    auto *ameRow = new QHBoxLayout;
    ameRow->addWidget(m_ame, 1);
    ameRow->addWidget(toAme);
    form->addRow(kWordCaption, m_word);
    form->addRow(texts::kBrE, breRow);
    form->addRow(texts::kAmE, ameRow);

    auto *update = new PictureButton(QStringLiteral("picUpdateBD"), kUpdateCaption, kUpdateTip);
    auto *remove = new PictureButton(QStringLiteral("picRemove"), kRemoveCaption, kRemoveTip);
    auto *commands = new QHBoxLayout;
    commands->addWidget(update);
    commands->addWidget(remove);
    commands->addStretch(1);
    connect(update, &QToolButton::clicked, this, &ContributionPanel::updateWord);
    connect(remove, &QToolButton::clicked, this, &ContributionPanel::removeWord);

    m_list = new QComboBox;
    m_list->setObjectName(QStringLiteral("cmbContributionList"));
    m_list->setMinimumContentsLength(16);
    form->addRow(kListCaption, m_list);
    connect(m_list, &QComboBox::textActivated, this, &ContributionPanel::loadWord);

    auto *exportButton = new PictureButton(QStringLiteral("picExportWords"), kExportCaption);
    auto *importButton = new PictureButton(QStringLiteral("picImportWords"), kImportCaption);
    auto *files = new QHBoxLayout;
    files->addWidget(exportButton);
    files->addWidget(importButton);
    files->addStretch(1);
    connect(exportButton, &QToolButton::clicked, this, &ContributionPanel::exportWords);
    connect(importButton, &QToolButton::clicked, this, &ContributionPanel::importWords);

    m_exportTo = [](QWidget *owner) {
        return QFileDialog::getSaveFileName(owner, kExportDialogTitle, QString(), kTsvFilter);
    };
    m_importFrom = [](QWidget *owner) {
        return QFileDialog::getOpenFileName(owner, kImportDialogTitle, QString(), kTsvFilter);
    };

    layout->addWidget(m_notice);
    layout->addLayout(form);
    layout->addLayout(commands);
    layout->addLayout(files);
    layout->addStretch(1);
    layout->addWidget(m_mail);
}

ContributionPanel::~ContributionPanel() = default;

void ContributionPanel::showUnavailable(const QString &reason) {
    m_notice->setText(reason);
    QPalette p = m_notice->palette();
    p.setColor(QPalette::WindowText, QColor::fromRgb(QRgb(texts::kWarning)));
    m_notice->setPalette(p);
    setEnabled(false);
}

void ContributionPanel::fill(Connection &connection) {
    m_store = std::make_unique<ContributionStore>(connection);
    listContributions();
}

void ContributionPanel::setFileChoosers(FileChooser exportTo, FileChooser importFrom) {
    m_exportTo = std::move(exportTo);
    m_importFrom = std::move(importFrom);
}

void ContributionPanel::showError(const DatabaseError &e, Access access) {
    m_messages.show(this, MessageKind::Critical, failureOf(m_store->path(), e, access).text());
}

void ContributionPanel::listContributions() {
    if (!m_store)
        return;
    try {
        const QStringList words = m_store->words();
        m_list->clear();
        m_list->addItems(words);
        m_list->setCurrentIndex(-1);
    } catch (const DatabaseError &e) {
        showError(e, Access::Read);
    }
}

void ContributionPanel::updateWord() {
    if (!m_store)
        return;
    m_notice->clear();
    const Contribution c = normalised(m_word->text(), m_bre->text(), m_ame->text());
    const QString refused = refusal(c);
    if (!refused.isEmpty()) {
        m_messages.show(this, MessageKind::Information, refused);
        const Refused why = refusedFor(c);
        (why == Refused::NoWord ? m_word : why == Refused::MarkInAmerican ? m_ame : m_bre)->setFocus();
    } else {
        try {
            const ContributionStore::Saved saved = m_store->save(c);
            m_notice->setText((saved == ContributionStore::Saved::Added ? kAdded : kReplaced).arg(c.word));
        } catch (const DatabaseError &e) {
            // Nothing was written: the boxes keep what the user typed.
            showError(e, Access::Write);
            return;
        }
    }
    listContributions();
}

void ContributionPanel::removeWord() {
    if (!m_store || m_word->text().isEmpty())
        return;
    m_notice->clear();
    Access access = Access::Read;
    try {
        const std::optional<Contribution> stored = m_store->find(m_word->text());
        if (!stored || !m_messages.question(this, kDeleteQuestion.arg(stored->word)))
            return;
        access = Access::Write;
        m_store->remove(stored->word);
        for (QLineEdit *box : {m_word, m_bre, m_ame})
            box->clear();
        m_notice->setText(kDeleted.arg(stored->word));
    } catch (const DatabaseError &e) {
        showError(e, access);
        return;
    }
    listContributions();
}

void ContributionPanel::loadWord(const QString &w) {
    if (!m_store || w.isEmpty())
        return;
    try {
        if (const std::optional<Contribution> stored = m_store->find(w)) {
            m_word->setText(stored->word);
            m_bre->setText(stored->british);
            m_ame->setText(stored->american);
        }
    } catch (const DatabaseError &e) {
        showError(e, Access::Read);
    }
}

void ContributionPanel::exportWords() {
    if (!m_store)
        return;
    const QString path = m_exportTo(this);
    if (path.isEmpty())
        return;
    QString error;
    try {
        if (int count = 0; m_store->exportFile(path, &error, &count))
            m_messages.show(this, MessageKind::Information, kExported.arg(count).arg(path));
        else
            m_messages.show(this, MessageKind::Critical, error);
    } catch (const DatabaseError &e) {
        showError(e, Access::Read);
    }
}

void ContributionPanel::importWords() {
    if (!m_store)
        return;
    const QString path = m_importFrom(this);
    if (path.isEmpty())
        return;
    QString error;
    const std::optional<QByteArray> tsv = readFile(path, &error);
    if (!tsv) {
        m_messages.show(this, MessageKind::Critical, error);
        return;
    }
    try {
        // A few refused lines and how many more: the box fits the screen whatever the file.
        const ImportReport report = m_store->importTsv(*tsv);
        m_messages.show(this, MessageKind::Information, reportText(report, kRefusedShown));
    } catch (const DatabaseError &e) {
        showError(e, Access::Write);
        return;
    }
    listContributions();
}

} // namespace vocalith
