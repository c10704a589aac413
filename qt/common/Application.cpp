#include "qt/common/Application.h"

#include <QFont>

#include "app/MainWindowLayout.h"
#include "app/Screen.h"
#include "qt/common/Artwork.h"
#include "qt/common/MessageBox.h"

TTesuliApplication::TTesuliApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QString::fromUtf8(MainFormCaption));
    // Lets Wayland desktops match the window to its menu entry.
    setDesktopFileName(QStringLiteral("org.tesuli.Tesuli"));
    setFont(QFont(QString::fromUtf8(UiFontFamily.data(), static_cast<qsizetype>(UiFontFamily.size())), UiFontPoints));
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
