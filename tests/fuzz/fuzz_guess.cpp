// espeak-ng's guess on any word. It never crashes, and a word with a letter or mark of
// another script than the Latin one gets no guess: espeak-ng 1.51 reads freed memory on
// some of them (Hangul jamo). The first byte chooses the accent.

#include "pronunciation/guess.h"
#include "fuzz.h"

#include <algorithm>

using namespace vocalith;
using vocalith::pronunciation::guessTranscription;

namespace {
bool otherScript(QChar c) {
    return c.isSurrogate() || c.isMark() || (c.isLetter() && c.script() != QChar::Script_Latin);
}
} // namespace

// espeak-ng 1.51 leaks about 1.3 KB at each change of voice (here at each change of accent),
// allocated inside the library; every leak of our own still fails the run.
extern "C" const char *__lsan_default_suppressions() { return "leak:libespeak-ng.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    const Accent accent = data[0] & 1 ? Accent::AmE : Accent::BrE;
    const QString word = fuzz::utf8(data + 1, size - 1).toLower();
    const auto guess = guessTranscription(word, accent);
    if (std::any_of(word.begin(), word.end(), otherScript))
        fuzz::check(!guess, "no guess for a word of another script", word);
    if (guess)
        fuzz::check(!guess->isEmpty() && !guess->contains(QLatin1Char('<')), "a guess is a transcription", word);
    return 0;
}
