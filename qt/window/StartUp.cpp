#include "qt/window/StartUp.h"

#include "qt/dialogs/AboutUnit.h"
#include "qt/dialogs/HelpUnit.h"
#include "qt/dialogs/NameUnit.h"
#include "qt/dialogs/OptionsUnit.h"
#include "qt/dialogs/ScoresUnit.h"
#include "qt/window/MainUnit.h"
#include "qt/common/SpriteUnit.h"

void CreateForms()
{
    MainForm = new TMainForm();
    AboutForm = new TAboutForm(MainForm);
    HelpForm = new THelpForm(MainForm);
    ImageForm = new TImageForm();
    OptionsForm = new TOptionsForm(MainForm);
    OptionsForm->Flow.Listener = MainForm;
    NameForm = new TNameForm(MainForm);
    ScoresForm = new TScoresForm(MainForm);
}

void DestroyForms()
{
    delete MainForm;
    MainForm = nullptr;
    AboutForm = nullptr;
    HelpForm = nullptr;
    OptionsForm = nullptr;
    NameForm = nullptr;
    ScoresForm = nullptr;
    delete ImageForm;
    ImageForm = nullptr;
}
