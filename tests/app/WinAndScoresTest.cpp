// The win dialog's Accept, the scores list's rows and the export, without widgets.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/ScoresExport.h"
#include "app/ScoresList.h"
#include "app/WinFlow.h"
#include "storage/ScoreRecord.h"
#include "tests/support/TestStore.h"

namespace {

const std::string Quote = "\xC2\xA0";

class TScoresFlow : public testing::Test {
protected:
    TTestStore Store;
    TRegOptions Options = Store.Options();
    std::filesystem::path Folder = std::filesystem::path(testing::TempDir()) / "tesuli-export";

    void SetUp() override
    {
        std::filesystem::remove_all(Folder);
        std::filesystem::create_directories(Folder);
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }

    static std::string Read(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(TScoresFlow, AnEmptyNameStoresNothingAndANameIsListedAsTyped)
{
    const TWonGame won{"0:12:34", 3, "Babel"};
    EXPECT_EQ(CongratsText(won), "Score: 0:12:34");
    EXPECT_FALSE(AcceptWin(Options, "", won));
    EXPECT_TRUE(ReadScoreRows(Options).Rows.empty());

    EXPECT_TRUE(AcceptWin(Options, " はなこ, \"K\" ", won));
    const std::vector<TScoreRow> rows = ReadScoreRows(Options).Rows;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (TScoreRow{"06.12.2026 14:03:59", " はなこ, \"K\" ", "0:12:34", "3", "Babel"}));
}

// A damaged value is left out and named; every record after it is still listed and exported.
TEST_F(TScoresFlow, EachDamagedValueIsLeftOutAndNamedAndTheRestAreListed)
{
    const TWonGame won{"0:12:34", 3, "Babel"};
    for (const char* player : {"Anna", "Bob", "Cleo", "Dan", "Eve"})
        ASSERT_TRUE(AcceptWin(Options, player, won));
    {
        const auto store = Store.Open();
        store->OpenKey(ScoresKey);
        store->WriteInteger("2", 7);
        store->WriteString("3", Quote + "1/2/26" + Quote);
        store->WriteString("5", "");
    }
    const TScoreList list = ReadScoreRows(Options);
    EXPECT_FALSE(list.Failure);
    EXPECT_EQ(list.Damaged, (std::vector<std::string>{"Invalid data type for '2'", NotARecord("3"), NotARecord("5")}));
    ASSERT_EQ(list.Rows.size(), 2u);
    EXPECT_EQ(list.Rows[1][1], "Dan");
    EXPECT_EQ(ExportText(list.Rows),
              "06.12.2026 14:03:59,Anna,0:12:34,3,Babel\r\n06.12.2026 14:03:59,Dan,0:12:34,3,Babel\r\n");
}

// Past 255 values a count in one byte would wrap to none.
TEST_F(TScoresFlow, EveryValueIsListedHoweverManyThereAre)
{
    {
        const auto store = Store.Open();
        store->OpenKey(ScoresKey);
        for (int k = 1; k <= 300; ++k)
            store->WriteString(std::to_string(k), ScoreRecord("d", "p" + std::to_string(k), "0:00:01", 0, "Babel"));
    }
    const TScoreList list = ReadScoreRows(Options);
    ASSERT_EQ(list.Rows.size(), 300u);
    EXPECT_EQ(list.Rows.back()[1], "p300");
}

TEST_F(TScoresFlow, ExportWritesTheRowsOldestFirstAsTheyAreListed)
{
    const std::vector<TScoreRow> rows{{"06.12.2026 14:03:59", "Anna, \"K\"", "0:12:34", "3", "Flat Square"},
                                      {"07.12.2026", "はなこ", "1:02:05", "0", "Babel"}};
    const std::filesystem::path file = Folder / "scores.csv";
    std::ofstream(file) << "an older and much longer content that must not survive the export";
    SaveExportFile(file.string(), ExportText(rows));
    EXPECT_EQ(Read(file), "06.12.2026 14:03:59,\"Anna, \"\"K\"\"\",0:12:34,3,\"Flat Square\"\r\n"
                          "07.12.2026,はなこ,1:02:05,0,Babel\r\n");
    EXPECT_EQ(ExportSavedText(file.string()), "The file: " + file.string() + "\nhas been saved.");

    SaveExportFile(file.string(), ExportText({}));
    EXPECT_EQ(Read(file), "") << "an empty list gives an empty file";
}

TEST_F(TScoresFlow, AFileThatCannotBeCreatedIsAnErrorNamingItAndTheReason)
{
    const std::string file = (Folder / "no-such-folder" / "scores.csv").string();
    try {
        SaveExportFile(file, "x\r\n");
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + file + "\". " + std::strerror(ENOENT));
    }
}

TEST(ExportFileName, ANameWithoutExtensionGetsTheChosenFiltersOrCsv)
{
    const TExportFilter& csv = ExportFilters[0];
    const TExportFilter& txt = ExportFilters[1];
    const TExportFilter& all = ExportFilters[2];
    EXPECT_EQ(WithDefaultExtension("/tmp/a", csv), "/tmp/a.csv");
    EXPECT_EQ(WithDefaultExtension("/tmp/a", txt), "/tmp/a.txt");
    EXPECT_EQ(WithDefaultExtension("/tmp/a", all), "/tmp/a.csv");
    EXPECT_EQ(WithDefaultExtension("/tmp/a.dat", txt), "/tmp/a.dat");
    EXPECT_EQ(WithDefaultExtension("/tmp/my.folder/a", txt), "/tmp/my.folder/a.txt") << "a dot in a folder's name";
    EXPECT_EQ(WithDefaultExtension("C:\\my.folder\\a", csv), "C:\\my.folder\\a.csv");
}

}  // namespace
