#include "app/ui/filecommands.h"

#include "app/textfiles.h"
#include "editor/addtext.h"
#include "widgets/messagebox.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>

namespace vocalith {

namespace {

// The one local file of a drag, or an empty text.
QString droppedFile(const QMimeData *data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

} // namespace

FileCommands::FileCommands(MessageBoxes &messages, QPlainTextEdit *input, QObject *parent)
    : QObject(parent), m_messages(messages), m_input(input) {
    m_openFrom = [](QWidget *owner) {
        return QFileDialog::getOpenFileName(owner, kOpenTextCaption, QString(), kOpenTextFilter);
    };
    m_saveTo = [](QWidget *owner) {
        QString filter = kTextFilter;
        QString path = QFileDialog::getSaveFileName(owner, kSaveTranscriptionCaption, QString(),
                                                    kTextFilter + QStringLiteral(";;") + kHtmlFilter, &filter);
        // A name typed without its ending gets the one of the chosen kind.
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += filter == kHtmlFilter ? QStringLiteral(".html") : QStringLiteral(".txt");
        return path;
    };
}

void FileCommands::setFileChoosers(FileChooser openFrom, FileChooser saveTo) {
    m_openFrom = std::move(openFrom);
    m_saveTo = std::move(saveTo);
}

bool FileCommands::openFile(const QString &path) {
    const TextFileRead read = readTextFile(path);
    if (!read.text) {
        m_messages.show(m_input->window(), MessageKind::Information, read.error);
        return false;
    }
    QTextCursor all(m_input->document());
    all.select(QTextCursor::Document);
    all.insertText(programToBoxText(*read.text));
    m_input->setTextCursor(QTextCursor(m_input->document()));
    m_input->setFocus();
    return true;
}

void FileCommands::openText() {
    const QString path = m_openFrom(m_input->window());
    if (!path.isEmpty())
        openFile(path);
}

void FileCommands::saveTranscription(const QString &editorText, const QString &fontFamily) {
    const QString path = m_saveTo(m_input->window());
    if (path.isEmpty())
        return;
    QString message;
    if (!writeTranscription(path, editorText, fontFamily, &message))
        m_messages.show(m_input->window(), MessageKind::Critical, message);
}

InputBoxFilter::InputBoxFilter(QPlainTextEdit *input, FileCommands *files)
    : QObject(input), m_input(input), m_files(files) {
    input->setTabChangesFocus(true);
    input->installEventFilter(this);
    input->viewport()->installEventFilter(this);
}

bool InputBoxFilter::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_input) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier) {
                m_input->insertPlainText(QStringLiteral("\t"));
                return true;
            }
        }
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (!droppedFile(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = droppedFile(drop->mimeData());
        if (!path.isEmpty()) {
            drop->acceptProposedAction();
            m_files->openFile(path);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vocalith
