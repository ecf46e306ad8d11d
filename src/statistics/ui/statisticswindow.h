#pragma once
// The Statistics window (frmStatistics): the 52 phonemes of the editor's text in four
// headed columns, each row "/symbol/", its count, its share and a bar.

#include "statistics/statistics.h"

#include <QDialog>
#include <QVector>
#include <atomic>
#include <memory>
#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QProgressBar;
class QThread;
class QTimer;

namespace vocalith {

class PictureButton;

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    explicit StatisticsWindow(QWidget *parent = nullptr);
    // A count still going on is stopped and waited for.
    ~StatisticsWindow() override;

    // A Statistics command: the text to count and whether the main window's Keep spaces is
    // ticked (only then can repeated words be removed). Shows the window and counts.
    void present(const QString &analysedText, bool keepSpaces);

    // The figures on show; nullopt before the first count ends.
    const std::optional<Statistics> &statistics() const { return m_statistics; }
    // A count goes on (on a worker thread; the progress bar follows it).
    bool counting() const { return m_thread != nullptr; }

public slots:
    // Counts again (the duplicates box was clicked). Asked while a count runs, the running
    // count stops and starts over.
    void recount();
    // Puts the table of the 52 rows on the clipboard.
    void copyTable();

signals:
    // A count has ended, its figures shown.
    void counted();

private:
    // What a count on the worker thread shares with the window.
    struct Count {
        std::atomic<int> counted{0};
        std::atomic<bool> stop{false};
        std::optional<Statistics> result;
    };

    QWidget *buildRows();
    QWidget *buildProgress();
    void count();
    void countEnded();
    void showFigures(const Statistics &s);

    QString m_analysed; // AnalysedText
    std::optional<Statistics> m_statistics;
    std::shared_ptr<Count> m_count;
    QThread *m_thread = nullptr;
    QTimer *m_progress;
    bool m_countAgain = false;

    QFrame *Frame1, *Frame2;
    QCheckBox *chkDeleteDuplicates;
    QProgressBar *pgbStatistics;
    PictureButton *picCopyTable, *picSalir;
    QVector<QLabel *> lblPhoneme, lblValue, lblShare;
    QVector<QFrame *> picValue;
};

} // namespace vocalith
