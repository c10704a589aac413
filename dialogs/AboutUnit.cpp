#include "dialogs/AboutUnit.h"

TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm(QWidget* parent)
    : TTesuliDialog(parent, QStringLiteral("About Tesuli"), QSize(307, 166))
{
}
