#pragma once

#include <QApplication>

#include <exception>
#include <utility>

// The application object: title, font and icon of every window, and the general error handler.
class TTesuliApplication : public QApplication {
public:
    TTesuliApplication(int& argc, char** argv);

    // An error leaving an event handler is shown, and the event loop goes on.
    bool notify(QObject* receiver, QEvent* event) override;
};

// The general error handler: the error's text in an error box titled "Tesuli".
void ShowApplicationError(const std::exception& error);

// Runs the work of one event. An error ends the work at that point and is shown here, before it
// could reach the toolkit's own frames.
template <typename Work>
void RunGuarded(Work&& work)
{
    try {
        std::forward<Work>(work)();
    } catch (const std::exception& error) {
        ShowApplicationError(error);
    }
}
