// Reading a kana's reading from the letters typed on the board, and the command keys' table.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/ReadingSpellings.h"
#include "app/TypedReading.h"
#include "model/Game.h"

namespace {

using enum TTyped::TKind;

// Keys: letters as they are, "<" Backspace, "!" Escape, "#" Enter, "_" a blank; Letters: what the
// last key leaves shown or read. n begins na, so it waits; a letter after a finished reading starts
// afresh. The larger game has sha, ji and nya on faces 0-2.
TEST(TypedReading, LettersAreReadAsTheKanaTheySpell)
{
    const struct {
        bool Larger;
        std::string_view Keys, Letters, Kana;
        TTyped::TKind Kind;
    } cases[] = {
        {false, "KA", "ka", "ka", Read},   {false, "si", "si", "shi", Read},  {false, "n", "n", "", Editing},
        {false, "n#", "n", "n", Read},     {false, "n_", "n", "n", Read},     {false, "nn", "nn", "n", Read},
        {false, "na", "na", "na", Read},   {false, "kx", "kx", "", NoReading}, {false, "k#", "k", "", NoReading},
        {false, "#", "", "", Editing},     {false, "z", "z", "", NoReading},  // じ is not in the designed game
        {false, "qa", "a", "a", Read},     {false, "k<a", "a", "a", Read},    {false, "sh!i", "i", "i", Read},
        {true, "sya", "sya", "sha", Read}, {true, "zi", "zi", "ji", Read},    {true, "ny", "ny", "", Editing},
        {true, "nya", "nya", "nya", Read},
    };
    std::array<TKanaId, FaceCount> larger = DesignedFaceKana();
    larger[0] = KanaOfReading("sha");
    larger[1] = KanaOfReading("ji");
    larger[2] = KanaOfReading("nya");
    for (const auto& test : cases) {
        SCOPED_TRACE(std::string(test.Keys) + (test.Larger ? " in the larger game" : ""));
        const std::array<TKanaId, FaceCount> faceKana = test.Larger ? larger : DesignedFaceKana();
        const std::vector<TSpelling> spellings = FaceSpellings(faceKana);
        TTypedReading typing;
        TTyped typed;
        for (const char key : test.Keys) {
            constexpr std::string_view Special = "<!#_";
            constexpr TTypingKey Keys[] = {TTypingKey::Backspace, TTypingKey::Escape, TTypingKey::Enter, TTypingKey::Space};
            const size_t special = Special.find(key);
            typed = special == Special.npos ? typing.Letter(key, spellings) : typing.Key(Keys[special], spellings);
        }
        EXPECT_EQ(typed.Kind, test.Kind);
        EXPECT_EQ(typed.Letters, test.Letters);
        if (test.Kind == Read) {
            EXPECT_EQ(KanaCatalogue[faceKana[typed.Face]].Reading, test.Kana);
        }
        EXPECT_EQ(typing.Letters(), test.Kind == Editing ? test.Letters : "") << "a finished reading starts afresh";
    }
}

// No spelling names two kana of the catalogue, or one would take the other's pair.
TEST(TypedReading, LearnersSpellingsStandBesideHepburnAndNameOneKanaEach)
{
    EXPECT_EQ(Spellings("cha"), (std::vector<std::string>{"cha", "tya", "cya"}));
    EXPECT_EQ(Spellings("ju"), (std::vector<std::string>{"ju", "zyu", "jyu"}));
    std::map<std::string, std::string_view> owner;
    for (const TCatalogueKana& kana : KanaCatalogue)
        for (const std::string& spelling : Spellings(kana.Reading)) {
            const auto [at, added] = owner.try_emplace(spelling, kana.Reading);
            EXPECT_TRUE(added) << spelling << " spells " << at->second << " and " << kana.Reading;
        }
}

// A plain letter spells a reading, and a key that two commands share runs only one of them.
TEST(CommandKeys, KeysAreNeverPlainLettersNorShared)
{
    for (const TPlatform platform : {TPlatform::Linux, TPlatform::Windows}) {
        std::set<std::string> seen;
        for (const TCommandLook& look : CommandLooks)
            for (const TShortcut& key : ShortcutsOf(static_cast<TCommandId>(&look - CommandLooks.data()), platform)) {
                EXPECT_TRUE(key.Function != 0 || key.Ctrl || key.Alt) << ShortcutText(key);
                EXPECT_TRUE(seen.insert(ShortcutText(key)).second) << ShortcutText(key);
            }
    }
}

}  // namespace
