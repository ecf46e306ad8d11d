// The desktop program.

#include "app/paths.h"
#include "app/ui/mainwindow.h"
#include "widgets/messagebox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFontDatabase>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vocalith"));

    QCommandLineParser parser;
    const QCommandLineOption lexicon(QStringLiteral("lexicon"), QStringLiteral("Lexicon database"),
                                     QStringLiteral("PATH"));
    const QCommandLineOption contributions(QStringLiteral("contributions"), QStringLiteral("Contribution database"),
                                           QStringLiteral("PATH"));
    parser.addOptions({lexicon, contributions});
    parser.addHelpOption();
    parser.process(app);

    vocalith::QtMessageBoxes messages;
    const vocalith::StartupPaths paths{vocalith::lexiconPath(parser.value(lexicon)),
                                       vocalith::contributionsPath(parser.value(contributions)),
                                       vocalith::settingsPath(), vocalith::workPath()};
    vocalith::MainWindow window(paths, messages, QFontDatabase::families());
    if (!window.startUp())
        return 1;
    window.showMaximized();
    return app.exec();
}
