#include "ui/StartUp.h"

#include "dialogs/AboutUnit.h"
#include "dialogs/HelpUnit.h"
#include "dialogs/NameUnit.h"
#include "dialogs/OptionsUnit.h"
#include "dialogs/ScoresUnit.h"
#include "ui/MainUnit.h"
#include "ui/SpriteUnit.h"

void CreateForms()
{
    MainForm = new TMainForm();
    AboutForm = new TAboutForm(MainForm);
    HelpForm = new THelpForm(MainForm);
    ImageForm = new TImageForm();
    OptionsForm = new TOptionsForm(MainForm);
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
