#include "statistics/ui/zentabwindow.h"

#include "statistics/statistics.h"
#include "statistics/zentab.h"
#include "widgets/messagebox.h"
#include "widgets/picturebutton.h"
#include "widgets/textbox.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <exception>

namespace vocalith {

namespace {

QString askForTsvFile(QWidget *parent) {
    QString path = QFileDialog::getSaveFileName(parent, statistics::kSaveAsTitle, QString(), statistics::kTsvFilter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + statistics::kTsvSuffix;
    return path;
}

} // namespace

ZentabWindow::ZentabWindow(MessageBoxes &messages, QWidget *parent)
    : QDialog(parent), m_messages(messages), m_build(zentabReport), m_choose(askForTsvFile) {
    setObjectName(QStringLiteral("frmZentab"));
    setWindowTitle(statistics::kZentabCaption);
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    txtStatistics = new QPlainTextEdit;
    txtStatistics->setObjectName(QStringLiteral("txtStatistics"));
    txtStatistics->setReadOnly(true);
    txtStatistics->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(txtStatistics, 1);
    auto *buttons = new QHBoxLayout;
    picSaveAs = new PictureButton(QStringLiteral("picSaveAs"), statistics::kSaveAs);
    buttons->addStretch(1);
    buttons->addWidget(picSaveAs);
    layout->addLayout(buttons);
    connect(picSaveAs, &QToolButton::clicked, this, &ZentabWindow::saveAs);
    resize(720, 360);
}

void ZentabWindow::present(const QString &analysedText) {
    m_analysed = analysedText;
    refresh(); // also when the window system does not activate the window
    show();
    raise();
    activateWindow();
}

bool ZentabWindow::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate)
        refresh();
    return QDialog::event(event);
}

void ZentabWindow::refresh() {
    try {
        const QString report = m_build(m_analysed);
        m_report = report;
        setBoxText(txtStatistics, report);
    } catch (const std::exception &e) {
        m_messages.show(this, MessageKind::Plain, statistics::kReportError.arg(QString::fromLocal8Bit(e.what())));
    }
}

bool ZentabWindow::saveAs() {
    const QString path = m_choose(this);
    return !path.isEmpty() && saveTo(path);
}

bool ZentabWindow::saveTo(const QString &path) {
    QString message;
    if (saveZentabReport(path, m_report, &message))
        return true;
    m_messages.show(this, MessageKind::Critical, message);
    return false;
}

} // namespace vocalith
