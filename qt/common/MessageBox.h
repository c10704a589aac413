#pragma once

#include <QString>

#include <functional>
#include <string>

#include "model/GameEffects.h"

class QWidget;

// Every report to the player passes here: a modal box with one OK button.
void ShowMessageBox(QWidget* parent, TMessageKind kind, const QString& title, const QString& text);

// A report the game makes, titled after its kind (app/MessageTexts.h).
void ShowMessage(QWidget* parent, TMessageKind kind, const std::string& text);

// A modal question titled ConfirmTitle with Yes and No (the default); true for Yes.
bool AskQuestion(QWidget* parent, const std::string& question);

// A box the core asks for, modal: returns once it is closed and its continuation has run.
void ShowMessage(QWidget* parent, const TMessageRequest& request);

// Stands in for the question box in tests; an empty hook restores it.
using TQuestionHook = std::function<bool(const QString& title, const QString& text)>;
void SetQuestionHook(TQuestionHook hook);

// Stands in for the modal box (tests record and dismiss reports this way); an empty hook restores it.
using TMessageBoxHook = std::function<void(TMessageKind kind, const QString& title, const QString& text)>;
void SetMessageBoxHook(TMessageBoxHook hook);
