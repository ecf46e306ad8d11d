// The rhymes panel filling its list with every visible word of a lexicon (a sound search
// for "*"): the search alone, then the search with the list filled and painted. Medians
// of five runs.
//   rhymes-panel-bench LEXICON

#include "rhymes/ui/rhymespanel.h"
#include "engine/lexicon/schema.h"
#include "widgets/messagebox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <cstdio>

using namespace vocalith;

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    auto db = argc == 2 ? Connection::openReadOnly(argv[1], schema::lexiconRequiredTables()) : nullptr;
    if (!db) {
        std::fprintf(stderr, "usage: rhymes-panel-bench LEXICON\n");
        return 2;
    }
    QtMessageBoxes messages;
    RhymesPanel panel(messages);
    panel.setLexicon(db.get());
    panel.resize(500, 700);
    panel.show();
    QApplication::processEvents();
    panel.findChild<QLineEdit *>(QStringLiteral("txtRhymeSound"))->setText(QStringLiteral("*"));
    auto *rhyme = panel.findChild<QToolButton *>(QStringLiteral("picRhymeSound"));

    qsizetype rows = 0;
    std::vector<qint64> search, shown;
    QElapsedTimer timer;
    for (int run = 0; run < 5; ++run) {
        timer.start();
        rows = FindBySound(QStringLiteral("*"), Accent::BrE, *db).rows.size();
        search.push_back(timer.restart());
        rhyme->click();
        panel.repaint();
        shown.push_back(timer.elapsed());
    }
    std::sort(search.begin(), search.end());
    std::sort(shown.begin(), shown.end());
    std::printf("panel: %lld rows; search alone %lld ms; search, list filled and painted %lld ms\n",
                static_cast<long long>(rows), static_cast<long long>(search[2]), static_cast<long long>(shown[2]));
    return 0;
}
