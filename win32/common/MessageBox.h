#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "model/GameEffects.h"

// Every report to the player: a modal box with one OK button, kept above the game's dialogs.
void ShowMessageBox(HWND owner, TMessageKind kind, std::string_view title, const std::string& text);
// A report of the game, under its kind's title.
void ShowMessage(HWND owner, TMessageKind kind, const std::string& text);

// A modal question titled ConfirmTitle with Yes and No (the default); true for Yes.
bool AskQuestion(HWND owner, const std::string& question);

// A box the core asks for, modal: returns once it is closed and its continuation has run.
void ShowMessage(HWND owner, const TMessageRequest& request);

// Stands in for the question box in tests; an empty hook restores it.
using TQuestionHook = std::function<bool(const std::wstring& title, const std::string& text)>;
void SetQuestionHook(TQuestionHook hook);

// Stands in for the modal box (tests record and dismiss reports this way); an empty hook restores it.
using TMessageBoxHook = std::function<void(TMessageKind kind, const std::wstring& title, const std::string& text)>;
void SetMessageBoxHook(TMessageBoxHook hook);
