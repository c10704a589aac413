#pragma once

#include <QApplication>

#include <string>
#include <utility>

#include "app/ErrorGuard.h"

// The application object: title, font and icon of every window, and the general error handler.
class TTesuliApplication : public QApplication {
public:
    TTesuliApplication(int& argc, char** argv);

    // An error leaving an event handler is shown, and the event loop goes on.
    bool notify(QObject* receiver, QEvent* event) override;
};

// The general error handler: the error's text in an error box under the program's name.
void ShowApplicationError(const std::string& text);

// Runs the work of one event under the one error rule, the error shown here before it could reach
// the toolkit's own frames.
template <typename Work>
void RunGuarded(Work&& work)
{
    RunGuarded(std::forward<Work>(work), ShowApplicationError);
}
