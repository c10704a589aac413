#pragma once

#include <exception>
#include <utility>

// The general error handler: the error's text in an error box titled "Tesuli".
void ShowApplicationError(const char* text);

// Runs the work of one message. An error ends the work at that point and is shown here: no
// exception may cross the system's frames between a window procedure and the message loop.
template <typename Work>
void RunGuarded(Work&& work)
{
    try {
        std::forward<Work>(work)();
    } catch (const std::exception& error) {
        ShowApplicationError(error.what());
    } catch (...) {
        ShowApplicationError("An unexpected error occurred.");
    }
}
