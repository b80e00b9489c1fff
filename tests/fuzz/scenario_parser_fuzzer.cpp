// Any scenario text parses to commands or to an error on a line the text has.
#include "scenario.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const korvalde::scenario::Scenario scenario = korvalde::scenario::parseScenario("fuzz.scn", text);
    const int lines = int(text.count('\n')) + 1;
    if (scenario.error && (scenario.error->line < 1 || scenario.error->line > lines))
        std::abort();
    for (const korvalde::scenario::Command &command : scenario.commands) {
        if (command.line < 1 || command.line > lines || command.verb.isEmpty())
            std::abort();
    }
    return 0;
}
