// The store must point into a temporary folder before anything can touch it, and the windows need
// an application object on the offscreen platform before any test runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ui/Application.h"
#include "ui/SystemDateText.h"

int main(int argc, char** argv)
{
    std::string folder = (std::filesystem::temp_directory_path() / "tesuli-gui-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr)
        return 2;
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    TTesuliApplication application(argc, argv);
    InstallSystemDateText();
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(folder);
    return result;
}
