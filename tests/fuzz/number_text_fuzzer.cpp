// Any text read as a number either fails or gives a value whose written text reads back
// to the same value.
#include "sheet/numbertext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<double> value = korvalde::parseNumber(text);
    (void)korvalde::isTrueNumber(text);
    if (!value)
        return 0;
    const QString written = korvalde::formatNumber(*value);
    const std::optional<double> again = korvalde::parseNumber(written);
    if (!again || korvalde::formatNumber(*again) != written)
        std::abort();
    return 0;
}
