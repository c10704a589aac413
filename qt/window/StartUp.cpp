#include "qt/window/StartUp.h"

#include <QApplication>
#include <QEvent>

#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"
#include "qt/common/Artwork.h"
#include "qt/common/SpriteUnit.h"

namespace {

// What the first frame could do without: the dialogs, and the program icon's large sizes.
void CompleteStart()
{
    QApplication::setWindowIcon(ProgramIcon());
    for (int dialog = 0; dialog < DialogCount; ++dialog)
        MainForm->Dialog(static_cast<TDialogId>(dialog));
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
    delete ImageForm;
    ImageForm = nullptr;
}
