#include "tests/support/GuiFixture.h"

#include <QApplication>
#include <QButtonGroup>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "model/TilePlacement.h"
#include "qt/dialogs/PreviewPanel.h"
#include "qt/dialogs/SaveFileDialog.h"
#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"
#include "qt/window/StartUp.h"
#include "storage/SqliteStore.h"

void TGuiTest::SetUp()
{
    std::filesystem::remove_all(StoreFolder());
    PrepareStore();
    CreateForms();
    MainForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MainForm));
    // The dialogs come just after the main window's first frame.
    ASSERT_TRUE(QTest::qWaitFor([] { return !MainForm->findChildren<TGameDialog*>().empty(); }));
}

void TGuiTest::TearDown()
{
    SetSaveFileDialog({});
    DestroyForms();
}

std::filesystem::path StoreFolder()
{
    return UserStoreFile().parent_path();
}

QAction* CommandAction(TCommandId command)
{
    return MainForm->Actions.at(static_cast<size_t>(command));
}

TGameDialog* GameDialog(TDialogId dialog)
{
    return MainForm->Dialog(dialog);
}

// The offscreen platform keeps a hidden window as its focus window and then takes a request to
// activate it again for one already granted; a window manager would activate it.
void ShowAndActivate(QWidget* dialog)
{
    if (auto* shown = qobject_cast<TGameDialog*>(dialog))
        shown->ShowDialog();
    else
        dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    if (QApplication::activeWindow() != dialog)
        QApplication::setActiveWindow(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
}

void ShowAndActivate(TDialogId dialog)
{
    ShowAndActivate(GameDialog(dialog));
}

void PressKey(QWidget* dialog, Qt::Key key)
{
    QWidget* focused = dialog->focusWidget();
    QTest::keyClick(focused ? focused : dialog, key);
}

void TypeText(QWidget* box, const QString& text)
{
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QApplication::sendEvent(box, &typed);
}

void ClickPreview(std::string_view panel)
{
    QTest::mouseClick(DialogControl<TPreviewPanel>(TDialogId::Options, panel)->Image(), Qt::LeftButton);
}

// On the round button itself: a long item is wider than its caption.
void ClickItem(std::string_view radioGroup, int item)
{
    QAbstractButton* button =
        GameDialog(TDialogId::Options)->Control(radioGroup)->findChild<QButtonGroup*>()->button(item);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

TGame& TGuiTest::Game()
{
    return MainForm->MidEnd.Game();
}

QPoint TGuiTest::TilePoint(uint8_t n)
{
    // A tile stacked high beside this one may reach over part of its plate: take a point of the
    // view where the tile is drawn that the hit test gives to this tile when there is one.
    const TBoardView& view = *MainForm->BackgroundImage;
    const TTileOrigin origin = TileOrigin(Game().Tiles[n]);
    const QPoint first = view.ToView(origin.Left, origin.Top);
    const QPoint last = view.ToView(origin.Left + TileWidth, origin.Top + TileHeight);
    for (int y = first.y(); y <= last.y(); ++y)
        for (int x = first.x(); x <= last.x(); ++x)
            if (const TBoardPoint at = view.ToBoard(QPoint(x, y)); Game().TileAtPoint(at.X, at.Y) == n)
                return {x, y};
    return view.ToView(origin.Left + TileWidth / 2, origin.Top + TileHeight / 2 - 3);
}

void TGuiTest::PressTile(uint8_t n, Qt::MouseButton button)
{
    QTest::mouseClick(MainForm->BackgroundImage, button, Qt::NoModifier, TilePoint(n));
}

void TGuiTest::PressEmptyBoard()
{
    QTest::mouseClick(MainForm->BackgroundImage, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
}

void TGuiTest::KeepOnly(std::initializer_list<TPlacedTile> tiles)
{
    ::KeepOnly(Game(), tiles);
    Game().DrawBoard();
    Game().UpdateStatus();
}

void TGuiTest::KeepTwoUnmatchedStacks()
{
    KeepOnly({{1, {0, 0, 0}}, {5, {0, 0, 1}}, {2, {4, 0, 0}}, {9, {4, 0, 1}}});
}

void TGuiTest::Export(const std::filesystem::path& file)
{
    SetSaveFileDialog([file](QWidget*, const QString&, QString*, const QString&) -> std::optional<QString> {
        return QString::fromStdString(file.string());
    });
    QTest::mouseClick(DialogControl<QPushButton>(TDialogId::Scores, "ExportBitBtn"), Qt::LeftButton);
}

std::vector<QString> TGuiTest::TakeMessages()
{
    std::vector<QString> texts;
    for (const TReport& message : Messages)
        texts.push_back(message.Text);
    Messages.clear();
    return texts;
}

QString TGuiTest::PanelText(int panel)
{
    return MainForm->StatusPanels.at(static_cast<size_t>(panel))->text();
}
