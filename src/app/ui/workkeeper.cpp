#include "app/ui/workkeeper.h"

#include "app/textfiles.h"
#include "storage/files.h"
#include "app/ui/inputpanel.h"
#include "app/work.h"
#include "editor/ui/resultpanel.h"
#include "widgets/textbox.h"

#include <QPlainTextEdit>
#include <QTimer>

namespace vocalith {

namespace {

// The work in progress is saved this long after its first unsaved change.
constexpr int kWorkSaveDelayMs = 3000;

} // namespace

WorkKeeper::WorkKeeper(QString path, InputPanel *input, ResultPanel *editor, QObject *parent)
    : QObject(parent), m_path(std::move(path)), m_input(input), m_editor(editor) {
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(kWorkSaveDelayMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        QString error;
        if (!save(&error))
            emit saveFailed(kWorkNotSaved.arg(error));
    });
}

void WorkKeeper::setSaveDelay(int milliseconds) { m_timer->setInterval(milliseconds); }

QString WorkKeeper::restore() {
    if (m_path.isEmpty())
        return {};
    QString status;
    const WorkRead read = readWork(m_path);
    if (read.state == WorkFileState::Damaged) {
        // Set aside, so that the next save does not write over what may still be saved by hand.
        status = setAsideDamaged(m_path, read.reason, kWorkDamagedKept, kWorkDamaged);
    } else if (read.state == WorkFileState::Read) {
        setBoxText(m_input->box(), read.work.input);
        m_editor->restoreWork(read.work.stored, read.work.editor, read.work.transcriptionAccent, read.work.recent);
    }
    // Changes from here on are the user's.
    connect(m_input->box(), &QPlainTextEdit::textChanged, this, &WorkKeeper::changed);
    connect(m_editor, &ResultPanel::workChanged, this, &WorkKeeper::changed);
    return status;
}

void WorkKeeper::changed() {
    m_changed = true;
    if (!m_timer->isActive())
        m_timer->start();
}

bool WorkKeeper::save(QString *error) {
    m_timer->stop();
    if (m_path.isEmpty() || !m_changed)
        return true;
    WorkInProgress work;
    work.input = m_input->text();
    work.stored = m_editor->storedTranscription();
    work.transcriptionAccent = m_editor->transcriptionAccent();
    work.editor = m_editor->editorText();
    work.recent = m_editor->recentSymbols();
    if (!writeWork(m_path, work, error))
        return false;
    m_changed = false;
    return true;
}

} // namespace vocalith
