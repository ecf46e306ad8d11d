// Panel switching: frames, caption colours and tags of the four panel buttons.

#include "app/panels.h"

#include <QtTest>

using namespace vocalith;

namespace {

// Frames as "T P H R L" letters of the visible ones, captions as "t r u" of the lit ones.
QString frames(const PanelState &s) {
    QString out;
    const char letters[] = "TPHRL";
    for (int f = 0; f < 5; ++f)
        if (s.frames[size_t(f)])
            out += QLatin1Char(letters[f]);
    return out;
}

QString captions(const PanelState &s) {
    QString out;
    const char letters[] = "tru";
    for (int c = 0; c < 3; ++c)
        if (s.captions[size_t(c)])
            out += QLatin1Char(letters[c]);
    return out;
}

QString tags(const PanelState &s) { return s.tags[0] + s.tags[1] + s.tags[2] + s.tags[3]; }

} // namespace

Q_DECLARE_METATYPE(vocalith::Panel)

class TestPanels : public QObject {
    Q_OBJECT
private slots:
    void initial() {
        const PanelState s = initialPanelState();
        QCOMPARE(frames(s), QStringLiteral("TP"));
        QCOMPARE(captions(s), QStringLiteral("t"));
        QCOMPARE(tags(s), QStringLiteral("1000"));
    }

    void sequence_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("frames");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<QString>("tags");
        const int T = int(Panel::Transcription), R = int(Panel::Rhymes), U = int(Panel::Update),
                  L = int(Panel::Language);
        QTest::newRow("rhymes") << QList<int>{R} << "PR" << "r" << "0100";
        QTest::newRow("rhymes then update") << QList<int>{R, U} << "PH" << "u" << "0010";
        QTest::newRow("update then accent keeps colours") << QList<int>{U, L} << "PL" << "u" << "0001";
        QTest::newRow("accent then transcription") << QList<int>{L, T} << "TP" << "t" << "1000";
        QTest::newRow("active transcription") << QList<int>{T} << "TP" << "t" << "1000";
        QTest::newRow("active rhymes twice") << QList<int>{R, R} << "PR" << "r" << "0100";
        QTest::newRow("round") << QList<int>{R, U, L, R, T} << "TP" << "t" << "1000";
    }

    void sequence() {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, frames);
        QFETCH(QString, captions);
        QFETCH(QString, tags);
        PanelState s = initialPanelState();
        for (int c : clicks)
            switchPanel(s, Panel(c));
        QCOMPARE(::frames(s), frames);
        QCOMPARE(::captions(s), captions);
        QCOMPARE(::tags(s), tags);
    }

    void activePanelIsNoOp() {
        PanelState s = initialPanelState();
        switchPanel(s, Panel::Rhymes);
        s.frames[size_t(PanelFrame::Phonetics)] = false; // whatever the frames show now
        const PanelState before = s;
        QVERIFY(!switchPanel(s, Panel::Rhymes));
        QVERIFY(s == before);
    }

    void tagReading_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("on");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("00") << "00" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("text") << "x" << false;
        QTest::newRow("2") << "2" << true;
    }

    void tagReading() {
        QFETCH(QString, tag);
        QFETCH(bool, on);
        QCOMPARE(tagIsOn(tag), on);
    }
};

QTEST_GUILESS_MAIN(TestPanels)
#include "tst_panels.moc"
