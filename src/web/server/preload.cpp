#include "preload.h"

#include "pages/completion/windows1252.h"

#include <QString>

#include <iconv.h>

namespace korvalde::web {

void preloadWhatSessionsRead()
{
    // The C library loads a code page's converter from disk when the first one opens and
    // may drop it when the last one closes; this one stays open.
    // Kept where a leak check sees it: a handle the compiler may drop looks lost.
    static volatile iconv_t keptOpen = nullptr;
    if (keptOpen == nullptr)
        keptOpen = iconv_open("WINDOWS-1252", "UTF-8");
    (void)toWindows1252(QStringLiteral("Großer Bär"));
}

} // namespace korvalde::web
