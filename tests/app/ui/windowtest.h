#pragma once
// What the main window's test programs share: a window started on the engine's fixture
// lexicon with the user's files in a temporary folder, its controls by name, clicks that
// wait for a Transcribe they start, and the saved settings.

#include "app/ui/mainwindow.h"
#include "testsupport.h"
#include "widgets/messagebox.h"

#include <QAbstractButton>
#include <QDomDocument>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace vocalith::test {

// Message boxes answered at once; what they said is kept.
struct KindedMessages : MessageBoxes {
    QList<std::pair<MessageKind, QString>> shown;
    void show(QWidget *, MessageKind kind, const QString &text) override { shown.append({kind, text}); }
};

inline const QStringList kWindowFonts = {"DejaVu Sans", "Charis SIL"};

class WindowTest {
protected:
    QTemporaryDir *m_dir = nullptr;
    KindedMessages m_messages;
    std::unique_ptr<MainWindow> m_window;

    StartupPaths paths() const {
        return {m_dir->filePath("VocalithDB.sqlite"), m_dir->filePath("ContributionDB.sqlite"),
                m_dir->filePath("vocalith.xml"), m_dir->filePath("work.json")};
    }

    // For init(): a folder with a copy of the fixture lexicon.
    void prepare() {
        m_dir = new QTemporaryDir;
        [&] { QVERIFY(QFile::copy(fixturePath("engine"), paths().lexicon)); }();
        m_messages.shown.clear();
    }
    // For cleanup().
    void tidy() {
        m_window.reset();
        delete m_dir;
    }

    MainWindow &start(const QString &settingsPath = {}) {
        StartupPaths p = paths();
        if (!settingsPath.isEmpty())
            p.settings = settingsPath;
        m_window = std::make_unique<MainWindow>(p, m_messages, kWindowFonts);
        const bool started = m_window->startUp();
        [&] { QVERIFY(started); }();
        return *m_window;
    }

    template <typename T = QWidget>
    T *get(const char *name) const {
        return child<T>(m_window.get(), QString::fromLatin1(name));
    }
    // The Transcribe run a step starts runs on a worker thread: the step waits until its
    // result is in the editor.
    template <typename Step>
    void andWaitForARun(Step step) const {
        test::andWaitForARun(*m_window, step);
    }
    void click(const char *name) const {
        andWaitForARun([&] { get<QAbstractButton>(name)->click(); });
    }
    void transcribe(const QString &text) const {
        get<QPlainTextEdit>("txtWords")->setPlainText(text);
        click("picGo");
    }
    QString editor() const { return get<QPlainTextEdit>("txtText")->toPlainText(); }

    // Exactly one message box was shown, of this kind, with a text starting so.
    void oneMessage(MessageKind kind, const QString &start) const {
        QCOMPARE(m_messages.shown.size(), 1);
        QVERIFY(m_messages.shown[0].first == kind);
        QVERIFY2(m_messages.shown[0].second.startsWith(start), qPrintable(m_messages.shown[0].second));
    }

    // An attribute of the saved settings file ("editor", "slash"; "" for the root element).
    QString saved(const QString &element, const QString &attribute) const {
        QFile f(paths().settings);
        QDomDocument doc;
        if (!f.open(QIODevice::ReadOnly) || !doc.setContent(&f))
            return QStringLiteral("<unreadable>");
        const QDomElement root = doc.documentElement();
        return (element.isEmpty() ? root : root.firstChildElement(element)).attribute(attribute);
    }

    void showActive() const {
        m_window->show();
        [&] { QVERIFY(QTest::qWaitForWindowActive(m_window.get())); }();
    }
};

} // namespace vocalith::test
