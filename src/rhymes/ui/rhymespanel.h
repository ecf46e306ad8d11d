#pragma once
// The rhymes panel (fraRhymes). Its searches come in a later version; the frame, the
// word and sound boxes and the result list are here so that the main window can show it.

#include <QFrame>

class QLineEdit;
class QListWidget;

namespace vocalith {

class RhymesPanel : public QFrame {
    Q_OBJECT
public:
    explicit RhymesPanel(QWidget *parent = nullptr);

    // Where the focus goes when the panel is shown.
    void focusEntry();
    // The accent changed while the panel is visible: search again.
    void refresh() {}

private:
    QLineEdit *m_word;
    QLineEdit *m_sound;
    QListWidget *m_list;
};

} // namespace vocalith
