// A compiled chain gives exactly what running its rules one after another gives.

#include "encodings/compiledchain.h"
#include "encodings/reference.h"

#include <QtTest>
#include <string>

using namespace vocalith;
using namespace vocalith::test;
using namespace Qt::StringLiterals;

namespace {

struct RandomChain {
    std::vector<std::u16string> storage;
    std::vector<Replacement> rules;
};

// Keys over "abc"; replacements over `alphabet` (which may hold key letters) or empty.
RandomChain randomChain(QRandomGenerator &random, const QString &alphabet, bool allowEmpty) {
    RandomChain chain;
    const int count = 1 + int(random.bounded(8));
    chain.storage.reserve(size_t(2 * count));
    auto word = [&](const QString &letters, int minLength) {
        std::u16string w;
        for (int k = minLength + int(random.bounded(3)); k > 0; --k)
            w += letters[int(random.bounded(qsizetype(letters.size())))].unicode();
        return w;
    };
    for (int r = 0; r < count; ++r) {
        chain.storage.push_back(word(u"abc"_s, 1));
        chain.storage.push_back(word(alphabet, allowEmpty ? 0 : 1));
    }
    for (size_t k = 0; k < chain.storage.size(); k += 2)
        chain.rules.push_back({chain.storage[k].c_str(), chain.storage[k + 1].c_str()});
    return chain;
}

} // namespace

class TestCompiledChain : public QObject {
    Q_OBJECT

private slots:
    void sameAsApplyChain_data() {
        QTest::addColumn<QString>("alphabet");
        QTest::addColumn<bool>("allowEmpty");
        QTest::addColumn<bool>("singlePass");
        QTest::newRow("inert replacements") << u"xyz\U0001F600"_s << false << true;
        QTest::newRow("replacements with key letters") << u"abxy"_s << false << false;
        QTest::newRow("empty replacements") << u"xy"_s << true << false;
    }
    void sameAsApplyChain() {
        QFETCH(QString, alphabet);
        QFETCH(bool, allowEmpty);
        QFETCH(bool, singlePass);
        QRandomGenerator random(11);
        const QStringList fragments{u"a"_s, u"b"_s, u"c"_s, u"ab"_s, u"x"_s, u" "_s};
        int singlePassChains = 0;
        for (int c = 0; c < 300; ++c) {
            const RandomChain chain = randomChain(random, alphabet, allowEmpty);
            const CompiledChain compiled(chain.rules);
            singlePassChains += compiled.isSinglePass();
            for (const QString &text : randomTexts(fragments, 30, 10, quint32(c)))
                QCOMPARE(compiled.apply(text), applied(text, chain.rules));
        }
        QCOMPARE(singlePassChains == 300, singlePass);
    }
};

QTEST_APPLESS_MAIN(TestCompiledChain)
#include "tst_compiledchain.moc"
