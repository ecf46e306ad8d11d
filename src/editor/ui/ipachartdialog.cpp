#include "editor/ui/ipachartdialog.h"

#include "editor/ipachart.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace vocalith {

IpaChartDialog::IpaChartDialog(const QString &faceFamily, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmIPASymbols"));
    setWindowTitle(kChartTitle);
    auto *outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);

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

    const QStringList symbols = SymbolList();
    const QStringList descriptions = DescriptionList();
    QFont face = font();
    face.setFamily(faceFamily);
    face.setPointSizeF(face.pointSizeF() * 1.3);
    for (int i = 0; i < symbols.size(); ++i) {
        const ChartCell cell = chartCell(i);
        auto *b = new QToolButton;
        b->setObjectName(QStringLiteral("picPhoneme_%1").arg(i));
        b->setText(displayCaption(symbols[i]));
        b->setProperty("symbol", symbols[i]);
        b->setToolTip(descriptions[i]);
        b->setFont(face);
        b->setFixedSize(36, 34);
        connect(b, &QToolButton::clicked, this, [this, i] { emit symbolPicked(i); });
        grids[cell.section]->addWidget(b, cell.row, cell.column);
    }
}

} // namespace vocalith
