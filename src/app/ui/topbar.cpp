#include "app/ui/topbar.h"

#include "app/texts.h"
#include "widgets/picturebutton.h"

#include <QHBoxLayout>
#include <QLabel>

namespace vocalith {

namespace {

QLabel *makeLabel(const QString &name, const QString &text) {
    auto *l = new QLabel(text);
    l->setObjectName(name);
    return l;
}

} // namespace

TopBar::TopBar(QWidget *parent) : QWidget(parent) {
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    picTranscription = new PictureButton(QStringLiteral("picTranscription"), texts::kTranscriptionPanel);
    picRhymes = new PictureButton(QStringLiteral("picRhymes"), texts::kRhymesPanel);
    picUpdate = new PictureButton(QStringLiteral("picUpdate"), texts::kUpdatePanel);
    picLanguage = new PictureButton(QStringLiteral("picLanguage"), QString());
    lblBrE = new ClickLabel(QStringLiteral("lblBrE"), texts::kBrE);
    lblAme = new ClickLabel(QStringLiteral("lblAme"), texts::kAmE);
    auto *accentCaptions = new QHBoxLayout(picLanguage);
    accentCaptions->setContentsMargins(8, 0, 8, 0);
    accentCaptions->addWidget(lblBrE);
    accentCaptions->addWidget(makeLabel(QStringLiteral("lblAccentSeparator"), QStringLiteral("/")));
    accentCaptions->addWidget(lblAme);
    picLanguage->setMinimumWidth(100);
    const std::pair<PictureButton *, Panel> panels[] = {{picTranscription, Panel::Transcription},
                                                        {picRhymes, Panel::Rhymes},
                                                        {picUpdate, Panel::Update},
                                                        {picLanguage, Panel::Language}};
    for (const auto &[button, panel] : panels) {
        button->setMinimumHeight(30);
        row->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, p = panel] { emit panelRequested(p); });
    }
    connect(lblBrE, &ClickLabel::clicked, this, [this] { emit accentRequested(Accent::BrE); });
    connect(lblAme, &ClickLabel::clicked, this, [this] { emit accentRequested(Accent::AmE); });

    row->addStretch(1);
    QLabel *lblWebSite = makeLabel(QStringLiteral("lblWebSite"), texts::kWebSite);
    lblWebSite->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(lblWebSite);
    picAbout = new PictureButton(QStringLiteral("picAbout"), texts::kAbout);
    picExit = new PictureButton(QStringLiteral("picExit"), texts::kExit);
    row->addWidget(picAbout);
    row->addWidget(picExit);
    connect(picAbout, &QToolButton::clicked, this, &TopBar::aboutRequested);
    connect(picExit, &QToolButton::clicked, this, &TopBar::exitRequested);
}

void TopBar::showPanels(const PanelState &state) {
    const std::pair<PictureButton *, PanelCaption> captions[] = {{picTranscription, PanelCaption::Transcription},
                                                                 {picRhymes, PanelCaption::Rhymes},
                                                                 {picUpdate, PanelCaption::Update}};
    for (const auto &[button, which] : captions)
        button->setCaptionColour(state.captionActive(which) ? texts::kActiveCaption : texts::kInactiveCaption);
    PictureButton *const buttons[] = {picTranscription, picRhymes, picUpdate, picLanguage};
    for (size_t p = 0; p < std::size(buttons); ++p)
        buttons[p]->setTag(state.tags[p]);
}

void TopBar::showAccent(Accent accent) {
    const bool american = accent == Accent::AmE;
    lblBrE->setCaptionColour(american ? texts::kInactiveCaption : texts::kActiveCaption);
    lblAme->setCaptionColour(american ? texts::kActiveCaption : texts::kInactiveCaption);
}

} // namespace vocalith
