#pragma once

class QWidget;

// For the start-up benchmark, only when TESULI_REPORT_STARTUP=1: once `painted` has been painted
// for the first time, prints the wall-clock time of that moment (nanoseconds since the epoch) and
// the resident memory, then ends the program.
void ReportStartupWhenAsked(QWidget* painted);
