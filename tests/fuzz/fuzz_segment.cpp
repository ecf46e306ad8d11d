// The driver's normalisation and segmentation on any text, in both accents, with a small
// abbreviations table.

#include "engine/driver.h"
#include "fuzz.h"

using namespace vocalith;

namespace {

// One abbreviation of each kind.
Abbreviations abbreviations() {
    Abbreviations table;
    table.insert(QStringLiteral("mr"), {QStringLiteral("mister"), Abbreviation::Within});
    table.insert(QStringLiteral("e.g."), {QStringLiteral("for example"), Abbreviation::Within});
    table.insert(QStringLiteral("etc"), {QStringLiteral("etc"), Abbreviation::MayEnd});
    table.insert(QStringLiteral("no."), {QStringLiteral("number"), Abbreviation::BeforeNumber});
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const Abbreviations table = abbreviations();
    const QString text = fuzz::utf8(data, size);
    for (const Accent accent : {Accent::BrE, Accent::AmE}) {
        for (const QStringList &segment : segmentText(text, accent, table)) {
            // The cut mark never survives, and a segment's words are neither empty nor hold a space.
            for (const QString &word : segment) {
                fuzz::check(!word.contains(QLatin1String("#@#")), "no cut mark in a segment", text);
                fuzz::check(!word.isEmpty() && !word.contains(QLatin1Char(' ')), "words without spaces", text);
            }
        }
    }
    return 0;
}
