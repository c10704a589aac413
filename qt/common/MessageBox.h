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

// Stands in for the modal box (tests record and dismiss reports this way); an empty hook restores it.
using TMessageBoxHook = std::function<void(TMessageKind kind, const QString& title, const QString& text)>;
void SetMessageBoxHook(TMessageBoxHook hook);
