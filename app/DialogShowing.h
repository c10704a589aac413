#pragma once

// How every dialog of the game is shown, whatever draws it. A hidden dialog runs its show handler,
// is centred on the screen the first time and appears; an open one is only brought to the front.
// A show handler that fails part way still opens the dialog with what it loaded; its error is
// raised once the dialog is up.
class TDialogShowing {
public:
    virtual ~TDialogShowing() = default;

    void ShowDialog();
    // An open dialog shows anew what it reads of the game; a hidden one reads it when next shown.
    void RefreshIfOpen();

protected:
    // Runs each time the hidden dialog is shown, before it becomes visible.
    virtual void FormShow() {}
    virtual void Refresh() {}

    virtual bool IsOpen() const = 0;
    virtual void CentreOnScreen() = 0;
    virtual void Appear() = 0;
    // On top of the others and active.
    virtual void BringToFront() = 0;

private:
    bool ShownBefore = false;
};
