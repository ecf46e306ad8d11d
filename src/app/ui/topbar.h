#pragma once
// The row above the panels: the four panel buttons (the fourth carries the accent captions
// BrE / AmE), the web site, About and Exit.

#include "app/panels.h"
#include "pronunciation/accent.h"

#include <QWidget>

namespace vocalith {

class ClickLabel;
class PictureButton;

class TopBar : public QWidget {
    Q_OBJECT
public:
    explicit TopBar(QWidget *parent = nullptr);

    // The panel buttons' caption colours and Tags.
    void showPanels(const PanelState &state);
    // The accent captions: the chosen one lit.
    void showAccent(Accent accent);

signals:
    void panelRequested(Panel panel);
    void accentRequested(Accent accent);
    void aboutRequested();
    void exitRequested();

private:
    PictureButton *picTranscription, *picRhymes, *picUpdate, *picLanguage, *picAbout, *picExit;
    ClickLabel *lblBrE, *lblAme;
};

} // namespace vocalith
