// The ten converters of the import and export window on any text. The first byte chooses
// the converter (S s H h X x B b V v: export and import of X-SAMPA, HTML decimal and
// hexadecimal references, Braille and the string expression); the rest is the text.

#include "encodings/braille.h"
#include "encodings/htmlreferences.h"
#include "encodings/stringexpression.h"
#include "encodings/xsampa.h"
#include "fuzz.h"

#include <array>

using namespace vocalith;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    using Converter = QString (*)(QString);
    struct Named {
        char key;
        Converter fn;
    };
    static constexpr std::array<Named, 10> kConverters = {{
        {'S', Text2SAMPA},
        {'s', SAMPA2Unicode},
        {'H', Text2HTML},
        {'h', HTML2Text},
        {'X', Text2HexHTML},
        {'x', HexHTML2Text},
        {'B', Text2Braille},
        {'b', Braille2Unicode},
        {'V', Text2StringExpression},
        {'v', VB2Unicode},
    }};
    if (size == 0)
        return 0;
    Converter fn = kConverters[data[0] % kConverters.size()].fn;
    for (const Named &n : kConverters)
        if (n.key == char(data[0]))
            fn = n.fn;
    fn(fuzz::utf8(data + 1, size - 1));
    return 0;
}
