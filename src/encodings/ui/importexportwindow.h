#pragma once
// The import and export window (frmImportOutput): the editor's text in the five notations
// on five tabs (export), or five empty tabs whose visible one is turned back into IPA and
// put into the editor (import). The tabs are the arrays of the design as named widgets:
// tab label lblTexto<i>, text box txtTexto<i>, prompt lblHelp<i> and Copy button
// picCopy<i>, i from 0 to 4.

#include <QDialog>
#include <QVector>

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QStackedWidget;

namespace vocalith {

class ClickLabel;
class PictureButton;

class ImportExportWindow : public QDialog {
    Q_OBJECT
public:
    // brailleFonts: the installed fonts offered for the Braille box, filled in once.
    ImportExportWindow(const QStringList &brailleFonts, const QString &brailleFontName, QWidget *parent = nullptr);

    // The export command: the editor's text in the five notations; shows the window.
    void openExport(const QString &editorText);
    // The import command: five empty boxes with their prompts; shows the window.
    void openImport(const QString &brailleFontName);

    bool importMode() const;

public slots:
    void selectTab(int index);
    // The visible tab's text through its import converter, handed to the editor.
    void importVisibleTab();

signals:
    // Import pressed: the new text of the editor.
    void imported(const QString &text);
    // The user chose another font for the Braille box.
    void brailleFontChanged(const QString &name);

private:
    QWidget *buildTab(int index);
    void setModeCaption(const QString &caption, bool import);
    void brailleFontEdited(const QString &name);
    void applyBrailleFont(const QString &name);

    int m_selected = 0;
    bool m_settingFont = false; // the program puts a name into the font box

    QFrame *fraText, *fraFont;
    QStackedWidget *m_pages;
    QVector<ClickLabel *> lblTexto;
    QVector<QPlainTextEdit *> txtTexto;
    QVector<QLabel *> lblHelp;
    QComboBox *cmbFont;
    PictureButton *picImport, *picSalir;
};

} // namespace vocalith
