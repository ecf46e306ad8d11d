#include "statistics/ui/statisticswindow.h"

#include "app/texts.h"
#include "editor/addtext.h"
#include "widgets/picturebutton.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace vocalith {

namespace {

// The event loop is served at most this often while counting (milliseconds).
constexpr int kYieldInterval = 30;
constexpr int kBarHeight = 150; // twips
constexpr int kColumnGap = 300; // twips

QLabel *namedLabel(const QString &name, const QString &text = {}) {
    auto *l = new QLabel(text);
    l->setObjectName(name);
    return l;
}

void setBarColour(QFrame *bar, unsigned rgb) {
    QPalette p = bar->palette();
    p.setColor(QPalette::Window, QColor::fromRgb(QRgb(rgb)));
    bar->setPalette(p);
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(statistics::kStatisticsCaption);
    auto *layout = new QVBoxLayout(this);

    Frame1 = new QFrame;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto *inner = new QVBoxLayout(Frame1);
    inner->addWidget(buildRows());
    chkDeleteDuplicates = new QCheckBox(statistics::kRemoveDuplicates);
    chkDeleteDuplicates->setObjectName(QStringLiteral("chkDeleteDuplicates"));
    inner->addWidget(chkDeleteDuplicates);
    connect(chkDeleteDuplicates, &QCheckBox::clicked, this, &StatisticsWindow::recount);
    layout->addWidget(Frame1);

    // The progress panel stands between the buttons while a count runs.
    auto *buttons = new QHBoxLayout;
    picCopyTable = new PictureButton(QStringLiteral("picCopyTable"), statistics::kCopyTable);
    picSalir = new PictureButton(QStringLiteral("picSalir"), texts::kClose);
    buttons->addWidget(picCopyTable);
    buttons->addWidget(buildProgress(), 1);
    buttons->addWidget(picSalir);
    layout->addLayout(buttons);
    connect(picCopyTable, &QToolButton::clicked, this, &StatisticsWindow::copyTable);
    connect(picSalir, &QToolButton::clicked, this, &QDialog::hide);
    picCopyTable->setEnabled(false);
}

QWidget *StatisticsWindow::buildRows() {
    auto *rows = new QWidget;
    auto *grid = new QGridLayout(rows);
    grid->setVerticalSpacing(2);
    const int dpiX = logicalDpiX();
    const int barHeight = twipsToPixels(kBarHeight, logicalDpiY());
    // Each group is a column of four: symbol, count, share and bar, then a gap.
    constexpr int kCellsPerGroup = 5;
    int groupRow = 0;
    for (int i = 0; i < kPhonemeCount; ++i) {
        const int group = int(kPhonemes[size_t(i)].group);
        if (i == 0 || group != int(kPhonemes[size_t(i - 1)].group)) {
            QLabel *heading =
                namedLabel(QStringLiteral("lblHeading%1").arg(group), statistics::groupCaption(PhonemeGroup(group)));
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            grid->addWidget(heading, 0, group * kCellsPerGroup, 1, 4);
            grid->setColumnMinimumWidth(group * kCellsPerGroup + 3, twipsToPixels(statistics::kBarLength, dpiX));
            grid->setColumnMinimumWidth(group * kCellsPerGroup + 4, twipsToPixels(kColumnGap, dpiX));
            groupRow = 1;
        }
        const int column = group * kCellsPerGroup;
        lblPhoneme << namedLabel(QStringLiteral("lblPhoneme%1").arg(i), rowCaption(i));
        lblValue << namedLabel(QStringLiteral("lblValue%1").arg(i), statistics::kNotCounted);
        lblShare << namedLabel(QStringLiteral("lblShare%1").arg(i));
        auto *bar = new QFrame;
        bar->setObjectName(QStringLiteral("picValue%1").arg(i));
        bar->setAutoFillBackground(true);
        bar->setFixedSize(0, barHeight);
        setBarColour(bar, statistics::kEmptyBarColour);
        picValue << bar;
        lblValue.back()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblShare.back()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(lblPhoneme.back(), groupRow, column);
        grid->addWidget(lblValue.back(), groupRow, column + 1);
        grid->addWidget(lblShare.back(), groupRow, column + 2);
        grid->addWidget(bar, groupRow, column + 3, Qt::AlignLeft | Qt::AlignVCenter);
        ++groupRow;
    }
    grid->setRowStretch(grid->rowCount(), 1);
    return rows;
}

QWidget *StatisticsWindow::buildProgress() {
    Frame2 = new QFrame;
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto *row = new QHBoxLayout(Frame2);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(namedLabel(QStringLiteral("lblWait"), statistics::kPleaseWait));
    row->addWidget(namedLabel(QStringLiteral("lblCalculating"), statistics::kCalculating));
    pgbStatistics = new QProgressBar;
    pgbStatistics->setObjectName(QStringLiteral("pgbStatistics"));
    pgbStatistics->setRange(0, kPhonemeCount);
    row->addWidget(pgbStatistics, 1);
    QSizePolicy keep = Frame2->sizePolicy();
    keep.setRetainSizeWhenHidden(true); // the window does not change size after a count
    Frame2->setSizePolicy(keep);
    Frame2->hide();
    return Frame2;
}

void StatisticsWindow::present(const QString &analysedText, bool keepSpaces) {
    m_analysed = analysedText;
    chkDeleteDuplicates->setEnabled(keepSpaces);
    open();
    recount();
}

void StatisticsWindow::recount() {
    m_countAgain = true;
    if (m_counting)
        return;
    m_counting = true;
    while (m_countAgain) {
        m_countAgain = false;
        count();
    }
    m_counting = false;
}

void StatisticsWindow::count() {
    const QString text = chkDeleteDuplicates->isEnabled() && chkDeleteDuplicates->isChecked()
                             ? RemoveDuplicateWords(m_analysed, QLatin1Char(' '))
                             : m_analysed;
    if (text.isEmpty())
        return;
    for (QLabel *value : std::as_const(lblValue))
        value->setText(statistics::kNotCounted);
    pgbStatistics->setValue(0);
    Frame2->show();
    picCopyTable->setEnabled(false);
    QApplication::processEvents(); // the progress panel shows before the count starts

    QElapsedTimer sinceYield;
    sinceYield.start();
    const auto progress = [&](int counted) {
        pgbStatistics->setValue(counted);
        if (sinceYield.elapsed() >= kYieldInterval) {
            QApplication::processEvents();
            sinceYield.restart();
        }
        return !m_countAgain;
    };
    const std::optional<Statistics> s = ComputeStatistics(text, progress);
    if (!s)
        return; // asked again meanwhile: the next count shows the figures
    m_statistics = s;
    showFigures(*s);
    Frame2->hide();
    picCopyTable->setEnabled(true);
}

void StatisticsWindow::showFigures(const Statistics &s) {
    const int dpiX = logicalDpiX();
    for (int i = 0; i < kPhonemeCount; ++i) {
        const PhonemeStatistics &row = s.rows[size_t(i)];
        lblValue[i]->setText(QString::number(row.count));
        lblShare[i]->setText(shareText(row.perMille) + QLatin1Char('%'));
        picValue[i]->setFixedWidth(twipsToPixels(row.barWidth, dpiX));
        setBarColour(picValue[i], row.barColour);
    }
}

void StatisticsWindow::copyTable() {
    if (m_statistics)
        QApplication::clipboard()->setText(programToBoxText(statisticsTable(*m_statistics)));
}

} // namespace vocalith
