#pragma once
// The rhymes panel (fraRhymes): the Word tab (rhymes of a word), the Sound tab (a pattern
// with wildcards), and the result list, count label and "Add selected to Editor" they share.

#include "pronunciation/accent.h"
#include "rhymes/rhymes.h"

#include <QFrame>
#include <functional>

class QLabel;
class QLineEdit;
class QRadioButton;
class QTreeView;

namespace vocalith {

class ClickLabel;
class Connection;
class MessageBoxes;
class PictureButton;
class RhymeListModel;

class RhymesPanel : public QFrame {
    Q_OBJECT
public:
    explicit RhymesPanel(MessageBoxes &messages, QWidget *parent = nullptr);
    ~RhymesPanel() override;

    // The lexicon the searches read; without one they do nothing.
    void setLexicon(Connection *lexicon) { m_lexicon = lexicon; }
    // The accent chosen in the main window.
    void setAccent(Accent accent) { m_accent = accent; }

    // Where the focus goes when the panel is shown.
    void focusEntry();
    // The accent changed while the panel is visible: the search that filled the list runs
    // again, so the list follows the accent.
    void refresh();

public slots:
    // A click on lblRhyme of that index (0 Word, 1 Sound).
    void showTab(int index);

signals:
    // "Add selected to Editor": the text to insert at the editor's caret.
    void addTextRequested(const QString &text);

private:
    enum class Search { Word, Sound };

    QFrame *buildWordTab();
    QFrame *buildSoundTab();
    void rhymeWordClicked();
    void rhymeSoundClicked();
    void findRhymes();
    void findBySound();
    void run(Search search, const std::function<SearchResult(Connection &)> &find);
    void showResult(SearchResult result);
    void addSelected();
    RhymeType rhymeType() const;

    MessageBoxes &m_messages;
    Connection *m_lexicon = nullptr;
    Accent m_accent = Accent::BrE;
    Search m_lastSearch = Search::Word; // the search whose rows the list shows
    RhymeListModel *m_model;

    ClickLabel *lblRhyme[2];
    QFrame *fraRhyme[2];
    QLineEdit *txtRhymeWord, *txtRhymePhonetics, *txtRhymeSound;
    QRadioButton *optPerfectRhyme, *optAssonance, *optAlliteration;
    PictureButton *picRhymeWord, *picRhymeSound, *picAddRhyme;
    QTreeView *lstRhymeWords;
    QLabel *lblRhymeNumWords;
};

} // namespace vocalith
