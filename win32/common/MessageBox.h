#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "model/GameEffects.h"

// Every report to the player: a modal box with one OK button, kept above the game's dialogs.
void ShowMessageBox(HWND owner, TMessageKind kind, const std::wstring& title, const std::string& text);

// The two kinds of report the game makes, titled "Information" and "Error".
void ShowInformation(HWND owner, const std::string& text);
void ShowError(HWND owner, const std::string& text);

// Stands in for the modal box (tests record and dismiss reports this way); an empty hook restores it.
using TMessageBoxHook = std::function<void(TMessageKind kind, const std::wstring& title, const std::string& text)>;
void SetMessageBoxHook(TMessageBoxHook hook);
