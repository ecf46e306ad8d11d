#include "rhymes/ui/rhymespanel.h"

#include "app/messages.h"
#include "widgets/messagebox.h"
#include "widgets/picturebutton.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace vocalith {

// The two-column result list: the rows are handed over whole, so filling it costs the
// same for twenty rows as for twenty thousand.
class RhymeListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QVector<RhymeRow> rows) {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    const RhymeRow &row(int i) const { return m_rows[i]; }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid() || role != Qt::DisplayRole)
            return {};
        const RhymeRow &r = m_rows[index.row()];
        return index.column() == 0 ? r.word : r.transcription;
    }

private:
    QVector<RhymeRow> m_rows;
};

namespace {

// The hourglass for the length of a search, whichever way it ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

QFrame *makeTabFrame(const QString &name) {
    auto *f = new QFrame;
    f->setObjectName(name);
    f->setFrameShape(QFrame::NoFrame);
    return f;
}

QRadioButton *makeOption(const QString &name, const QString &caption, const QString &toolTip) {
    auto *o = new QRadioButton(caption);
    o->setObjectName(name);
    o->setToolTip(toolTip);
    return o;
}

QLabel *makeLabel(const QString &text, const QString &name = {}) {
    auto *l = new QLabel(text);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

} // namespace

RhymesPanel::RhymesPanel(MessageBoxes &messages, QWidget *parent) : QFrame(parent), m_messages(messages) {
    setObjectName(QStringLiteral("fraRhymes"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);

    QLabel *heading = makeLabel(rhymes::kHeading, QStringLiteral("lblFraRhymes"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    auto *tabs = new QHBoxLayout;
    const QString captions[2] = {rhymes::kWordTab, rhymes::kSoundTab};
    for (int i = 0; i < 2; ++i) {
        lblRhyme[i] = new ClickLabel(QStringLiteral("lblRhyme_%1").arg(i), captions[i]);
        lblRhyme[i]->setFont(bold);
        connect(lblRhyme[i], &ClickLabel::clicked, this, [this, i] { showTab(i); });
    }
    tabs->addWidget(lblRhyme[0]);
    tabs->addWidget(new QLabel(rhymes::kTabSeparator));
    tabs->addWidget(lblRhyme[1]);
    tabs->addStretch(1);
    layout->addLayout(tabs);

    fraRhyme[0] = buildWordTab();
    fraRhyme[1] = buildSoundTab();
    layout->addWidget(fraRhyme[0]);
    layout->addWidget(fraRhyme[1]);

    m_model = new RhymeListModel(this);
    lstRhymeWords = new QTreeView;
    lstRhymeWords->setObjectName(QStringLiteral("lstRhymeWords"));
    lstRhymeWords->setModel(m_model);
    lstRhymeWords->setRootIsDecorated(false);
    lstRhymeWords->setUniformRowHeights(true); // no row is measured on its own
    lstRhymeWords->setHeaderHidden(true);
    lstRhymeWords->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstRhymeWords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRhymeWords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRhymeWords->header()->resizeSection(0, fontMetrics().horizontalAdvance(QLatin1Char('m')) * 12);
    connect(lstRhymeWords, &QTreeView::doubleClicked, this, &RhymesPanel::addSelected);
    layout->addWidget(lstRhymeWords, 1);

    auto *bottom = new QHBoxLayout;
    lblRhymeNumWords = makeLabel(QString(), QStringLiteral("lblRhymeNumWords"));
    picAddRhyme = new PictureButton(QStringLiteral("picAddRhyme"), rhymes::kAddSelected);
    connect(picAddRhyme, &QToolButton::clicked, this, &RhymesPanel::addSelected);
    bottom->addWidget(lblRhymeNumWords, 1);
    bottom->addWidget(picAddRhyme);
    layout->addLayout(bottom);

    showTab(0);
}

RhymesPanel::~RhymesPanel() = default;

QFrame *RhymesPanel::buildWordTab() {
    QFrame *frame = makeTabFrame(QStringLiteral("fraRhyme_0"));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    txtRhymeWord = new QLineEdit;
    txtRhymeWord->setObjectName(QStringLiteral("txtRhymeWord"));
    picRhymeWord = new PictureButton(QStringLiteral("picRhymeWord"), rhymes::kRhyme);
    txtRhymePhonetics = new QLineEdit;
    txtRhymePhonetics->setObjectName(QStringLiteral("txtRhymePhonetics"));
    txtRhymePhonetics->setReadOnly(true);
    grid->addWidget(makeLabel(rhymes::kEnterWord), 0, 0);
    grid->addWidget(txtRhymeWord, 0, 1);
    grid->addWidget(picRhymeWord, 0, 2);
    grid->addWidget(makeLabel(rhymes::kPhonetics), 1, 0);
    grid->addWidget(txtRhymePhonetics, 1, 1, 1, 2);

    auto *group = new QGroupBox(rhymes::kRhymeType);
    auto *options = new QHBoxLayout(group);
    optPerfectRhyme = makeOption(QStringLiteral("optPerfectRhyme"), rhymes::kPerfectRhyme, rhymes::kPerfectRhymeTip);
    optAssonance = makeOption(QStringLiteral("optAssonance"), rhymes::kAssonance, rhymes::kAssonanceTip);
    optAlliteration = makeOption(QStringLiteral("optAlliteration"), rhymes::kAlliteration, rhymes::kAlliterationTip);
    optPerfectRhyme->setChecked(true);
    for (QRadioButton *o : {optPerfectRhyme, optAssonance, optAlliteration}) {
        options->addWidget(o);
        connect(o, &QRadioButton::clicked, this, &RhymesPanel::findRhymes);
    }
    grid->addWidget(group, 2, 0, 1, 3);

    connect(picRhymeWord, &QToolButton::clicked, this, &RhymesPanel::rhymeWordClicked);
    connect(txtRhymeWord, &QLineEdit::returnPressed, this, &RhymesPanel::rhymeWordClicked);
    return frame;
}

QFrame *RhymesPanel::buildSoundTab() {
    QFrame *frame = makeTabFrame(QStringLiteral("fraRhyme_1"));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    txtRhymeSound = new QLineEdit;
    txtRhymeSound->setObjectName(QStringLiteral("txtRhymeSound"));
    picRhymeSound = new PictureButton(QStringLiteral("picRhymeSound"), rhymes::kRhyme);
    grid->addWidget(makeLabel(rhymes::kEnterSound), 0, 0);
    grid->addWidget(txtRhymeSound, 0, 1);
    grid->addWidget(picRhymeSound, 0, 2);
    grid->addWidget(makeLabel(rhymes::kWildcardsHelp), 1, 0, 1, 3);
    grid->addWidget(makeLabel(rhymes::kOneSymbol), 2, 0, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(makeLabel(rhymes::kOneSymbolHelp), 2, 1, 1, 2);
    grid->addWidget(makeLabel(rhymes::kAnySymbols), 3, 0, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(makeLabel(rhymes::kAnySymbolsHelp), 3, 1, 1, 2);

    connect(picRhymeSound, &QToolButton::clicked, this, &RhymesPanel::rhymeSoundClicked);
    connect(txtRhymeSound, &QLineEdit::returnPressed, this, &RhymesPanel::rhymeSoundClicked);
    return frame;
}

// ---------------------------------------------------------------- tabs and focus

void RhymesPanel::showTab(int index) {
    for (int i = 0; i < 2; ++i) {
        fraRhyme[i]->setVisible(i == index);
        lblRhyme[i]->setCaptionColour(i == index ? rhymes::kActiveTab : rhymes::kInactiveTab);
    }
    if (index == 1)
        txtRhymeSound->setText(rhymes::kExamplePattern);
}

void RhymesPanel::focusEntry() { (fraRhyme[0]->isHidden() ? txtRhymeSound : txtRhymeWord)->setFocus(); }

void RhymesPanel::refresh() {
    if (m_lastSearch == Search::Sound)
        rhymeSoundClicked();
    else
        findRhymes();
}

// ---------------------------------------------------------------- searches

RhymeType RhymesPanel::rhymeType() const {
    if (optAssonance->isChecked())
        return RhymeType::Assonance;
    if (optAlliteration->isChecked())
        return RhymeType::Alliteration;
    return RhymeType::Perfect;
}

void RhymesPanel::rhymeWordClicked() {
    if (txtRhymeWord->text().isEmpty()) {
        m_lastSearch = Search::Word;
        showResult({SearchOutcome::NoWords, {}, QString(), rhymes::kNoWordsFound});
        return;
    }
    findRhymes();
}

void RhymesPanel::rhymeSoundClicked() {
    if (txtRhymeSound->text().isEmpty()) {
        m_lastSearch = Search::Sound;
        showResult({SearchOutcome::NoWords, {}, QString(), rhymes::kNoWordsFound});
        return;
    }
    findBySound();
}

void RhymesPanel::findRhymes() {
    const QString word = txtRhymeWord->text();
    const RhymeType type = rhymeType();
    run(Search::Word, [&](Connection &db) { return FindRhymes(word, type, m_accent, db); });
}

void RhymesPanel::findBySound() {
    const QString pattern = txtRhymeSound->text();
    run(Search::Sound, [&](Connection &db) { return FindBySound(pattern, m_accent, db); });
}

void RhymesPanel::run(Search search, const std::function<SearchResult(Connection &)> &find) {
    if (!m_lexicon)
        return;
    try {
        WaitCursor wait;
        SearchResult result = find(*m_lexicon);
        if (result.outcome != SearchOutcome::Unchanged)
            m_lastSearch = search;
        showResult(std::move(result));
    } catch (const DatabaseError &e) {
        // Nothing half-shown: an empty list and an empty label beside the message.
        showResult({SearchOutcome::NoWords, {}, QString(), QString()});
        m_messages.show(this, MessageKind::Critical, messages::kDatabaseError.arg(e.message()));
    }
}

void RhymesPanel::showResult(SearchResult result) {
    if (result.outcome == SearchOutcome::Unchanged)
        return;
    m_model->setRows(std::move(result.rows));
    if (result.phonetics)
        txtRhymePhonetics->setText(*result.phonetics);
    if (result.countLabel)
        lblRhymeNumWords->setText(*result.countLabel);
}

void RhymesPanel::addSelected() {
    const QModelIndexList selected = lstRhymeWords->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    QString transcription = m_model->row(selected.first().row()).transcription;
    emit addTextRequested(transcription.remove(QLatin1Char('/')));
}

} // namespace vocalith
