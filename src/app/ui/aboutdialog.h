#pragma once
// The About window (frmAbout): program and lexicon versions, web site and contact. Its
// texts scroll when the window is smaller than they are.

#include "app/about.h"

#include <QDialog>

class QTableWidget;

namespace vocalith {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const AboutTexts &texts, const QVector<Contributor> &contributors, QWidget *parent = nullptr);

    // Sizes the window for a screen's available area: as wide as the thanks list's columns
    // need, as tall as its texts, but within the area, where it is placed.
    void fitTo(const QRect &area);

private:
    QWidget *m_texts;
    QTableWidget *m_list;
};

} // namespace vocalith
