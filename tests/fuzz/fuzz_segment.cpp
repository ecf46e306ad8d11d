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
        for (const QString &segment : SegmentText(text, accent, table)) {
            // The cut mark never survives, and the words of a segment are joined by single spaces.
            fuzz::check(!segment.contains(QLatin1String("#@#")), "no cut mark in a segment", text);
            fuzz::check(!segment.contains(QLatin1String("  ")) && !segment.startsWith(QLatin1Char(' ')) &&
                            !segment.endsWith(QLatin1Char(' ')),
                        "single spaces in a segment", text);
        }
    }
    return 0;
}
