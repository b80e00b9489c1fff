#include "germantranslation.h"
#include "privatesettings.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The remembered save folder goes to a test location, not the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    const korvalde::gui::PrivateSettings settings;
    QApplication application(argc, argv);
    // Qt's own words in German, as the program shows them.
    korvalde::gui::installGermanTranslation(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
