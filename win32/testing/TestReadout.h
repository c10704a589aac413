#pragma once

class TMainForm;

// Only when the environment variable TESULI_TEST_READOUT names a file: the end-to-end test reads
// from it, ten times a second, where the free tiles, the status texts, the commands and the controls
// of the open windows are on the screen. Nothing of it runs in normal use.
void StartTestReadout(TMainForm& mainForm);
