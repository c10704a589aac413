#include "dialogs/OptionsUnit.h"

TOptionsForm* OptionsForm = nullptr;

// The client area is 317 x 297 inside a 3-pixel border.
TOptionsForm::TOptionsForm(QWidget* parent)
    : TTesuliDialog(parent, QStringLiteral("Tesuli Options"), QSize(323, 303))
{
}
