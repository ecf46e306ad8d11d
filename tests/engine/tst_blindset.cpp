// The blind set of sentences in context (blindset.tsv) on the generated lexicon: prints the
// share of sentences and of words transcribed exactly as the set has them, and the misses,
// and fails only below a floor.

#include "engine/driver.h"
#include "engine/render.h"
#include "testsupport.h"

using namespace vocalith;

namespace {

// The words of a rendered line, delimiters left out.
QStringList wordsOf(const QString &line) {
    QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    words.removeAll(QStringLiteral("/"));
    return words;
}

// The number of expected words found in order in the actual ones (a longest common
// subsequence), so that one word more or less does not count every later word as missed.
int wordsInOrder(const QStringList &expected, const QStringList &actual) {
    QVector<QVector<int>> best(expected.size() + 1, QVector<int>(actual.size() + 1, 0));
    for (qsizetype i = 1; i <= expected.size(); ++i)
        for (qsizetype j = 1; j <= actual.size(); ++j)
            best[i][j] =
                expected[i - 1] == actual[j - 1] ? best[i - 1][j - 1] + 1 : std::max(best[i - 1][j], best[i][j - 1]);
    return best[expected.size()][actual.size()];
}

} // namespace

class TestBlindSet : public QObject {
    Q_OBJECT

private slots:
    void exactMatches() {
        const QString path = test::binPath(QStringLiteral("VocalithDB.sqlite"));
        auto db = Connection::openReadOnly(path, schema::lexiconRequiredTables());
        QVERIFY2(db, qPrintable(path));
        Lexicon lexicon(*db);
        QFile source(
            QDir(qEnvironmentVariable("VOCALITH_SOURCE")).filePath(QStringLiteral("tests/engine/blindset.tsv")));
        QVERIFY(source.open(QIODevice::ReadOnly));
        int sentences = 0, sentencesRight = 0, words = 0, wordsRight = 0;
        for (const QString &line : QString::fromUtf8(source.readAll()).split(QLatin1Char('\n'))) {
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1String("sentence\t")))
                continue;
            const QStringList cells = line.split(QLatin1Char('\t'));
            QCOMPARE(cells.size(), 3);
            QVERIFY(cells[1] == QLatin1String("BrE") || cells[1] == QLatin1String("AmE"));
            const Accent accent = cells[1] == QLatin1String("AmE") ? Accent::AmE : Accent::BrE;
            const QString stored = Transcribe(cells[0], accent, lexicon).value_or(QString());
            const QString shown = RenderTranscription(stored, RenderOptions{}, accent).value_or(QString());
            const QStringList expected = wordsOf(cells[2]);
            ++sentences;
            words += int(expected.size());
            wordsRight += wordsInOrder(expected, wordsOf(shown));
            if (shown == cells[2])
                ++sentencesRight;
            else
                qInfo("%s %s: %s, expected %s", qPrintable(cells[1]), qPrintable(cells[0]), qPrintable(shown),
                      qPrintable(cells[2]));
        }
        QVERIFY(sentences >= 150);
        const double s = double(sentencesRight) / sentences, w = double(wordsRight) / words;
        qInfo("blindset.tsv: %d sentences, %.1f %% exact; %d words, %.1f %% exact", sentences, 100 * s, words, 100 * w);
        QVERIFY2(s >= 0.95 && w >= 0.99, "the blind set got worse");
    }
};

QTEST_GUILESS_MAIN(TestBlindSet)
#include "tst_blindset.moc"
