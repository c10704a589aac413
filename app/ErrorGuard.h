#pragma once

#include <exception>
#include <string>

#include "app/MessageTexts.h"

// The one rule for an error that leaves the work of an event: the work ends there, the error's text
// is reported (see ApplicationErrorTitle) and the program goes on. Nothing may pass, since an error
// must never cross a toolkit's own frames.
template <typename Work, typename Report>
void RunGuarded(Work&& work, Report&& report)
{
    try {
        work();
    } catch (const std::exception& error) {
        report(std::string(error.what()));
    } catch (...) {
        report(std::string(UnknownErrorText));
    }
}
