#include "germantranslation.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace korvalde::gui {

void installGermanTranslation(QCoreApplication &application)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    auto *translator = new QTranslator(&application);
    if (translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        qWarning("German Qt translation not found; Qt's own texts stay English");
}

} // namespace korvalde::gui
