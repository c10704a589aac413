#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "win32/common/Artwork.h"
#include "win32/common/SpriteUnit.h"

namespace {

// The imaging component and the sprite sheets, as the program holds them, for every test.
class TWindowEnvironment final : public testing::Environment {
public:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
        InitCommonControlsEx(&controls);
        Imaging = std::make_unique<TImagingSession>();
        Sheets = std::make_unique<TImageForm>();
        ImageForm = Sheets.get();
    }
    void TearDown() override
    {
        ImageForm = nullptr;
        Sheets.reset();
        Imaging.reset();
    }

private:
    std::unique_ptr<TImagingSession> Imaging;
    std::unique_ptr<TImageForm> Sheets;
};

const testing::Environment* const WindowEnvironment = testing::AddGlobalTestEnvironment(new TWindowEnvironment);

}  // namespace
