#include "qt/common/Application.h"

#include <QFont>

#include "app/MainWindowLayout.h"
#include "qt/common/Artwork.h"
#include "qt/common/MessageBox.h"

TTesuliApplication::TTesuliApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QString::fromUtf8(MainFormCaption));
    // Lets Wayland desktops match the window to its menu entry.
    setDesktopFileName(QStringLiteral("org.tesuli.Tesuli"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setWindowIcon(SmallProgramIcon());
}

bool TTesuliApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void ShowApplicationError(const std::string& text)
{
    ShowMessageBox(QApplication::activeWindow(), TMessageKind::Error, QString::fromUtf8(ApplicationErrorTitle),
                   QString::fromStdString(text));
}
