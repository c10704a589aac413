#pragma once

class TRandomSource;

// The seven forms of a run, created once in the order the rest relies on: the main window first
// (it reads the settings and creates the tiles), the sprite sheets before the options dialog
// (which copies its previews from them). Only the main window is shown, later, by the caller.
void CreateForms(TRandomSource& random);

// Releases the forms at the end of a run, dialogs before their main window.
void DestroyForms();
