#pragma once
// The work in progress kept between sessions (work.json): the input text, the stored
// transcription with its accent, the editor's text and the recently used symbols. Restored
// at start-up, saved a few seconds after a change and when the program closes.

#include <QObject>
#include <QString>

class QTimer;

namespace vocalith {

class InputPanel;
class ResultPanel;

class WorkKeeper : public QObject {
    Q_OBJECT
public:
    // No work is kept when the path is empty.
    WorkKeeper(QString path, InputPanel *input, ResultPanel *editor, QObject *parent = nullptr);

    // Puts the saved work into the boxes; changes from then on are saved. A file that
    // cannot be read is set aside: the text for the status line says so (empty otherwise).
    QString restore();
    // Writes the work now when it changed since the last save; false with the reason when
    // that failed.
    bool save(QString *error = nullptr);
    // How long after its first unsaved change the work is saved.
    void setSaveDelay(int milliseconds);

signals:
    // A save after a change failed (the previous file is as it was).
    void saveFailed(const QString &message);

private:
    void changed();

    QString m_path;
    InputPanel *m_input;
    ResultPanel *m_editor;
    QTimer *m_timer;
    bool m_changed = false; // since the last save
};

} // namespace vocalith
