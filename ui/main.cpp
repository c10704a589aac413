#include "ui/Application.h"
#include "ui/BoardView.h"
#include "ui/MainUnit.h"
#include "ui/StartUp.h"
#include "ui/StartupReport.h"
#include "ui/SystemDateText.h"
#include "ui/TestReadout.h"

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
