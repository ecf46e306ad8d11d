#pragma once
// Shared by the libFuzzer targets: the input as text, and a check that stops the run with
// the input's text when a property does not hold (libFuzzer then keeps the input).

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vocalith::fuzz {

inline QString utf8(const uint8_t *data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline void check(bool holds, const char *what, const QString &detail = {}) {
    if (holds)
        return;
    std::fprintf(stderr, "property failed: %s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

} // namespace vocalith::fuzz
