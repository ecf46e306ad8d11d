#include "app/ui/runband.h"

#include "app/texts.h"
#include "widgets/picturebutton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QTimer>

namespace vocalith {

namespace {

// The screen follows a run this often (milliseconds): repainting after every word would
// cost many times the transcription itself.
constexpr int kProgressInterval = 30;

// Hidden widgets of the band keep their place, so nothing moves during a run.
void keepPlaceWhenHidden(QWidget *w, bool keep = true) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(keep);
    w->setSizePolicy(p);
}

} // namespace

RunBand::RunBand(QWidget *parent) : QWidget(parent) {
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    lblStatus = new QLabel;
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setMinimumWidth(200);
    pgbTranscription = new QProgressBar;
    pgbTranscription->setObjectName(QStringLiteral("pgbTranscription"));
    picStop = new PictureButton(QStringLiteral("picStop"), texts::kStop);
    connect(picStop, &QToolButton::clicked, this, &RunBand::stop);
    row->addWidget(lblStatus, 1);
    row->addWidget(pgbTranscription, 2);
    row->addWidget(picStop);
    for (QWidget *w : {static_cast<QWidget *>(lblStatus), static_cast<QWidget *>(pgbTranscription),
                       static_cast<QWidget *>(picStop)}) {
        keepPlaceWhenHidden(w);
        w->hide();
    }
    m_timer = new QTimer(this);
    m_timer->setInterval(kProgressInterval);
    connect(m_timer, &QTimer::timeout, this, &RunBand::showProgress);
}

RunBand::~RunBand() {
    if (m_thread) {
        m_run->requestStop();
        m_thread->wait();
        delete m_thread;
    }
}

void RunBand::setProgressInterval(int milliseconds) { m_timer->setInterval(milliseconds); }

void RunBand::start(TranscriptionRequest request) {
    if (m_thread)
        return;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    lblStatus->setText(QString());
    lblStatus->show();
    keepPlaceWhenHidden(pgbTranscription);
    m_startShown = false;
    m_run = std::make_unique<TranscriptionRun>(std::move(request));
    m_thread = QThread::create([run = m_run.get()] { run->run(); });
    connect(m_thread, &QThread::finished, this, &RunBand::runEnded);
    m_thread->start();
    m_timer->start();
}

void RunBand::stop() {
    if (m_run)
        m_run->requestStop();
}

void RunBand::showProgress() {
    const RunProgress p = m_run->progress();
    if (p.segmentCount < 0)
        return;
    if (!m_startShown) {
        m_startShown = true;
        lblStatus->setText(texts::statusStarted(p.segmentCount));
        pgbTranscription->setRange(0, p.segmentCount);
        pgbTranscription->setValue(0);
        pgbTranscription->show();
        picStop->show();
    }
    if (p.segment >= 0)
        lblStatus->setText(texts::statusWord(p.segment, p.segmentCount, p.word, p.transcription));
    pgbTranscription->setValue(p.done);
}

void RunBand::runEnded() {
    m_timer->stop();
    m_thread->wait();
    delete std::exchange(m_thread, nullptr);
    showProgress(); // where the run got to
    TranscriptionResult result = m_run->takeResult();
    m_run.reset();
    lblStatus->hide();
    QApplication::restoreOverrideCursor();
    pgbTranscription->setValue(0);
    pgbTranscription->hide();
    picStop->hide();
    emit finished(result);
}

void RunBand::showMessage(const QString &text) {
    keepPlaceWhenHidden(pgbTranscription, false);
    lblStatus->setText(text);
    lblStatus->show();
}

void RunBand::hideMessage() { lblStatus->hide(); }

QString RunBand::message() const { return lblStatus->isHidden() ? QString() : lblStatus->text(); }

} // namespace vocalith
