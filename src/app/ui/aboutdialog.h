#pragma once
// The About window (frmAbout): program and lexicon versions, web site and contact.

#include "app/about.h"

#include <QDialog>

namespace vocalith {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const AboutTexts &texts, const QVector<Contributor> &contributors, QWidget *parent = nullptr);
};

} // namespace vocalith
