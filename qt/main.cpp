#include "qt/common/Application.h"
#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"
#include "qt/window/StartUp.h"
#include "qt/testing/StartupReport.h"
#include "qt/common/SystemDateText.h"
#include "qt/testing/TestReadout.h"

int main(int argc, char** argv)
{
    TTesuliApplication application(argc, argv);
    InstallSystemDateText();
    CreateForms();
    ReportStartupWhenAsked(MainForm->BackgroundImage);
    StartTestReadout(*MainForm);
    MainForm->show();
    const int result = TTesuliApplication::exec();
    DestroyForms();
    return result;
}
