#include "app/DialogShowing.h"

#include <exception>

void TDialogShowing::RefreshIfOpen()
{
    if (IsOpen())
        Refresh();
}

void TDialogShowing::ShowDialog()
{
    std::exception_ptr failure;
    if (!IsOpen()) {
        try {
            FormShow();
        } catch (...) {
            failure = std::current_exception();
        }
        if (!ShownBefore) {
            ShownBefore = true;
            CentreOnScreen();
        }
        Appear();
    }
    BringToFront();
    if (failure)
        std::rethrow_exception(failure);
}
