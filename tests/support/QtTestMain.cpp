// The widget suites' entry: the store must point at a private folder before anything can touch it,
// and the windows need the game's application object on the offscreen platform.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "qt/common/Application.h"
#include "qt/common/SystemDateText.h"

int main(int argc, char** argv)
{
    // An offscreen platform with options of its own (a screen of a given size and ratio) is kept.
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configHome;
    if (!configHome.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    TTesuliApplication application(argc, argv);
    InstallSystemDateText();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
