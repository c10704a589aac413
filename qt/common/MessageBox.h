#pragma once

#include <QString>

#include <functional>

#include "model/GameEffects.h"

class QWidget;

// Every report to the player passes here: a modal box with one OK button.
void ShowMessageBox(QWidget* parent, TMessageKind kind, const QString& title, const QString& text);

// The two kinds of report the game makes, titled "Information" and "Error".
void ShowInformation(QWidget* parent, const QString& text);
void ShowError(QWidget* parent, const QString& text);

// Stands in for the modal box (tests record and dismiss reports this way); an empty hook restores it.
using TMessageBoxHook = std::function<void(TMessageKind kind, const QString& title, const QString& text)>;
void SetMessageBoxHook(TMessageBoxHook hook);
