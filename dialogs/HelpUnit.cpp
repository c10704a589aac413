#include "dialogs/HelpUnit.h"

THelpForm* HelpForm = nullptr;

THelpForm::THelpForm(QWidget* parent)
    : TTesuliDialog(parent, QStringLiteral("Tesuli Help"), QSize(678, 502))
{
}
