#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

// What every dialog of the game shares: modeless, on top, a title bar without close or system
// buttons, a fixed client size, centred on the screen the first time and where it was left later.
class TTesuliDialog : public QDialog {
    Q_OBJECT

public:
    TTesuliDialog(QWidget* parent, const QString& caption, QSize clientSize);

    // Shows the dialog, running its show handler; an open dialog is only brought to the front.
    void ShowDialog();

protected:
    // Runs each time the hidden dialog is shown, before it becomes visible.
    virtual void FormShow() {}

private:
    bool ShownBefore = false;
};
