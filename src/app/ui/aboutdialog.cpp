#include "app/ui/aboutdialog.h"

#include "app/texts.h"
#include "app/ui/picturebutton.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vocalith {

namespace {

QLabel *label(const QString &name, const QString &text) {
    auto *l = new QLabel(text);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace

AboutDialog::AboutDialog(const AboutTexts &t, const QVector<Contributor> &contributors, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(texts::aboutWindowCaption());
    auto *layout = new QVBoxLayout(this);

    QLabel *title = label(QStringLiteral("lblTitulo"), t.title);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title->setFont(big);
    layout->addWidget(title);
    layout->addWidget(label(QStringLiteral("lblDatabase"), t.database));
    layout->addWidget(label(QStringLiteral("lblDatabaseText"), t.databaseText));
    layout->addWidget(label(QStringLiteral("lblDatabaseNumWords"), t.numWords));
    layout->addSpacing(8);
    layout->addWidget(label(QStringLiteral("lblDescription"), texts::kAboutDatabase));
    layout->addWidget(label(QStringLiteral("lblDisclaimer"), texts::kAboutDisclaimer));
    layout->addSpacing(8);
    layout->addWidget(label(QStringLiteral("lblPages"), texts::kAboutPages));
    layout->addWidget(label(QStringLiteral("lblWebSite"), t.webSite));
    layout->addWidget(label(QStringLiteral("lblMail"), t.mail));
    layout->addSpacing(8);

    QLabel *thanks = label(QStringLiteral("lblThanks"), texts::kThanksList);
    QFont bold = thanks->font();
    bold.setBold(true);
    thanks->setFont(bold);
    layout->addWidget(thanks);
    layout->addWidget(label(QStringLiteral("lblThanksNote"), texts::kThanksNote));
    auto *list = new QTreeWidget;
    list->setObjectName(QStringLiteral("lvContributors"));
    list->setHeaderLabels(texts::kContributorHeadings);
    list->setRootIsDecorated(false);
    for (const Contributor &c : contributors)
        list->addTopLevelItem(new QTreeWidgetItem(QStringList{c.name, c.from, c.contribution}));
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setMinimumHeight(100);
    layout->addWidget(list, 1);

    auto *close = new PictureButton(QStringLiteral("picSalir"), texts::kClose);
    connect(close, &QToolButton::clicked, this, &QDialog::hide);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    setMinimumWidth(520);
}

} // namespace vocalith
