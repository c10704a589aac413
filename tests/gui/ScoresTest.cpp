// The win dialog's name and the scores dialog's list and export.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <fstream>
#include <sstream>

#include "tests/support/GuiFixture.h"
#include "qt/dialogs/NameUnit.h"
#include "qt/dialogs/ScoresUnit.h"
#include "storage/KeyValueStore.h"
#include "storage/RegistryUnit.h"
#include "qt/window/MainUnit.h"

namespace {

class TScores : public TGuiTest {
protected:
    std::filesystem::path ExportFile = StoreFolder().parent_path() / "scores.csv";

    void ShowWin(const QString& time, int32_t hints, const QString& map)
    {
        NameForm->Won = {time.toStdString(), hints, map.toStdString()};
        NameForm->ShowDialog();
    }

    int StoredCount()
    {
        TRegOptions options;
        std::string record;
        int count = 0;
        while (options.ReadScore(static_cast<uint8_t>(count + 1), record))
            ++count;
        return count;
    }

    std::string Written(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(TScores, WinDialogNeedsANameAndStoresItAsTyped)
{
    ShowWin("0:12:34", 3, "Flat Square");
    EXPECT_EQ(NameForm->windowTitle(), "You have won the game!");
    EXPECT_EQ(NameForm->CongratsLabel->text(), "Score: 0:12:34");
    EXPECT_EQ(NameForm->NameLabel->text(), "Please enter your name below:");

    QTest::mouseClick(NameForm->AcceptBitBtn, Qt::LeftButton);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Title, "Error");
    EXPECT_EQ(Messages[0].Text, "Please enter your name first.");
    EXPECT_TRUE(NameForm->isVisible());
    EXPECT_EQ(StoredCount(), 0);

    NameForm->NameEdit->setText(QStringLiteral(" ゆき "));
    QTest::keyClick(NameForm->NameEdit, Qt::Key_Return);
    EXPECT_FALSE(NameForm->isVisible());
    EXPECT_EQ(StoredCount(), 1);

    // The name stays for the next win; Escape cancels and stores nothing.
    ShowWin("0:00:09", 0, "Babel");
    EXPECT_EQ(NameForm->NameEdit->text(), " ゆき ");
    QTest::keyClick(NameForm->NameEdit, Qt::Key_Escape);
    EXPECT_FALSE(NameForm->isVisible());
    EXPECT_EQ(StoredCount(), 1);

    ScoresForm->ShowDialog();
    ASSERT_EQ(ScoresForm->ScoresListView->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = ScoresForm->ScoresListView->topLevelItem(0);
    EXPECT_EQ(row->text(1), " ゆき ");
    EXPECT_EQ(row->text(2), "0:12:34");
    EXPECT_EQ(row->text(3), "3");
    EXPECT_EQ(row->text(4), "Flat Square");
}

TEST_F(TScores, ListIsReadWhenTheHiddenDialogIsShownOnly)
{
    TRegOptions().AddScore("Anna", "0:12:34", 3, "Flat Square");
    MainForm->ScoresAction->trigger();
    ASSERT_EQ(ScoresForm->ScoresListView->topLevelItemCount(), 1);
    TRegOptions().AddScore("Ben", "0:10:00", 0, "Babel");
    MainForm->ScoresAction->trigger();  // already open: only brought to the front
    EXPECT_EQ(ScoresForm->ScoresListView->topLevelItemCount(), 1);
    QTest::mouseClick(ScoresForm->AcceptBitBtn, Qt::LeftButton);
    EXPECT_FALSE(ScoresForm->isVisible());
    MainForm->ScoresAction->trigger();
    ASSERT_EQ(ScoresForm->ScoresListView->topLevelItemCount(), 2);
    EXPECT_EQ(ScoresForm->ScoresListView->topLevelItem(1)->text(1), "Ben");
}

TEST_F(TScores, EnterAndEscapeBothClose)
{
    TRegOptions().AddScore("Anna", "0:12:34", 3, "Flat Square");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        ScoresForm->ShowDialog();
        ScoresForm->ScoresListView->setFocus();
        ScoresForm->ScoresListView->setCurrentItem(ScoresForm->ScoresListView->topLevelItem(0));
        QTest::keyClick(ScoresForm->ScoresListView, key);
        EXPECT_FALSE(ScoresForm->isVisible()) << key;
    }
}

TEST_F(TScores, DialogFramesAndListColumns)
{
    for (const QWidget* dialog : {static_cast<QWidget*>(NameForm), static_cast<QWidget*>(ScoresForm)}) {
        EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowSystemMenuHint);
        EXPECT_FALSE(dialog->isModal());
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    }
    TRegOptions().AddScore("Anna", "0:12:34", 3, "Flat Square");
    ScoresForm->ShowDialog();
    const QTreeWidgetItem* header = ScoresForm->ScoresListView->headerItem();
    const QTreeWidgetItem* row = ScoresForm->ScoresListView->topLevelItem(0);
    ASSERT_NE(row, nullptr);
    const char* captions[] = {"date", "player", "score", "hints", "map"};
    const int widths[] = {130, 130, 60, 40, 116};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignHCenter};
    for (int column = 0; column < 5; ++column) {
        SCOPED_TRACE(captions[column]);
        EXPECT_EQ(header->text(column), captions[column]);
        EXPECT_EQ(ScoresForm->ScoresListView->columnWidth(column), widths[column]);
        EXPECT_EQ(Qt::Alignment(header->textAlignment(column)) & Qt::AlignHorizontal_Mask, alignments[column]);
        EXPECT_EQ(Qt::Alignment(row->textAlignment(column)) & Qt::AlignHorizontal_Mask, alignments[column]);
    }
    EXPECT_EQ(ScoresForm->windowTitle(), "Tesuli Scores");
    EXPECT_EQ(ScoresForm->size(), QSize(497, 535));

    // A long name keeps the columns at their widths: the list cuts it with an ellipsis.
    QTest::keyClick(ScoresForm->ScoresListView, Qt::Key_Escape);
    const QString longName = QString(60, QChar(0x3042));
    TRegOptions().AddScore(longName.toStdString(), "10:12:34", 123, "Flat Square");
    ScoresForm->ShowDialog();
    ASSERT_EQ(ScoresForm->ScoresListView->topLevelItemCount(), 2);
    EXPECT_EQ(ScoresForm->ScoresListView->topLevelItem(1)->text(1), longName);
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(ScoresForm->ScoresListView->columnWidth(column), widths[column]) << column;
    EXPECT_EQ(ScoresForm->ScoresListView->textElideMode(), Qt::ElideRight);
}

TEST_F(TScores, ABadRecordIsReportedOverTheRowsBeforeIt)
{
    TRegOptions().AddScore("Anna", "0:12:34", 3, "Flat Square");
    TRegOptions().AddScore("Ben", "0:10:00", 0, "Babel");
    {
        const auto store = OpenUserStore();
        ASSERT_TRUE(store->OpenKey("Software\\tesuli\\/scores/"));
        ASSERT_TRUE(store->WriteInteger("2", 7));
    }
    MainForm->ScoresAction->trigger();
    EXPECT_TRUE(ScoresForm->isVisible());
    ASSERT_EQ(ScoresForm->ScoresListView->topLevelItemCount(), 1);
    EXPECT_EQ(ScoresForm->ScoresListView->topLevelItem(0)->text(1), "Anna");
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Text, "Invalid data type for '2'");
}

TEST_F(TScores, ExportQuotesWhatNeedsItOldestFirst)
{
    {
        TRegOptions options;
        options.AddScore("Anna", "0:12:34", 3, "Flat Square");
        options.AddScore("Smith, J", "1:00:00", 0, "Babel");
        options.AddScore("say \"hi\"", "0:00:05", 12, "Ridge");
    }
    MainForm->ScoresAction->trigger();
    ASSERT_EQ(ScoresForm->ScoresListView->topLevelItemCount(), 3);
    const auto date = [](int row) { return ScoresForm->ScoresListView->topLevelItem(row)->text(0).toStdString(); };
    Export(ExportFile);
    EXPECT_EQ(Written(ExportFile), date(0) + ",Anna,0:12:34,3,\"Flat Square\"\r\n" +
                                       date(1) + ",\"Smith, J\",1:00:00,0,Babel\r\n" +
                                       date(2) + ",\"say \"\"hi\"\"\",0:00:05,12,Ridge\r\n");
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Title, "Information");
    EXPECT_EQ(Messages[0].Text, "The file: " + QString::fromStdString(ExportFile.string()) + "\nhas been saved.");
}

TEST_F(TScores, EmptyListGivesAnEmptyFileAndReplacesAnOldOne)
{
    std::ofstream(ExportFile) << "old content";
    ScoresForm->ShowDialog();
    Export(ExportFile);
    EXPECT_TRUE(std::filesystem::exists(ExportFile));
    EXPECT_EQ(Written(ExportFile), "");
    EXPECT_EQ(TakeMessages().size(), 1u);
}

TEST_F(TScores, ExportAsksAgainForAnEmptyNameAndStopsWhenCancelled)
{
    ScoresForm->ShowDialog();
    QString filters;
    ScoresForm->ExportDialog = [&](QWidget*, const QString& offered, QString*) -> std::optional<QString> {
        filters = offered;
        return QString();
    };
    QTest::mouseClick(ScoresForm->ExportBitBtn, Qt::LeftButton);
    EXPECT_EQ(filters, "Excel Comma Separated (*.csv) (*.csv);;Text Document (*.txt) (*.txt);;All (*.*) (*)");
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Title, "Error");
    EXPECT_EQ(Messages[0].Text, "Please specify the file name.");

    Messages.clear();
    ScoresForm->ExportDialog = [](QWidget*, const QString&, QString*) -> std::optional<QString> { return std::nullopt; };
    QTest::mouseClick(ScoresForm->ExportBitBtn, Qt::LeftButton);
    EXPECT_TRUE(Messages.empty());
}

TEST_F(TScores, UnwritableFileGivesAnErrorNamingItAndTheReason)
{
    ScoresForm->ShowDialog();
    const std::filesystem::path file = StoreFolder().parent_path() / "no-such-folder" / "scores.csv";
    Export(file);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Kind, TMessageKind::Error);
    EXPECT_EQ(Messages[0].Title, "Tesuli");
    EXPECT_TRUE(Messages[0].Text.contains(QString::fromStdString(file.string())));
    EXPECT_TRUE(Messages[0].Text.contains("No such file or directory"));
    EXPECT_TRUE(ScoresForm->isVisible());
}

TEST_F(TScores, FailedAppendIsReportedAndTheDialogStaysOpen)
{
    ShowWin("0:12:34", 3, "Babel");
    NameForm->NameEdit->setText(QStringLiteral("Anna"));
    std::filesystem::remove_all(StoreFolder());
    std::filesystem::create_directories(StoreFolder() / "registry.sqlite3");
    QTest::mouseClick(NameForm->AcceptBitBtn, Qt::LeftButton);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Title, "Tesuli");
    EXPECT_EQ(Messages[0].Kind, TMessageKind::Error);
    EXPECT_TRUE(NameForm->isVisible());
}

}  // namespace
