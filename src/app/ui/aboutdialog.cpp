#include "app/ui/aboutdialog.h"

#include "app/screenfit.h"
#include "app/texts.h"
#include "widgets/picturebutton.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vocalith {

namespace {

// The window is never narrower (as long as the screen allows).
constexpr int kMinimumWidth = 520;
// Lines of text longer than this many characters are hard to read: the list wraps then.
constexpr int kWidestInCharacters = 140;

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
    m_texts = new QWidget;
    auto *layout = new QVBoxLayout(m_texts);

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
    // A table: its rows grow to the wrapped texts of columns cut to the window's width,
    // where a list view keeps one line per row.
    m_list = new QTableWidget(int(contributors.size()), int(texts::kContributorHeadings.size()));
    m_list->setObjectName(QStringLiteral("lvContributors"));
    m_list->setHorizontalHeaderLabels(texts::kContributorHeadings);
    m_list->verticalHeader()->hide();
    m_list->setShowGrid(false);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft);
    m_list->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < contributors.size(); ++row) {
        const Contributor &c = contributors[row];
        const QString cells[] = {c.name, c.from, c.contribution};
        for (int column = 0; column < 3; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            m_list->setItem(row, column, item);
        }
    }
    m_list->setMinimumHeight(100);
    layout->addWidget(m_list, 1);

    // The texts scroll; Close stays below them, always in view.
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("aboutScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(m_texts);
    auto *close = new PictureButton(QStringLiteral("picSalir"), texts::kClose);
    connect(close, &QToolButton::clicked, this, &QDialog::hide);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(scroll, 1);
    outer->addLayout(buttons);
}

void AboutDialog::fitTo(const QRect &area) {
    // Across: the list's columns as their texts need them, cut (and wrapped) only when
    // the area is narrower; scroll bars are reserved in the list and beside the texts.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QMargins outer = layout()->contentsMargins();
    const QMargins inner = m_texts->layout()->contentsMargins();
    const int aroundList =
        outer.left() + outer.right() + bar + inner.left() + inner.right() + 2 * m_list->frameWidth() + bar;
    QVector<int> contents;
    int listWidth = 0;
    for (int c = 0; c < m_list->columnCount(); ++c) {
        // QTableView hides the view's public sizeHintForColumn; the table's own is the one wanted.
        const int text = static_cast<const QAbstractItemView *>(m_list)->sizeHintForColumn(c);
        contents << std::max(text, m_list->horizontalHeader()->sectionSizeHint(c));
        listWidth += contents.back();
    }
    // No wider than lines of text read well, nor than the area.
    const int widest = std::min(area.width(), fontMetrics().averageCharWidth() * kWidestInCharacters);
    const int width = std::clamp(listWidth + aroundList, std::min(kMinimumWidth, widest), widest);
    const QVector<int> columns = fitColumnWidths(contents, width - aroundList);
    for (int c = 0; c < columns.size(); ++c)
        m_list->horizontalHeader()->resizeSection(c, columns[c]);
    m_list->resizeRowsToContents();

    // Down: the texts at that width (they wrap), then Close.
    const int textsWidth = width - outer.left() - outer.right() - bar;
    const int textsHeight =
        m_texts->hasHeightForWidth() ? m_texts->heightForWidth(textsWidth) : m_texts->sizeHint().height();
    const int height =
        outer.top() + textsHeight + layout()->spacing() + layout()->itemAt(1)->sizeHint().height() + outer.bottom();

    // Centred on the main window, moved onto the area and cut to it.
    QRect wanted(QPoint(), QSize(width, height));
    wanted.moveCenter(parentWidget() ? parentWidget()->window()->geometry().center() : area.center());
    setGeometry(fitIntoArea(wanted, area));
}

} // namespace vocalith
