// Opens one of the game's dialogs over the main window, for a screenshot of the real look on an X
// server:
//   xvfb-run -a -s '-screen 0 1280x1024x24' tesuli_dialog_shots scores & sleep 3; import -window root shot.png
// The dialog is one of options, name, scores, help, about, progress; none shows the main window alone. The
// store lives in a temporary folder with two wins and some recognition times in it; the program quits after half a minute.
#include "app/NameDialog.h"
#include "app/WinFlow.h"
#include "qt/common/Application.h"
#include "qt/dialogs/GameDialog.h"
#include "qt/window/MainUnit.h"
#include "qt/window/StartUp.h"

#include <QTemporaryDir>
#include <QTimer>

#include <optional>
#include <string_view>

namespace {

std::optional<TDialogId> DialogNamed(std::string_view name)
{
    constexpr std::string_view names[DialogCount] = {"options", "name", "scores", "help", "about", "progress"};
    for (int dialog = 0; dialog < DialogCount; ++dialog)
        if (names[dialog] == name)
            return static_cast<TDialogId>(dialog);
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    const TWonGame won{"00:04:13", 2, "flat square"};
    {
        TRegOptions options;
        AcceptWin(options, "Hanako", won);
        AcceptWin(options, "A very long player name that runs on and on", {"01:14:13", 0, "Babel"});
        // Times for a third of the kana, a few hinted, in both scripts.
        std::vector<TRecognitionSample> samples;
        for (uint8_t face = 0; face < FaceCount; face += 3)
            for (const TScript script : {TScript::Hiragana, TScript::Katakana})
                samples.push_back({face, script, face % 9 == 0, 2 + (face * 7) % 41});
        options.AddProgress(samples);
    }
    TTesuliApplication application(argc, argv);
    CreateForms();
    MainForm->move(0, 0);
    MainForm->show();
    const std::optional<TDialogId> shown = argc > 1 ? DialogNamed(argv[1]) : std::nullopt;
    QTimer::singleShot(800, [shown, won] {
        if (!shown)
            return;
        static_cast<TNameDialog&>(MainForm->MidEnd.Dialog(TDialogId::Name)).Won = won;
        TGameDialog* dialog = MainForm->Dialog(*shown);
        dialog->ShowDialog();
        dialog->move(10, 10);
    });
    QTimer::singleShot(30000, &application, &QApplication::quit);
    const int result = TTesuliApplication::exec();
    DestroyForms();
    return result;
}
