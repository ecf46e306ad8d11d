#include "contributions/ui/contributionpanel.h"

#include "app/texts.h"
#include "app/ui/picturebutton.h"
#include "editor/keyboard.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vocalith {

ContributionPanel::ContributionPanel(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("fraHelpMe"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    m_notice = new QLabel;
    m_notice->setObjectName(QStringLiteral("lblContribution"));
    m_notice->setWordWrap(true);
    m_mail = new QLabel(texts::kMail);
    m_mail->setObjectName(QStringLiteral("lblMail"));
    m_mail->setTextInteractionFlags(Qt::TextSelectableByMouse);

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
    form->addRow(texts::kBrE, breRow);
    form->addRow(texts::kAmE, ameRow);

    layout->addWidget(m_notice);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(m_mail);
}

} // namespace vocalith
