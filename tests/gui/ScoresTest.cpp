// The win dialog's name box and the scores dialog's list and export, as the widgets carry them.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>


#include "app/NameDialog.h"
#include "app/ScoresList.h"
#include "qt/dialogs/SaveFileDialog.h"
#include "qt/window/MainUnit.h"
#include "storage/RegistryUnit.h"
#include "tests/support/GuiFixture.h"

namespace {

class TScores : public TGuiTest {
protected:
    std::filesystem::path ExportFile = StoreFolder().parent_path() / "scores.csv";

    static void ShowWin(const std::string& time, int32_t hints, const std::string& map)
    {
        static_cast<TNameDialog&>(MainForm->MidEnd.Dialog(TDialogId::Name)).Won = {time, hints, map};
        ShowAndActivate(TDialogId::Name);
    }

    static QLineEdit* NameEdit() { return DialogControl<QLineEdit>(TDialogId::Name, "NameEdit"); }
    static QTreeWidget* List() { return DialogControl<QTreeWidget>(TDialogId::Scores, "ScoresListView"); }

    static int StoredCount()
    {
        TRegOptions options;
        std::string record;
        int count = 0;
        while (options.ReadScore(static_cast<uint8_t>(count + 1), record))
            ++count;
        return count;
    }
};

// Enter in the name box accepts, Escape cancels once the player says so; the box keeps what was
// typed for the next win.
TEST_F(TScores, WinDialogTakesTheNameTypedWithEnterAndKeepsItForTheNextWin)
{
    ShowWin("0:12:34", 3, "Flat Square");
    EXPECT_EQ(QApplication::focusWidget(), NameEdit());
    TypeText(NameEdit(), QStringLiteral(" ゆき "));
    QTest::keyClick(NameEdit(), Qt::Key_Return);
    EXPECT_FALSE(GameDialog(TDialogId::Name)->isVisible());
    EXPECT_EQ(StoredCount(), 1);

    ShowWin("0:00:09", 0, "Babel");
    EXPECT_EQ(NameEdit()->text(), " ゆき ");
    Recorder.Answer = true;
    QTest::keyClick(NameEdit(), Qt::Key_Escape);
    EXPECT_EQ(Recorder.Questions.size(), 1u);
    EXPECT_FALSE(GameDialog(TDialogId::Name)->isVisible());
    EXPECT_EQ(StoredCount(), 1);

    ShowAndActivate(TDialogId::Scores);
    ASSERT_EQ(List()->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = List()->topLevelItem(0);
    EXPECT_EQ(row->text(1), " ゆき ");
    EXPECT_EQ(row->text(2), "0:12:34");
    EXPECT_EQ(row->text(3), "3");
    EXPECT_EQ(row->text(4), "Flat Square");
}

// The list is read each time the hidden dialog is shown, and only then.
TEST_F(TScores, ListIsReadWhenTheHiddenDialogIsShownOnly)
{
    TRegOptions().AddScore("Anna", "0:12:34", 3, "Flat Square");
    CommandAction(TCommandId::Scores)->trigger();
    ASSERT_EQ(List()->topLevelItemCount(), 1);
    TRegOptions().AddScore("Ben", "0:10:00", 0, "Babel");
    CommandAction(TCommandId::Scores)->trigger();  // already open: only brought to the front
    EXPECT_EQ(List()->topLevelItemCount(), 1);
    QTest::mouseClick(DialogControl<QPushButton>(TDialogId::Scores, "AcceptBitBtn"), Qt::LeftButton);
    EXPECT_FALSE(GameDialog(TDialogId::Scores)->isVisible());
    CommandAction(TCommandId::Scores)->trigger();
    ASSERT_EQ(List()->topLevelItemCount(), 2);
    EXPECT_EQ(List()->topLevelItem(1)->text(1), "Ben");
}

// Keys pressed in the list still reach the dialog's buttons.
TEST_F(TScores, EnterAndEscapeInTheListBothClose)
{
    TRegOptions().AddScore("Anna", "0:12:34", 3, "Flat Square");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        ShowAndActivate(TDialogId::Scores);
        List()->setFocus();
        List()->setCurrentItem(List()->topLevelItem(0));
        QTest::keyClick(List(), key);
        EXPECT_FALSE(GameDialog(TDialogId::Scores)->isVisible()) << key;
    }
}

TEST_F(TScores, ListColumnsAsTheTableSays)
{
    TRegOptions().AddScore("Anna", "0:12:34", 3, "Flat Square");
    ShowAndActivate(TDialogId::Scores);
    const QTreeWidgetItem* header = List()->headerItem();
    const QTreeWidgetItem* row = List()->topLevelItem(0);
    ASSERT_NE(row, nullptr);
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int column = 0; column < ScoreColumnCount; ++column) {
        const TScoreColumn& expected = ScoreColumns[static_cast<size_t>(column)];
        SCOPED_TRACE(expected.Caption);
        EXPECT_EQ(header->text(column), expected.Caption);
        EXPECT_EQ(List()->columnWidth(column), expected.Width);
        const Qt::Alignment alignment = alignments[static_cast<int>(expected.Alignment)];
        EXPECT_EQ(Qt::Alignment(header->textAlignment(column)) & Qt::AlignHorizontal_Mask, alignment);
        EXPECT_EQ(Qt::Alignment(row->textAlignment(column)) & Qt::AlignHorizontal_Mask, alignment);
    }
    EXPECT_FALSE(List()->header()->stretchLastSection());

    // A long name keeps the columns at their widths: the list cuts it with an ellipsis, its tooltip
    // shows it whole.
    QTest::keyClick(List(), Qt::Key_Escape);
    const QString longName = QString(60, QChar(0x3042));
    TRegOptions().AddScore(longName.toStdString(), "10:12:34", 123, "Flat Square");
    ShowAndActivate(TDialogId::Scores);
    ASSERT_EQ(List()->topLevelItemCount(), 2);
    EXPECT_EQ(List()->topLevelItem(1)->text(1), longName);
    EXPECT_EQ(List()->topLevelItem(1)->toolTip(1), longName) << "what the column cuts is read whole in the tooltip";
    for (int column = 0; column < ScoreColumnCount; ++column)
        EXPECT_EQ(List()->columnWidth(column), ScoreColumns[static_cast<size_t>(column)].Width) << column;
    EXPECT_EQ(List()->textElideMode(), Qt::ElideRight);
}

// Qt shows what stands before a filter's last parentheses and matches by what is in them; the
// filter in use when the dialog closes decides the extension.
TEST_F(TScores, SaveDialogOffersTheExportsFiltersAndTellsWhichWasChosen)
{
    ShowAndActivate(TDialogId::Scores);
    QString offered;
    QString proposed;
    SetSaveFileDialog([&](QWidget*, const QString& filters, QString* selected, const QString& file) -> std::optional<QString> {
        offered = filters;
        proposed = file;
        *selected = filters.split(QStringLiteral(";;")).at(1);
        return QString::fromStdString((ExportFile.parent_path() / "listed").string());
    });
    QTest::mouseClick(DialogControl<QPushButton>(TDialogId::Scores, "ExportBitBtn"), Qt::LeftButton);
    EXPECT_EQ(offered, "Excel Comma Separated (*.csv) (*.csv);;Text Document (*.txt) (*.txt);;All (*.*) (*)");
    EXPECT_EQ(proposed, QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                            .filePath(QStringLiteral("tesuli-scores.csv")));
    EXPECT_TRUE(std::filesystem::exists(ExportFile.parent_path() / "listed.txt"));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Title, "Information");
}

// An error in a dialog's click is shown over the dialog, which stays open to try again.
TEST_F(TScores, UnwritableFileIsReportedAndTheDialogStaysOpen)
{
    ShowAndActivate(TDialogId::Scores);
    const std::filesystem::path file = StoreFolder().parent_path() / "no-such-folder" / "scores.csv";
    Export(file);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Messages[0].Title, "Tesuli");
    EXPECT_TRUE(Messages[0].Text.contains(QString::fromStdString(file.string())));
    EXPECT_TRUE(GameDialog(TDialogId::Scores)->isVisible());
}

}  // namespace
