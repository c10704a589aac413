#include "ui/Application.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// The store must point at a private folder before anything can touch it.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configHome;
    if (!configHome.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    TTesuliApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
