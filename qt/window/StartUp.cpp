#include "qt/window/StartUp.h"

#include <QApplication>
#include <QEvent>

#include "qt/dialogs/AboutUnit.h"
#include "qt/dialogs/HelpUnit.h"
#include "qt/dialogs/NameUnit.h"
#include "qt/dialogs/OptionsUnit.h"
#include "qt/dialogs/ScoresUnit.h"
#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"
#include "qt/common/Artwork.h"
#include "qt/common/SpriteUnit.h"

namespace {

// What the first frame could do without: the dialogs, and the program icon's large sizes.
void CompleteStart()
{
    QApplication::setWindowIcon(ProgramIcon());
    AboutForm = new TAboutForm(MainForm);
    HelpForm = new THelpForm(MainForm);
    OptionsForm = new TOptionsForm(MainForm);
    OptionsForm->Flow.Listener = MainForm;
    NameForm = new TNameForm(MainForm);
    ScoresForm = new TScoresForm(MainForm);
}

// Posts the rest of the start from the board's first paint: it runs once that frame has gone out.
class TFirstPaintWatch : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            deleteLater();
            QMetaObject::invokeMethod(MainForm, CompleteStart, Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

void CreateForms()
{
    MainForm = new TMainForm();
    ImageForm = new TImageForm();
    MainForm->BackgroundImage->installEventFilter(new TFirstPaintWatch(MainForm));
}

void DestroyForms()
{
    delete MainForm;
    MainForm = nullptr;
    AboutForm = nullptr;
    HelpForm = nullptr;
    OptionsForm = nullptr;
    NameForm = nullptr;
    ScoresForm = nullptr;
    delete ImageForm;
    ImageForm = nullptr;
}
