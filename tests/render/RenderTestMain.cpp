#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#include "ui/SpriteUnit.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing here writes settings; a private folder keeps it that way.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const auto sheets = std::make_unique<TImageForm>();
    ImageForm = sheets.get();
    const int result = RUN_ALL_TESTS();
    ImageForm = nullptr;
    return result;
}
