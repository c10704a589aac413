#include "tests/support/GuiFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "qt/dialogs/ScoresUnit.h"
#include "model/TilePlacement.h"
#include "qt/window/BoardView.h"
#include "qt/window/MainUnit.h"
#include "storage/SqliteStore.h"
#include "qt/window/StartUp.h"

void TGuiTest::SetUp()
{
    std::filesystem::remove_all(StoreFolder());
    PrepareStore();
    CreateForms();
    MainForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MainForm));
    // The dialogs come just after the main window's first frame.
    ASSERT_TRUE(QTest::qWaitFor([] { return ScoresForm != nullptr; }));
}

void TGuiTest::TearDown()
{
    DestroyForms();
}

std::filesystem::path StoreFolder()
{
    return UserStoreFile().parent_path();
}

TGame& TGuiTest::Game()
{
    return MainForm->GameModel;
}

QPoint TGuiTest::TilePoint(uint8_t n)
{
    // A tile stacked high beside this one may reach over part of its plate: take a point of the
    // plate that the hit test gives to this tile when there is one.
    const TTileOrigin origin = TileOrigin(Game().Tiles[n]);
    for (int y = origin.Top + 2; y <= origin.Top + 49; ++y)
        for (int x = origin.Left + 6; x <= origin.Left + 37; ++x)
            if (Game().TileAtPoint(x, y) == n)
                return {x, y};
    return {origin.Left + TileWidth / 2, origin.Top + TileHeight / 2 - 3};
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
    ScoresForm->ExportDialog = [file](QWidget*, const QString&, QString*) -> std::optional<QString> {
        return QString::fromStdString(file.string());
    };
    QTest::mouseClick(ScoresForm->ExportBitBtn, Qt::LeftButton);
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
