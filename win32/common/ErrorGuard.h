#pragma once

#include <string>

#include "app/ErrorGuard.h"

// The general error handler: the error's text in an error box under the program's name.
void ShowApplicationError(const std::string& text);

// Runs the work of one message under the one error rule, the error shown here: no exception may
// cross the system's frames between a window procedure and the message loop.
template <typename Work>
void RunGuarded(Work&& work)
{
    RunGuarded(work, ShowApplicationError);
}
