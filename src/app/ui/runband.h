#pragma once
// The status band under the panels: the status line lblStatus, the progress bar
// pgbTranscription and picStop. It runs a Transcribe on a worker thread and follows it on
// a timer; outside a run the status line shows the program's messages.

#include "app/transcriptionrun.h"

#include <QWidget>
#include <memory>

class QLabel;
class QProgressBar;
class QThread;
class QTimer;

namespace vocalith {

class PictureButton;

class RunBand : public QWidget {
    Q_OBJECT
public:
    explicit RunBand(QWidget *parent = nullptr);
    // A run still going on is stopped and waited for.
    ~RunBand() override;

    // Starts a run; the band shows its progress until it ends with finished().
    void start(TranscriptionRequest request);
    bool running() const { return m_thread != nullptr; }
    // How often the status line and the bar follow a run (0: at every turn of the event loop).
    void setProgressInterval(int milliseconds);

    // The status line outside a run: a message that stays until the next run or until
    // hidden, with the room of the hidden progress bar.
    void showMessage(const QString &text);
    void hideMessage();
    // The message on show; empty when none is.
    QString message() const;

public slots:
    // The run ends at its next segment, with what is done.
    void stop();

signals:
    void finished(const TranscriptionResult &result);

private:
    void showProgress();
    void runEnded();

    std::unique_ptr<TranscriptionRun> m_run;
    QThread *m_thread = nullptr;
    QTimer *m_timer;
    bool m_startShown = false;

    QLabel *lblStatus;
    QProgressBar *pgbTranscription;
    PictureButton *picStop;
};

} // namespace vocalith
