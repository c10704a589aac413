#include "win32/window/StartUp.h"

#include <memory>

#include "win32/common/SpriteUnit.h"
#include "win32/dialogs/AboutUnit.h"
#include "win32/dialogs/HelpUnit.h"
#include "win32/dialogs/NameUnit.h"
#include "win32/dialogs/OptionsUnit.h"
#include "win32/dialogs/ScoresUnit.h"
#include "win32/window/MainUnit.h"

namespace {

template <typename Form>
void Release(Form*& form)
{
    delete form;
    form = nullptr;
}

}  // namespace

void CreateForms(TRandomSource& random)
{
    MainForm = new TMainForm(random);
    MainForm->FormCreate();
    const HWND owner = MainForm->Handle();
    AboutForm = new TAboutForm(owner);
    HelpForm = new THelpForm(owner);
    ImageForm = new TImageForm();
    OptionsForm = new TOptionsForm(owner);
    OptionsForm->Flow.Listener = MainForm;
    NameForm = new TNameForm(owner);
    ScoresForm = new TScoresForm(owner);
}

void DestroyForms()
{
    Release(ScoresForm);
    Release(NameForm);
    Release(OptionsForm);
    Release(ImageForm);
    Release(HelpForm);
    Release(AboutForm);
    Release(MainForm);
}
