#include "qt/common/Application.h"
#include "qt/common/StartAhead.h"
#include "qt/window/MainUnit.h"
#include "qt/window/StartUp.h"
#include "qt/common/SystemDateText.h"
#include "qt/testing/TestReadout.h"

int main(int argc, char** argv)
{
    const TStartAhead ahead;
    TTesuliApplication application(argc, argv);
    InstallSystemDateText();
    CreateForms();
    StartTestReadout(*MainForm);
    MainForm->show();
    const int result = TTesuliApplication::exec();
    DestroyForms();
    return result;
}
