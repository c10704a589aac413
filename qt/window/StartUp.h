#pragma once

// The seven forms of a run, each created once in the order the rest relies on: the main window
// first (it reads the settings and creates the tiles), then the sprite sheets; the five dialogs
// follow as soon as the main window's first frame has been painted, so that the player does not
// wait for windows that are not open (none can be asked for before that frame), and so do the
// program icon's large sizes. The options dialog copies its previews from the sprite sheets. Only
// the main window is shown, by the caller.
void CreateForms();

// Releases the forms at the end of a run, dialogs with their main window.
void DestroyForms();
