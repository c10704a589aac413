// The help and about dialogs' own widgets: where they reopen, the help text and command list, the
// browser asked for the website.
#include "DialogTestSupport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTreeWidget>
#include <QTextEdit>
#include <QPushButton>
#include <QTextLayout>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include "app/InfoTexts.h"
#include "app/Manual.h"
#include "qt/dialogs/BrowserStart.h"
#include "model/TilePlacement.h"
#include "qt/common/Artwork.h"
#include "qt/window/MainUnit.h"

namespace {

// Stands in for the user's browser.
class TUrlRecorder {
public:
    TUrlRecorder()
    {
        SetBrowserStart([this](const QUrl& url, const std::function<void()>&) { Opened << url; });
    }
    ~TUrlRecorder() { SetBrowserStart({}); }

    QList<QUrl> Opened;
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

TEST_F(InformationDialogTest, HelpBoxHoldsTheHelpText)
{
    const auto* memo = DialogControl<QTextEdit>(TDialogId::Help, "HelpMemo");
    EXPECT_EQ(memo->toPlainText(), QString::fromStdString(HelpText()));
    EXPECT_TRUE(memo->toPlainText().contains(QStringLiteral("a collection of %1 tiles.").arg(TileCount))) << "the game's own count";
    EXPECT_EQ(memo->focusPolicy(), Qt::StrongFocus) << "reached by Tab, to scroll by the keys";
}

// The help's kana come from the tiles' own font, whatever the system has.
TEST_F(InformationDialogTest, HelpTextTakesItsKanaFromTheTilesFont)
{
    const auto* memo = DialogControl<QTextEdit>(TDialogId::Help, "HelpMemo");
    const QString kanaFamily = QStringLiteral("Tesuli Kana");
    for (const QString& text : {QStringLiteral("ゐ"), QStringLiteral("きゃ")}) {
        SCOPED_TRACE(text.toStdString());
        QTextLayout layout(text, memo->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        ASSERT_EQ(runs.size(), 1);
        EXPECT_EQ(runs.front().rawFont().familyName(), kanaFamily);
    }
}

// Each description starts in its own column, after the widest name with its picture.
TEST_F(InformationDialogTest, CommandListPairsEachNameAndPictureWithItsDescriptionInAColumn)
{
    const auto* list = DialogControl<QTreeWidget>(TDialogId::Help, "MenuListView");
    ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(HelpCommands.size()));
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        SCOPED_TRACE(row);
        const THelpCommand& command = HelpCommands[static_cast<size_t>(row)];
        const QTreeWidgetItem* item = list->topLevelItem(row);
        EXPECT_EQ(item->text(0), QString::fromUtf8(command.Name));
        EXPECT_EQ(item->text(1), QString::fromUtf8(command.Description));
        EXPECT_EQ(IconPicture(item->icon(0)), IconPicture(CommandIcon(command.Command)));
        EXPECT_GT(list->columnWidth(0), list->iconSize().width() + list->fontMetrics().horizontalAdvance(item->text(0)));
        EXPECT_FALSE(item->flags() & Qt::ItemIsEditable);
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(item))) << "every command in view";
    }
    EXPECT_EQ(list->focusPolicy(), Qt::NoFocus);
}

// The address reaches the browser as the local file the dialog names.
TEST_F(InformationDialogTest, TheManualButtonAsksTheBrowserForTheManualAndTheDialogStays)
{
    TUrlRecorder browser;
    ShowAndActivate(TDialogId::About);
    QTest::mouseClick(DialogControl<QPushButton>(TDialogId::About, "VisitMeBitBtn"), Qt::LeftButton);
    EXPECT_TRUE(GameDialog(TDialogId::About)->isVisible());
    ASSERT_EQ(browser.Opened.size(), 1);
    const QString file = browser.Opened[0].toLocalFile();
    EXPECT_EQ(QFileInfo(file).fileName(), QStringLiteral("manual.html"));
    EXPECT_EQ(DialogControl<QLabel>(TDialogId::About, "UrlLabel")->text(), QStringLiteral("Manual: ") + QDir::toNativeSeparators(file));
}

// The launcher's own end tells whether a browser came up: one that ends with an error is said so,
// with where the manual lies, and the dialog stays.
TEST_F(InformationDialogTest, ABrowserLauncherThatFailsIsSaidSoWithTheManualsPath)
{
    const QString folder = QDir::temp().filePath(QStringLiteral("tesuli-launcher"));
    QDir(folder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString opened = QDir(folder).filePath(QStringLiteral("opened"));
    const QByteArray path = qgetenv("PATH");
    struct TCase {
        const char* Name;
        int Exit;
        bool Told;
    };
    for (const TCase test : {TCase{"started", 0, false}, TCase{"failed", 3, true}}) {
        SCOPED_TRACE(test.Name);
        QFile launcher(QDir(folder).filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(launcher.open(QIODevice::WriteOnly | QIODevice::Truncate));
        launcher.write("#!/bin/sh\necho \"$1\" > '" + opened.toUtf8() + "'\nexit " + QByteArray::number(test.Exit) + "\n");
        launcher.close();
        launcher.setPermissions(launcher.permissions() | QFile::ExeOwner);
        QFile::remove(opened);
        qputenv("PATH", folder.toUtf8() + ":" + path);
        ShowAndActivate(TDialogId::About);
        QTest::mouseClick(DialogControl<QPushButton>(TDialogId::About, "VisitMeBitBtn"), Qt::LeftButton);
        qputenv("PATH", path);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(opened); }, 20000)) << "the launcher ran";
        // The launcher that started a browser is given a moment to be seen to say nothing.
        static_cast<void>(QTest::qWaitFor([&] { return !Messages.empty(); }, test.Told ? 20000 : 500));
        const std::filesystem::path manual = *FindManual(GameDialog(TDialogId::About)->ProgramFolder());
        EXPECT_EQ(TakeMessages(), test.Told ? std::vector<QString>{QString::fromStdString(NoBrowserText(manual))}
                                           : std::vector<QString>{});
        EXPECT_TRUE(GameDialog(TDialogId::About)->isVisible());
    }
    QDir(folder).removeRecursively();
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
