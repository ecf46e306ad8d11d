// The driver's normalisation and segmentation on any text, in both accents.

#include "engine/driver.h"
#include "fuzz.h"

using namespace vocalith;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = fuzz::utf8(data, size);
    for (const Accent accent : {Accent::BrE, Accent::AmE}) {
        for (const QString &segment : SegmentText(text, accent)) {
            // The cut mark never survives, and the words of a segment are joined by single spaces.
            fuzz::check(!segment.contains(QLatin1String("#@#")), "no cut mark in a segment", text);
            fuzz::check(!segment.contains(QLatin1String("  ")) && !segment.startsWith(QLatin1Char(' ')) &&
                            !segment.endsWith(QLatin1Char(' ')),
                        "single spaces in a segment", text);
        }
    }
    return 0;
}
