#include "app/ui/editorwindows.h"

#include "editor/ui/resultpanel.h"
#include "encodings/ui/importexportwindow.h"
#include "statistics/statistics.h"
#include "statistics/ui/statisticswindow.h"
#include "statistics/ui/zentabwindow.h"
#include "widgets/messagebox.h"

#include <initializer_list>

namespace vocalith {

EditorWindows::EditorWindows(MessageBoxes &messages, ResultPanel *editor, QWidget *owner)
    : QObject(owner), m_messages(messages), m_editor(editor), m_owner(owner) {
    connect(editor, &ResultPanel::statisticsRequested, this, &EditorWindows::showStatistics);
    connect(editor, &ResultPanel::zentabRequested, this, &EditorWindows::showZentab);
    connect(editor, &ResultPanel::exportRequested, this,
            [this] { importExportWindow()->openExport(m_editor->editorText()); });
    connect(editor, &ResultPanel::importRequested, this,
            [this] { importExportWindow()->openImport(m_brailleFontName); });
}

QString EditorWindows::textToCount() {
    const QString text = m_editor->editorText();
    if (text.isEmpty())
        m_messages.show(m_owner, MessageKind::Information, statistics::kTextBoxEmpty);
    return text;
}

void EditorWindows::showStatistics() {
    const QString text = textToCount();
    if (text.isEmpty())
        return;
    if (!m_statistics)
        m_statistics = new StatisticsWindow(m_owner);
    m_statistics->present(analysedText(text), m_editor->options().keepSpaces);
}

void EditorWindows::showZentab() {
    const QString text = textToCount();
    if (text.isEmpty())
        return;
    if (!m_zentab)
        m_zentab = new ZentabWindow(m_messages, m_owner);
    m_zentab->present(analysedText(text));
}

void EditorWindows::setBrailleFonts(const QStringList &choices, const QString &name) {
    m_brailleFonts = choices;
    m_brailleFontName = name;
}

ImportExportWindow *EditorWindows::importExportWindow() {
    if (!m_importExport) {
        m_importExport = new ImportExportWindow(m_brailleFonts, m_brailleFontName, m_owner);
        connect(m_importExport, &ImportExportWindow::imported, m_editor, &ResultPanel::importTranscription);
        connect(m_importExport, &ImportExportWindow::brailleFontChanged, this, [this](const QString &name) {
            m_brailleFontName = name;
            emit brailleFontChanged(name);
        });
    }
    return m_importExport;
}

void EditorWindows::closeAll() {
    for (QWidget *w : std::initializer_list<QWidget *>{m_statistics, m_zentab, m_importExport})
        if (w)
            w->close();
}

} // namespace vocalith
