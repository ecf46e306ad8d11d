#pragma once
// The transcription-result side of the main window (fraPhonetics): the editor txtText with
// the stored transcription it renders, the nine display options, the on-screen keyboard,
// the IPA chart and the buttons of the commands that work on the editor's text (statistics,
// Zentab, import and export), whose windows the main window opens.

#include "app/transcriptionrun.h"
#include "editor/keyboard.h"
#include "engine/render.h"
#include "pronunciation/accent.h"

#include <QFrame>
#include <QVector>
#include <optional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QVBoxLayout;

namespace vocalith {

class BoxTextFill;
class IpaChartDialog;
class KeyboardWidget;
class PictureButton;
class ShortcutFilter;

// Said on the status line when a run replaced text the user had made in the editor.
inline const QString kCorrectionsReplaced =
    QStringLiteral("The transcription replaced your corrections; Ctrl+Z brings them back.");

// What goes with the editor's text. Each step that replaces the editor's whole text keeps
// it from before and after, so that Ctrl+Z and redo bring it back with the text.
struct EditorState {
    QString stored;
    std::optional<Accent> transcriptionAccent;
    bool userText = false;
    bool keepSpacesEnabled = true;
};

class ResultPanel : public QFrame {
    Q_OBJECT
public:
    explicit ResultPanel(QWidget *parent = nullptr);

    // StoredTranscription: the raw transcription the editor shows under the display options.
    QString storedTranscription() const { return m_stored; }
    // The accent of the run that made the stored transcription; none before the first.
    std::optional<Accent> transcriptionAccent() const { return m_transcriptionAccent; }
    // A finished Transcribe run in that accent: stores and renders it (one undo step);
    // spaces can be shown again. `rendered`: its rendering as the run made it, shown when the
    // panel's options and accent are still those. A long text goes into the editor a part
    // at a time from the event loop (see BoxTextFill); meanwhile the editor takes no edits.
    // transcriptionShown() says when it is in.
    void showTranscription(const QString &stored, Accent accent,
                           const std::optional<RenderedTranscription> &rendered = std::nullopt);
    // A transcription is going into the editor.
    bool showingTranscription() const { return m_fill != nullptr; }
    // An import: the editor shows the text as it is (one undo step), and it becomes the
    // stored transcription that the display options render from now on.
    void importTranscription(const QString &text);

    RenderOptions options() const;
    // Puts saved options into the boxes (no rendering, no optionsChanged).
    void setOptions(const RenderOptions &options);
    // The accent the renderer uses; intrusive r is offered for British English only.
    void setAccent(Accent accent);
    // The font of the editor and of the keyboard's faces.
    void setEditorFont(const QFont &font);

    // The editor's whole text, line breaks as CR LF.
    QString editorText() const;
    // Inserts text at the editor's caret, replacing its selection (AddText).
    void addText(const QString &text);

    const RecentSymbols &recentSymbols() const { return m_recent; }
    IpaChartDialog *chart() const { return m_chart; }
    // Closes the chart (the program ends).
    void closeWindows();

    // The work of an earlier session: the stored transcription and the editor's text as
    // they were (not rendered again), and the recently used symbols.
    void restoreWork(const QString &stored, const QString &editorText, std::optional<Accent> transcriptionAccent,
                     const RecentSymbols &recent);
    // The font family of the editor (the HTML page of a saved transcription names it).
    QString editorFontFamily() const { return m_faceFamily; }

public slots:
    // Renders the stored transcription into the editor (one undo step).
    void renderEditor();
    void openChart();

signals:
    // A display option was clicked (the settings are to be saved).
    void optionsChanged();
    // The user changed the editor's text (typing, keyboard, chart).
    void edited();
    // The editor's text or the recent symbols changed, whatever the cause (the work in
    // progress is to be saved).
    void workChanged();
    // "Save transcription…" was clicked.
    void saveRequested();
    // Undo or redo brought back the stored transcription of a whole-editor step.
    void stateRestored();
    // A transcription is in the editor (showTranscription). `replacedUserText`: it replaced
    // text the user made (a hand edit or an import), which Ctrl+Z brings back.
    void transcriptionShown(bool replacedUserText);
    // The buttons of the commands whose windows work on the editor's text.
    void statisticsRequested();
    void zentabRequested();
    void exportRequested();
    void importRequested();

private:
    void buildOptions(QVBoxLayout *layout);
    void setEditorText(const QString &text);
    // Puts text into the editor as one undo step that leaves `after` as the state; a text
    // the editor already shows is no step (false), and `after` is set at once.
    bool replaceEditorText(const QString &text, const EditorState &after);
    EditorState currentState() const;
    void applyState(const EditorState &state);
    void editorChanged();
    void optionClicked(QCheckBox *box);
    void chartSymbolPicked(int index);
    void updatePunctuationTip();

    QString m_stored;
    std::optional<Accent> m_transcriptionAccent;
    bool m_userText = false;             // the stored transcription holds a hand edit or an import
    std::optional<EditorState> m_undone; // from an undone or redone step, for editorChanged
    RecentSymbols m_recent;
    Accent m_accent = Accent::BrE;
    QString m_faceFamily;
    bool m_rendering = false; // the editor's text is being set by the program

    PictureButton *picSaveTranscription;
    PictureButton *picClearPhonetics, *picStatistics, *picZentab, *picImport, *picExport;
    QPlainTextEdit *txtText;
    QLabel *lblTextoAyuda;
    QCheckBox *chkKeepSpaces, *chkPunctuation, *chkSyllables, *chkIntrusiveR;
    QVector<QCheckBox *> m_optionBoxes; // the nine, in settings order
    KeyboardWidget *m_keyboard;
    ShortcutFilter *m_shortcuts;
    IpaChartDialog *m_chart = nullptr;
    BoxTextFill *m_fill = nullptr; // a transcription going into the editor
};

} // namespace vocalith
