#pragma once

#include <string>

#include "storage/DateText.h"

// The date text formats of a locale ("" for the user's own), from its Windows settings.
TLocaleFormats LocaleFormatsOf(const std::wstring& localeName);

// Makes the score table write its dates in the user's locale; called once at start-up.
void InstallSystemDateText();
