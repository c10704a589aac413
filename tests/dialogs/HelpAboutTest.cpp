#include "DialogTestSupport.h"

#include "qt/dialogs/AboutUnit.h"
#include "qt/dialogs/HelpUnit.h"
#include "qt/common/Artwork.h"
#include "qt/window/MainUnit.h"

#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

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

TEST_F(InformationDialogTest, EscapeAndEnterHideAndTheNextCommandShowsThemWhereTheyWereLeft)
{
    const std::pair<TTesuliDialog*, QPushButton*> dialogs[] = {{HelpForm, HelpForm->CloseBtn},
                                                               {AboutForm, AboutForm->CloseOK}};
    for (const auto& [dialog, closeButton] : dialogs) {
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            SCOPED_TRACE(dialog->windowTitle().toStdString() + (key == Qt::Key_Escape ? " Esc" : " Enter"));
            ShowAndActivate(dialog);
            closeButton->setFocus();  // Enter on another focused button would press that one
            const QPoint leftAt = dialog->pos() + QPoint(17, 11);
            dialog->move(leftAt);
            PressKey(dialog, key);
            EXPECT_FALSE(dialog->isVisible());
            ShowAndActivate(dialog);
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(dialog->pos(), leftAt);
            dialog->hide();
        }
    }
}

TEST_F(InformationDialogTest, ShowingAnOpenDialogOnlyBringsItToTheFront)
{
    for (TTesuliDialog* dialog : std::initializer_list<TTesuliDialog*>{HelpForm, AboutForm}) {
        ShowAndActivate(dialog);
        const QPoint leftAt = dialog->pos() + QPoint(5, 9);
        dialog->move(leftAt);
        ShowAndActivate(dialog);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->pos(), leftAt) << "an open dialog is not centred again";
    }
}

TEST_F(InformationDialogTest, HelpTextKeepsItsLinesAndTheirTrailingSpaces)
{
    const QStringList lines = HelpForm->HelpMemo->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 20);
    for (int line = 1; line <= 20; ++line) {
        const bool continued = QList<int>{3, 4, 7, 12, 13, 14, 19}.contains(line);
        const bool empty = QList<int>{2, 6, 9, 11, 16, 18}.contains(line);
        SCOPED_TRACE(line);
        EXPECT_EQ(lines[line - 1].isEmpty(), empty);
        EXPECT_EQ(lines[line - 1].endsWith(QLatin1Char(' ')), continued);
    }
    EXPECT_EQ(lines[9], QStringLiteral("THE GAME RULES"));
    EXPECT_TRUE(lines[11].contains(QStringLiteral("a collection of %1 tiles.").arg(TileCount))) << "the game's own count";
    EXPECT_TRUE(HelpForm->HelpMemo->isReadOnly());
    EXPECT_EQ(HelpForm->HelpMemo->focusPolicy(), Qt::NoFocus);
}

TEST_F(InformationDialogTest, CommandListPairsEachCaptionWithItsCommandsIcon)
{
    const std::pair<QString, TCommandIcon> expected[] = {
        {QStringLiteral("   New Game    -  Start a new game"), TCommandIcon::NewGame},
        {QStringLiteral("   View Scores  -  The last 31 completed games are listed by the date"), TCommandIcon::Scores},
        {QStringLiteral("   Hint               -  A suggestion of a move with a ten seconds penalty applied"), TCommandIcon::Hint},
        {QStringLiteral("   Shuffle          -  Rearrange randomly the tiles"), TCommandIcon::Shuffle},
        {QStringLiteral("   Undo            -   96 levels of undo. Shuffling makes the undo start from 0"), TCommandIcon::Undo},
        {QStringLiteral("   Options         -  Choose options. Changing the map restarts the game"), TCommandIcon::Options},
        {QStringLiteral("   Help             -  Displays this window"), TCommandIcon::Help},
        {QStringLiteral("   About           -  Displays a short note about the authors of the program"), TCommandIcon::About},
    };
    QListWidget* list = HelpForm->MenuListView;
    ASSERT_EQ(list->count(), 8);
    for (int row = 0; row < 8; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(list->item(row)->text(), expected[row].first);
        EXPECT_EQ(IconPicture(list->item(row)->icon()), IconPicture(CommandIcon(expected[row].second)));
        EXPECT_FALSE(list->item(row)->flags() & Qt::ItemIsEditable);
    }
    EXPECT_EQ(list->focusPolicy(), Qt::NoFocus);
}

TEST_F(InformationDialogTest, CloseIsTheDefaultButtonAndHasTheFocusAtTheFirstOpening)
{
    TAboutForm about(MainForm);
    ShowAndActivate(&about);
    EXPECT_EQ(QApplication::focusWidget(), about.CloseOK);
    EXPECT_TRUE(about.CloseOK->isDefault());
    THelpForm help(MainForm);
    ShowAndActivate(&help);
    EXPECT_EQ(QApplication::focusWidget(), help.CloseBtn);
    EXPECT_TRUE(help.CloseBtn->isDefault());
}

TEST_F(InformationDialogTest, EachPressOfVisitAsksTheBrowserOnceAndTheDialogStays)
{
    TUrlRecorder browser;
    ShowAndActivate(AboutForm);
    QTest::mouseClick(AboutForm->VisitMeBitBtn, Qt::LeftButton);
    EXPECT_TRUE(AboutForm->isVisible());
    QTest::mouseClick(AboutForm->VisitMeBitBtn, Qt::LeftButton);
    EXPECT_TRUE(AboutForm->isVisible());
    ASSERT_EQ(browser.Opened.size(), 2);
    EXPECT_EQ(browser.Opened[0], TAboutForm::AuthorUrl);
    EXPECT_EQ(browser.Opened[1], TAboutForm::AuthorUrl);
    EXPECT_TRUE(AboutForm->UrlLabel->text().endsWith(TAboutForm::AuthorUrl.toString()));
}

TEST_F(InformationDialogTest, EnterOnTheFocusedVisitButtonOpensThePageInsteadOfClosing)
{
    TUrlRecorder browser;
    ShowAndActivate(AboutForm);
    AboutForm->CloseOK->setFocus();
    PressKey(AboutForm, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), AboutForm->VisitMeBitBtn);
    PressKey(AboutForm, Qt::Key_Return);
    EXPECT_EQ(browser.Opened.size(), 1);
    EXPECT_TRUE(AboutForm->isVisible());
}

}  // namespace

#include "HelpAboutTest.moc"
