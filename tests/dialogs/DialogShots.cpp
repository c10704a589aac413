// Opens the options, help and about dialogs side by side over the main window, for a screenshot
// of the real look on an X server:
//   xvfb-run -a -s '-screen 0 1280x1024x24' tesuli_dialog_shots & sleep 3; import -window root shot.png
// It keeps the store in a temporary folder and quits after a few seconds.
#include "qt/dialogs/AboutUnit.h"
#include "qt/dialogs/HelpUnit.h"
#include "qt/dialogs/OptionsUnit.h"
#include "qt/common/Application.h"
#include "qt/window/MainUnit.h"
#include "qt/window/StartUp.h"

#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char** argv)
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    TTesuliApplication application(argc, argv);
    CreateForms();
    MainForm->move(340, 440);
    MainForm->show();
    QTimer::singleShot(500, [] {
        const std::pair<TTesuliDialog*, QPoint> dialogs[] = {
            {OptionsForm, {0, 0}}, {AboutForm, {0, 330}}, {HelpForm, {340, 0}}};
        for (const auto& [dialog, place] : dialogs) {
            dialog->ShowDialog();
            dialog->move(place);
        }
    });
    QTimer::singleShot(8000, &application, &QApplication::quit);
    const int result = TTesuliApplication::exec();
    DestroyForms();
    return result;
}
