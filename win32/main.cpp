#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "win32/common/Artwork.h"
#include "win32/common/ErrorGuard.h"
#include "win32/window/MainUnit.h"
#include "win32/window/MessageLoop.h"
#include "win32/common/SpriteUnit.h"
#include "win32/common/SystemDateText.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    int exitCode = 1;
    RunGuarded([&] {
        const TImagingSession imaging;
        InstallSystemDateText();
        TClockRandom random;
        TMainForm mainForm(random);
        MainForm = &mainForm;
        mainForm.FormCreate();
        TImageForm sheets;
        ImageForm = &sheets;
        mainForm.Show(showCommand);
        exitCode = RunMessageLoop();
        MainForm = nullptr;
        ImageForm = nullptr;
    });
    return exitCode;
}
