#include "privatesettings.h"

#include <QSettings>

namespace korvalde::gui {

PrivateSettings::PrivateSettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
}

} // namespace korvalde::gui
