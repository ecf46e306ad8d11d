#include "statistics/ui/statisticswindow.h"

#include "app/texts.h"
#include "editor/addtext.h"
#include "widgets/picturebutton.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace vocalith {

namespace {

// The progress bar follows a count this often (milliseconds).
constexpr int kProgressInterval = 30;
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
    m_progress = new QTimer(this);
    m_progress->setInterval(kProgressInterval);
    connect(m_progress, &QTimer::timeout, this, [this] { pgbStatistics->setValue(m_count->counted); });
}

StatisticsWindow::~StatisticsWindow() {
    if (m_thread) {
        m_count->stop = true;
        m_thread->wait();
        delete m_thread;
    }
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
    if (m_thread) {
        // The running count stops at its next phoneme; a new one starts when it has.
        m_count->stop = true;
        m_countAgain = true;
        return;
    }
    count();
}

void StatisticsWindow::count() {
    if (m_analysed.isEmpty())
        return;
    for (QLabel *value : std::as_const(lblValue))
        value->setText(statistics::kNotCounted);
    pgbStatistics->setValue(0);
    Frame2->show();
    picCopyTable->setEnabled(false);

    // The count runs on a worker thread with its own copy of what it needs; the window
    // follows it on a timer and shows the figures when it ends.
    const bool removeDuplicates = chkDeleteDuplicates->isEnabled() && chkDeleteDuplicates->isChecked();
    m_count = std::make_shared<Count>();
    m_thread = QThread::create([count = m_count, text = m_analysed, removeDuplicates] {
        count->result = ComputeStatistics(removeDuplicates ? RemoveDuplicateWords(text, QLatin1Char(' ')) : text,
                                          [&count = *count](int counted) {
                                              count.counted = counted;
                                              return !count.stop;
                                          });
    });
    connect(m_thread, &QThread::finished, this, &StatisticsWindow::countEnded);
    m_thread->start();
    m_progress->start();
}

void StatisticsWindow::countEnded() {
    m_progress->stop();
    m_thread->wait();
    delete std::exchange(m_thread, nullptr);
    const std::shared_ptr<Count> done = std::exchange(m_count, nullptr);
    if (std::exchange(m_countAgain, false)) {
        count();
        return;
    }
    if (!done->result)
        return;
    m_statistics = done->result;
    showFigures(*m_statistics);
    Frame2->hide();
    picCopyTable->setEnabled(true);
    emit counted();
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
