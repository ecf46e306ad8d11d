#include "rhymes/ui/rhymespanel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace vocalith {

RhymesPanel::RhymesPanel(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("fraRhymes"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    m_word = new QLineEdit;
    m_word->setObjectName(QStringLiteral("txtRhymeWord"));
    m_sound = new QLineEdit;
    m_sound->setObjectName(QStringLiteral("txtRhymeSound"));
    m_sound->hide();
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("lstRhymeWords"));
    layout->addWidget(m_word);
    layout->addWidget(m_sound);
    layout->addWidget(m_list, 1);
    setEnabled(false);
}

void RhymesPanel::focusEntry() { (m_word->isHidden() ? m_sound : m_word)->setFocus(); }

} // namespace vocalith
