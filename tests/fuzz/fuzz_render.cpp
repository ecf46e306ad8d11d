// The renderer on any stored transcription. The first two bytes choose the nine options,
// the accent and the size of the parts in which the piecewise renderer gets the text; it
// must give what RenderTranscription gives for the whole.

#include "engine/render.h"
#include "fuzz.h"

using namespace vocalith;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2)
        return 0;
    const unsigned bits = data[0] | (unsigned(data[1]) << 8);
    RenderOptions options;
    for (size_t k = 0; k < kRenderOptions.size(); ++k)
        options.*kRenderOptions[k].member = bits & (1u << k);
    const Accent accent = bits & (1u << 9) ? Accent::AmE : Accent::BrE;
    const qsizetype part = 1 + ((bits >> 10) & 15);
    const QString stored = fuzz::utf8(data + 2, size - 2);

    const auto whole = RenderTranscription(stored, options, accent);
    PiecewiseRenderer renderer(options, accent, part);
    QString pieces;
    for (qsizetype at = 0; at < stored.size(); at += part)
        pieces += renderer.add(stored.mid(at, part));
    const auto rest = renderer.finish();
    fuzz::check(whole.has_value() == rest.has_value(), "empty alike", stored);
    if (whole)
        fuzz::check(pieces + *rest == *whole, "rendered in parts as a whole", stored);
    return 0;
}
