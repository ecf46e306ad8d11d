// The desktop program.

#include "app/paths.h"
#include "app/texts.h"
#include "app/ui/mainwindow.h"
#include "app/userfiles.h"
#include "widgets/messagebox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFontDatabase>
#include <QIcon>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vocalith"));
    QApplication::setApplicationVersion(vocalith::texts::kVersion);
    // The menu entry and icon of an installed program (their name comes from the build).
    QGuiApplication::setDesktopFileName(QStringLiteral(VOCALITH_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(VOCALITH_APP_ID)));

    QCommandLineParser parser;
    const QCommandLineOption lexicon(QStringLiteral("lexicon"), QStringLiteral("Lexicon database"),
                                     QStringLiteral("PATH"));
    const QCommandLineOption contributions(QStringLiteral("contributions"), QStringLiteral("Contribution database"),
                                           QStringLiteral("PATH"));
    parser.addOptions({lexicon, contributions});
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    vocalith::QtMessageBoxes messages;
    const vocalith::StartupPaths paths{vocalith::lexiconPath(parser.value(lexicon)),
                                       vocalith::contributionsPath(parser.value(contributions)),
                                       vocalith::settingsPath(), vocalith::workPath(), vocalith::userFiles().notice};
    vocalith::MainWindow window(paths, messages, QFontDatabase::families());
    if (!window.startUp())
        return 1;
    window.showMaximized();
    return app.exec();
}
