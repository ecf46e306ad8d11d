#pragma once
// The windows that work on the editor's text, owned by the main window and opened on the
// result panel's requests: Statistics, Zentab, and Import / Export.

#include <QObject>
#include <QStringList>

class QWidget;

namespace vocalith {

class ImportExportWindow;
class MessageBoxes;
class ResultPanel;
class StatisticsWindow;
class ZentabWindow;

class EditorWindows : public QObject {
    Q_OBJECT
public:
    // The windows open over `owner` and take their text from `editor`.
    EditorWindows(MessageBoxes &messages, ResultPanel *editor, QWidget *owner);

    StatisticsWindow *statistics() const { return m_statistics; }
    ZentabWindow *zentab() const { return m_zentab; }
    ImportExportWindow *importExport() const { return m_importExport; }

    // The installed fonts offered for Braille text and the font of the Braille box.
    void setBrailleFonts(const QStringList &choices, const QString &name);
    // Closes the windows that are open (the program ends).
    void closeAll();

signals:
    // The user chose another font for the Braille box (the settings are to be saved).
    void brailleFontChanged(const QString &name);

private:
    // The editor's text for a statistics window; empty, after the message, when there is none.
    QString textToCount();
    void showStatistics();
    void showZentab();
    ImportExportWindow *importExportWindow();

    MessageBoxes &m_messages;
    ResultPanel *m_editor;
    QWidget *m_owner;
    StatisticsWindow *m_statistics = nullptr;
    ZentabWindow *m_zentab = nullptr;
    ImportExportWindow *m_importExport = nullptr;
    QStringList m_brailleFonts;
    QString m_brailleFontName = QStringLiteral("Braille");
};

} // namespace vocalith
