#pragma once
// The contribution panel (fraHelpMe): the user's own words with their British and
// American transcriptions. It reads and writes its controls; the store does the rest.

#include <QFrame>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vocalith {

class Connection;
class DatabaseError;
class MessageBoxes;
class PictureButton;

namespace contributions {
class ContributionStore;
enum class Access;
} // namespace contributions

class ContributionPanel : public QFrame {
    Q_OBJECT
public:
    explicit ContributionPanel(MessageBoxes &messages, QWidget *parent = nullptr);
    ~ContributionPanel() override;

    QLineEdit *britishField() const { return m_bre; }
    QLineEdit *americanField() const { return m_ame; }
    // lblContribution: what the last Update db or Delete did, or why the panel is disabled.
    QLabel *notice() const { return m_notice; }
    QLabel *mail() const { return m_mail; }

    // Works on this contribution database from now on and fills the list of its words.
    void fill(Connection &connection);
    // Without a contribution database: the notice says why in the warning colour, and the
    // panel stays disabled.
    void showUnavailable(const QString &reason);

    // Asks for a file name (empty when the user cancels): the dialogs of the export and
    // import buttons, replaceable so that tests answer them.
    using FileChooser = std::function<QString(QWidget *parent)>;
    void setFileChoosers(FileChooser exportTo, FileChooser importFrom);

public slots:
    void updateWord();               // picUpdateBD
    void removeWord();               // picRemove
    void loadWord(const QString &w); // a word picked in cmbContributionList
    void exportWords();
    void importWords();

signals:
    // picTDown1 (British field) or Picture2 (American field) asks for the editor's text.
    void editorTextRequested(QLineEdit *field);

private:
    // ListContributions: the list refilled from the database, with no entry picked.
    void listContributions();
    // The failure with the file and the reason, never the statement.
    void showError(const DatabaseError &e, contributions::Access access);

    MessageBoxes &m_messages;
    std::unique_ptr<contributions::ContributionStore> m_store;
    FileChooser m_exportTo;
    FileChooser m_importFrom;

    QLabel *m_notice;
    QLabel *m_mail;
    QLineEdit *m_word;
    QLineEdit *m_bre;
    QLineEdit *m_ame;
    QComboBox *m_list;
};

} // namespace vocalith
