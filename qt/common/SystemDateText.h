#pragma once

#include "storage/DateText.h"

class QLocale;

// The date text formats of a locale: its short date format and the parts of its long time format.
TLocaleFormats LocaleFormatsOf(const QLocale& locale);

// Makes the score table write its dates in the user's locale; called once at start-up.
void InstallSystemDateText();
