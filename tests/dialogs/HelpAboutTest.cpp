// The help and about dialogs' own widgets: where they reopen, the help text and command list, the
// browser asked for the website.
#include "DialogTestSupport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include "app/InfoTexts.h"
#include "model/TilePlacement.h"
#include "qt/common/Artwork.h"
#include "qt/window/MainUnit.h"

namespace {

// Stands in for the user's browser.
class TUrlRecorder : public QObject {
    Q_OBJECT

public:
    TUrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl"); }
    ~TUrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QList<QUrl> Opened;

public slots:
    void openUrl(const QUrl& url) { Opened << url; }
};

QImage IconPicture(const QIcon& icon)
{
    return icon.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

using InformationDialogTest = TGuiTest;

// Closed by a key, a dialog opens again where it was left; showing an open one only raises it.
TEST_F(InformationDialogTest, DialogsOpenAgainWhereTheyWereLeft)
{
    for (const TDialogId id : {TDialogId::Help, TDialogId::About}) {
        TGameDialog* dialog = GameDialog(id);
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            SCOPED_TRACE(dialog->windowTitle().toStdString() + (key == Qt::Key_Escape ? " Esc" : " Enter"));
            ShowAndActivate(dialog);
            const QPoint leftAt = dialog->pos() + QPoint(17, 11);
            dialog->move(leftAt);
            ShowAndActivate(dialog);
            EXPECT_EQ(dialog->pos(), leftAt) << "an open dialog is not centred again";
            PressKey(dialog, key);
            EXPECT_FALSE(dialog->isVisible());
            ShowAndActivate(dialog);
            EXPECT_EQ(dialog->pos(), leftAt);
            dialog->hide();
        }
    }
}

TEST_F(InformationDialogTest, HelpTextKeepsItsLinesAndTheirTrailingSpaces)
{
    const auto* memo = DialogControl<QPlainTextEdit>(TDialogId::Help, "HelpMemo");
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    // The designed text, then playing from the keyboard and a last line of keys.
    ASSERT_GT(lines.size(), 20);
    EXPECT_EQ(lines[21], QStringLiteral("PLAYING FROM THE KEYBOARD"));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Keys: New Game F2 or Ctrl+N, "))) << lines.last().toStdString();
    for (int line = 1; line <= 20; ++line) {
        const bool continued = QList<int>{3, 4, 7, 12, 13, 14, 19}.contains(line);
        const bool empty = QList<int>{2, 6, 9, 11, 16, 18}.contains(line);
        SCOPED_TRACE(line);
        EXPECT_EQ(lines[line - 1].isEmpty(), empty);
        EXPECT_EQ(lines[line - 1].endsWith(QLatin1Char(' ')), continued);
    }
    EXPECT_EQ(lines[9], QStringLiteral("THE GAME RULES"));
    EXPECT_TRUE(lines[11].contains(QStringLiteral("a collection of %1 tiles.").arg(TileCount))) << "the game's own count";
    EXPECT_EQ(memo->focusPolicy(), Qt::NoFocus);
}

TEST_F(InformationDialogTest, CommandListPairsEachCaptionWithItsCommandsIcon)
{
    const auto* list = DialogControl<QListWidget>(TDialogId::Help, "MenuListView");
    ASSERT_EQ(list->count(), static_cast<int>(HelpCommands.size()));
    for (int row = 0; row < list->count(); ++row) {
        SCOPED_TRACE(row);
        const THelpCommand& command = HelpCommands[static_cast<size_t>(row)];
        EXPECT_EQ(list->item(row)->text(), QString::fromUtf8(command.Caption));
        EXPECT_EQ(IconPicture(list->item(row)->icon()), IconPicture(CommandIcon(command.Command)));
        EXPECT_FALSE(list->item(row)->flags() & Qt::ItemIsEditable);
    }
    EXPECT_EQ(list->focusPolicy(), Qt::NoFocus);
}

TEST_F(InformationDialogTest, VisitAsksTheBrowserForThePageAndTheDialogStays)
{
    TUrlRecorder browser;
    ShowAndActivate(TDialogId::About);
    QTest::mouseClick(DialogControl<QPushButton>(TDialogId::About, "VisitMeBitBtn"), Qt::LeftButton);
    EXPECT_TRUE(GameDialog(TDialogId::About)->isVisible());
    EXPECT_EQ(browser.Opened, QList<QUrl>{QUrl(QString::fromUtf8(AboutTexts::AuthorUrl))});
}

TEST_F(InformationDialogTest, EnterOnTheFocusedVisitButtonOpensThePageInsteadOfClosing)
{
    TUrlRecorder browser;
    ShowAndActivate(TDialogId::About);
    DialogControl<QPushButton>(TDialogId::About, "CloseOK")->setFocus();
    PressKey(GameDialog(TDialogId::About), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), DialogControl<QPushButton>(TDialogId::About, "VisitMeBitBtn"));
    PressKey(GameDialog(TDialogId::About), Qt::Key_Return);
    EXPECT_EQ(browser.Opened.size(), 1);
    EXPECT_TRUE(GameDialog(TDialogId::About)->isVisible());
}

}  // namespace

#include "HelpAboutTest.moc"
