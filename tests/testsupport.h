#pragma once
// Helpers shared by the tests: fixture lexicons, the built executables, temporary files and,
// for the window tests, message boxes that record, children by name and a started main window.

#include "engine/lexicon/schema.h"
#include "storage/database.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace vocalith::test {

inline QString fixturePath(const QString &name) {
    return QDir(qEnvironmentVariable("VOCALITH_FIXTURES")).filePath(name + QStringLiteral(".sqlite"));
}

inline std::unique_ptr<Connection> openFixture(const QString &name) {
    return Connection::openReadOnly(fixturePath(name), schema::lexiconRequiredTables());
}

inline QString binPath(const QString &program) { return QDir(qEnvironmentVariable("VOCALITH_BIN")).filePath(program); }

// Writes the bytes to a new file and returns its path.
inline QString writeFile(const QString &path, const QByteArray &content) {
    QFile f(path);
    [&] { QVERIFY2(f.open(QIODevice::WriteOnly) && f.write(content) == content.size(), qPrintable(path)); }();
    return path;
}

} // namespace vocalith::test

#ifdef QT_WIDGETS_LIB
#include "app/ui/mainwindow.h"
#include "widgets/messagebox.h"

#include <QSignalSpy>

namespace vocalith::test {

// Message boxes that record what they would show; a question gets `answer`.
struct RecordedMessages : MessageBoxes {
    QStringList shown, asked;
    bool answer = false;
    void show(QWidget *, MessageKind, const QString &text) override { shown << text; }
    bool question(QWidget *, const QString &text) override {
        asked << text;
        return answer;
    }
};

// The child of parent with that object name; the test fails when there is none.
template <typename T = QWidget>
T *child(const QObject *parent, const QString &name) {
    T *w = parent ? parent->findChild<T *>(name) : nullptr;
    [&] { QVERIFY2(w, qPrintable(name)); }();
    return w;
}

// A main window started on a lexicon, with the user's files (contributions, settings) in dir.
inline std::unique_ptr<MainWindow> startMainWindow(const QString &lexicon, const QTemporaryDir &dir,
                                                   MessageBoxes &messages, const QStringList &fonts = {}) {
    auto window =
        std::make_unique<MainWindow>(StartupPaths{lexicon, dir.filePath(QStringLiteral("ContributionDB.sqlite")),
                                                  dir.filePath(QStringLiteral("vocalith.xml"))},
                                     messages, fonts);
    [&] { QVERIFY(window->startUp()); }();
    return window;
}

// Takes a step and, when it started a Transcribe (which runs on a worker thread), waits until
// the run's result is in the editor.
template <typename Step>
void andWaitForARun(MainWindow &window, Step step) {
    QSignalSpy ended(&window, &MainWindow::transcriptionEnded);
    step();
    if (window.transcribing())
        [&] { QVERIFY(ended.wait(30000)); }();
}

} // namespace vocalith::test
#endif
