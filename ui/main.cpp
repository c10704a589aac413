#include "ui/Application.h"
#include "ui/MainUnit.h"
#include "ui/StartUp.h"
#include "ui/SystemDateText.h"
#include "ui/TestReadout.h"

int main(int argc, char** argv)
{
    TTesuliApplication application(argc, argv);
    InstallSystemDateText();
    CreateForms();
    StartTestReadout(*MainForm);
    MainForm->show();
    const int result = TTesuliApplication::exec();
    DestroyForms();
    return result;
}
