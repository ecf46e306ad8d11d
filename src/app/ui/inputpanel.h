#pragma once
// The input side of the transcription panel (fraText): the box txtWords with its commands
// (Clear text, Open text…, Remove CR, Transcribe), the options of a run (the user's words,
// guesses) and the font frame fraFont, whose choices apply to both boxes.

#include "app/settings.h"

#include <QFrame>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace vocalith {

class MessageBoxes;
class PictureButton;

class InputPanel : public QFrame {
    Q_OBJECT
public:
    explicit InputPanel(MessageBoxes &messages, QWidget *parent = nullptr);

    QPlainTextEdit *box() const { return txtWords; }
    // The box's text with CR LF line breaks.
    QString text() const;
    bool useMyWords() const;
    bool guessUnknown() const;
    // Without a word list of the user's, the box that asks for it stays off.
    void disableMyWords();
    // While a run goes on, Transcribe waits.
    void setRunning(bool running);

    // The panel's part of the settings: the font and the options of a run. Putting them
    // into the controls saves and applies nothing.
    void readSettings(const Settings &settings);
    void writeSettings(Settings &settings) const;
    // The font the controls choose, taken by the box; both boxes show it.
    QFont applyFont();

public slots:
    void removeCarriageReturns();

signals:
    void transcribeRequested();
    void openTextRequested();
    // The font changed (fontChanged with the new font) or an option of a run was clicked:
    // the settings are to be saved.
    void fontChanged(const QFont &font);
    void optionsChanged();

private:
    QWidget *buildFontFrame();
    void fontSizeEdited();
    void toggleStyle(PictureButton *button);
    void fontControlChanged();

    MessageBoxes &m_messages;
    QString m_appliedFontSize; // the size box's last valid text
    bool m_loading = false;    // settings are being put into the controls

    QPlainTextEdit *txtWords;
    PictureButton *picClear, *picRemoveCRLF, *picGo, *picOpenText;
    PictureButton *picNegrita, *picItalic, *picUnderline;
    QLabel *lblF5;
    QCheckBox *chkUseMyWords, *chkGuessUnknown;
    QFrame *fraFont;
    QComboBox *cmbFont, *cmbFontSize;
};

} // namespace vocalith
