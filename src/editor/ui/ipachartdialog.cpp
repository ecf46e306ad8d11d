#include "editor/ui/ipachartdialog.h"

#include "editor/ipachart.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace vocalith {

IpaChartDialog::IpaChartDialog(const QString &faceFamily, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmIPASymbols"));
    setWindowTitle(kChartTitle);
    m_sections = new QWidget;
    auto *outer = new QVBoxLayout(m_sections);

    const auto sections = chartSections();
    QVector<QGridLayout *> grids;
    for (const ChartSection &s : sections) {
        auto *heading = new QLabel(QString::fromLatin1(s.heading));
        heading->setObjectName(QString::fromLatin1(s.name));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        outer->addSpacing(grids.isEmpty() ? 0 : 8);
        outer->addWidget(heading);
        auto *grid = new QGridLayout;
        grid->setSpacing(2);
        grid->setAlignment(Qt::AlignLeft);
        outer->addLayout(grid);
        grids << grid;
    }
    outer->addStretch(1);

    const QStringList symbols = SymbolList();
    QFont face = font();
    face.setFamily(faceFamily);
    face.setPointSizeF(face.pointSizeF() * 1.3);
    for (int i = 0; i < symbols.size(); ++i) {
        const ChartCell cell = chartCell(i);
        auto *b = new QToolButton;
        b->setObjectName(QStringLiteral("picPhoneme_%1").arg(i));
        b->setText(displayCaption(symbols[i]));
        b->setProperty("symbol", symbols[i]);
        b->setToolTip(chartToolTip(i));
        b->setFont(face);
        b->setFixedSize(36, 34);
        connect(b, &QToolButton::clicked, this, [this, i] { emit symbolPicked(i); });
        grids[cell.section]->addWidget(b, cell.row, cell.column);
    }

    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("chartScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_sections);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

QSize IpaChartDialog::sizeHint() const {
    // Room for a vertical scroll bar too, so that a window cut in height still shows
    // every column.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return m_sections->sizeHint() + QSize(bar, 0);
}

} // namespace vocalith
