#include "germantranslation.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace korvalde::gui {

void useGermanNumbers()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void installGermanTranslation(QCoreApplication &application)
{
    useGermanNumbers();
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        qWarning("German Qt translation not found; Qt's own texts stay English");
}

} // namespace korvalde::gui
