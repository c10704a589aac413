// The record splitting and the export line, on plain strings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/CommaText.h"
#include "storage/ScoreRecordSplit.h"
#include "storage/ScoreRecord.h"

namespace {

using TPieces = std::vector<std::string>;

std::string Q(const std::string& field)
{
    return std::string(ScoreFieldQuote) + field + std::string(ScoreFieldQuote);
}

const std::string Sep(ScoreFieldSeparator);

TEST(ScoreRecordSplit, RecordWrittenByTheStoreGivesItsFiveFields)
{
    const std::string record = ScoreRecord("06.12.2026 14:03:59", "Anna", "0:12:34", 3, "Flat Square");
    EXPECT_EQ(SplitScoreRecord(record), (TPieces{"06.12.2026 14:03:59", "Anna", "0:12:34", "3", "Flat Square"}));
}

TEST(ScoreRecordSplit, FieldsKeepBlanksSeparatorsAndKana)
{
    const std::string record = Q(" 1/2/26 ") + Sep + Q("  はなこ, \"x\" " + Sep + " ") + Sep + Q("0:00:05") + Sep + Q("-1") + Sep + Q("Babel");
    EXPECT_EQ(SplitScoreRecord(record),
              (TPieces{" 1/2/26 ", "  はなこ, \"x\" " + Sep + " ", "0:00:05", "-1", "Babel"}));
}

TEST(ScoreRecordSplit, UnquotedPiecesEndAtBlanksAndDelimiters)
{
    EXPECT_EQ(SplitDelimited("  a b,c ,, d", ",", "\""), (TPieces{"a", "b", "c", "", "d"}));
    EXPECT_EQ(SplitDelimited("a,", ",", "\""), (TPieces{"a", ""}));
    EXPECT_EQ(SplitDelimited("", ",", "\""), TPieces{});
    EXPECT_EQ(SplitDelimited(" \t ", ",", "\""), TPieces{});
}

TEST(ScoreRecordSplit, QuotedPieces)
{
    // A doubled quote inside stands for one; text right after a closing quote starts a new piece.
    EXPECT_EQ(SplitDelimited("\"say \"\"hi\"\"\",x", ",", "\""), (TPieces{"say \"hi\"", "x"}));
    EXPECT_EQ(SplitDelimited("\"ab\"cd", ",", "\""), (TPieces{"ab", "cd"}));
    EXPECT_EQ(SplitDelimited("\"\",\"\"", ",", "\""), (TPieces{"", ""}));
    // Without a closing quote the piece is the rest of the text.
    EXPECT_EQ(SplitDelimited("\"open, end", ",", "\""), (TPieces{"open, end"}));
}

TEST(ScoreRecordSplit, TextEndsAtNul)
{
    EXPECT_EQ(SplitDelimited(std::string("a,b\0,c", 6), ",", "\""), (TPieces{"a", "b"}));
}

TEST(CommaText, QuotesOnlyFieldsThatNeedIt)
{
    EXPECT_EQ(CommaText({"Anna", "0:12:34", "3", "Babel"}), "Anna,0:12:34,3,Babel");
    EXPECT_EQ(CommaText({"Anna Lee", "Smith, J", "say \"hi\"", "tab\there"}),
              "\"Anna Lee\",\"Smith, J\",\"say \"\"hi\"\"\",\"tab\there\"");
    EXPECT_EQ(CommaText({"", "はなこ"}), ",はなこ");
    // A line break inside a name must not start a new record.
    EXPECT_EQ(CommaText({"two\r\nlines", "cr\rx", "lf\ny"}), "\"two\r\nlines\",\"cr\rx\",\"lf\ny\"");
    // A double quote is reason enough on its own, with nothing else to quote for.
    EXPECT_EQ(CommaText({"\"", "a\"b", "\"\""}), "\"\"\"\",\"a\"\"b\",\"\"\"\"\"\"");
}

// A date with a blank stays unquoted; one that would split into two fields does not.
TEST(CommaText, ExportLineQuotesOnlyADateThatHoldsACommaOrAQuote)
{
    const std::pair<const char*, const char*> dates[] = {
        {"06.12.2026 14:03:59", "06.12.2026 14:03:59"},
        {"Mon, 12/7/2026 6:33:48 PM", "\"Mon, 12/7/2026 6:33:48 PM\""},
        {"7 \"Dec\" 2026", "\"7 \"\"Dec\"\" 2026\""},
    };
    for (const auto& [date, written] : dates)
        EXPECT_EQ(ExportLine(date, {"Anna", "0:12:34", "3", "Flat Square"}),
                  std::string(written) + ",Anna,0:12:34,3,\"Flat Square\"\r\n");
}

}  // namespace
