// Reading a kana's reading from the letters typed on the board, and the command keys' table.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/MainWindowLayout.h"
#include "app/ReadingSpellings.h"
#include "app/TypedReading.h"
#include "model/Game.h"

namespace {

using enum TTyped::TKind;

uint8_t FaceOf(std::string_view reading, const std::array<TKanaId, FaceCount>& faceKana)
{
    for (size_t face = 0; face < faceKana.size(); ++face)
        if (KanaCatalogue[faceKana[face]].Reading == reading)
            return static_cast<uint8_t>(face);
    ADD_FAILURE() << reading << " is on no face";
    return 0;
}

// A game whose faces stand for voiced and combined kana too; the rest keep the designed kana.
std::array<TKanaId, FaceCount> LargerGame()
{
    std::array<TKanaId, FaceCount> faceKana = DesignedFaceKana();
    const char* extra[] = {"sha", "ji", "nya"};
    for (size_t i = 0; i < std::size(extra); ++i)
        faceKana[i] = KanaOfReading(extra[i]);  // in place of a, i, e
    return faceKana;
}

// Types the keys: letters as they are, "<" Backspace, "!" Escape, "#" Enter, "_" a blank. Answers
// what the last key did.
TTyped Type(TTypedReading& typing, std::string_view keys, std::span<const TSpelling> spellings)
{
    TTyped last;
    for (const char key : keys)
        switch (key) {
        case '<': last = typing.Key(TTypingKey::Backspace, spellings); break;
        case '!': last = typing.Key(TTypingKey::Escape, spellings); break;
        case '#': last = typing.Key(TTypingKey::Enter, spellings); break;
        case '_': last = typing.Key(TTypingKey::Space, spellings); break;
        default: last = typing.Letter(key, spellings); break;
        }
    return last;
}

struct TTypingCase {
    bool Larger;  // the larger game, else the designed one
    std::string_view Keys;
    TTyped::TKind Kind;
    std::string_view Letters;  // what the last key leaves shown or read
    std::string_view Kana;     // the reading of the kana read, for Read
};

TEST(TypedReading, LettersAreReadAsTheKanaTheySpell)
{
    const TTypingCase cases[] = {
        {false, "ka", Read, "ka", "ka"},
        {false, "k", Editing, "k", ""},
        {false, "KA", Read, "ka", "ka"},
        {false, "si", Read, "si", "shi"},
        // n begins na, ni ... and nn: it waits, and Enter or a blank takes the shorter reading.
        {false, "n", Editing, "n", ""},
        {false, "n#", Read, "n", "n"},
        {false, "n_", Read, "n", "n"},
        {false, "nn", Read, "nn", "n"},
        {false, "na", Read, "na", "na"},
        {false, "kx", NoReading, "kx", ""},
        {false, "k#", NoReading, "k", ""},
        {false, "#", Editing, "", ""},
        {false, "z", NoReading, "z", ""},  // じ is not in the designed game
        {false, "qa", Read, "a", "a"},     // a letter after a cleared one starts afresh
        // Backspace edits, Escape clears.
        {false, "k<a", Read, "a", "a"},
        {false, "sh!i", Read, "i", "i"},
        // The larger game's kana and their spellings.
        {true, "sya", Read, "sya", "sha"},
        {true, "zi", Read, "zi", "ji"},
        {true, "ny", Editing, "ny", ""},
        {true, "nya", Read, "nya", "nya"},
    };
    for (const TTypingCase& test : cases) {
        SCOPED_TRACE(std::string(test.Keys) + (test.Larger ? " in the larger game" : ""));
        const std::array<TKanaId, FaceCount> faceKana = test.Larger ? LargerGame() : DesignedFaceKana();
        const std::vector<TSpelling> spellings = FaceSpellings(faceKana);
        TTypedReading typing;
        const TTyped typed = Type(typing, test.Keys, spellings);
        EXPECT_EQ(typed.Kind, test.Kind);
        EXPECT_EQ(typed.Letters, test.Letters);
        if (test.Kind == Read) {
            EXPECT_EQ(typed.Face, FaceOf(test.Kana, faceKana));
        }
        EXPECT_EQ(typing.Letters(), test.Kind == Editing ? test.Letters : "") << "a finished reading starts afresh";
    }
}

// ぢ and づ sound as じ and ず: typed so, they are read where those are on no face, and stand in for
// them where those are.
TEST(TypedReading, JiAndZuReachDiAndDuWhichSoundAlike)
{
    std::array<TKanaId, FaceCount> withJi = DesignedFaceKana();
    std::array<TKanaId, FaceCount> withoutJi = DesignedFaceKana();
    withJi[0] = withoutJi[0] = KanaOfReading("di");
    withJi[1] = withoutJi[1] = KanaOfReading("du");
    withJi[2] = KanaOfReading("ji");
    withJi[3] = KanaOfReading("zu");
    const struct {
        const std::array<TKanaId, FaceCount>* Game;
        std::string_view Keys;
        std::string_view Kana;        // the reading read
        std::string_view StandIn;     // the reading of the kana that stands in for it, if any
    } cases[] = {
        {&withoutJi, "ji", "di", ""}, {&withoutJi, "zi", "di", ""}, {&withoutJi, "zu", "du", ""},
        {&withoutJi, "di", "di", ""}, {&withJi, "ji", "ji", "di"},  {&withJi, "zu", "zu", "du"},
        {&withJi, "du", "du", ""},    {&withJi, "zi", "ji", "di"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::string(test.Keys) + (test.Game == &withJi ? " with ji" : " without ji"));
        TTypedReading typing;
        const TTyped typed = Type(typing, test.Keys, FaceSpellings(*test.Game));
        ASSERT_EQ(typed.Kind, Read);
        EXPECT_EQ(typed.Face, FaceOf(test.Kana, *test.Game));
        EXPECT_EQ(SoundAlikeFace(*test.Game, typed.Face),
                  test.StandIn.empty() ? std::nullopt : std::optional<uint8_t>(FaceOf(test.StandIn, *test.Game)));
    }
}

// Each kana's spellings; no spelling names two kana of the catalogue, or one would take the
// other's pair.
TEST(TypedReading, LearnersSpellingsStandBesideHepburnAndNameOneKanaEach)
{
    const std::pair<std::string_view, std::vector<std::string>> cases[] = {
        {"ka", {"ka"}},          {"shi", {"shi", "si"}},  {"chi", {"chi", "ti"}},
        {"tsu", {"tsu", "tu"}},  {"fu", {"fu", "hu"}},    {"ji", {"ji", "zi"}},
        {"n", {"n", "nn"}},      {"sho", {"sho", "syo"}}, {"cha", {"cha", "tya", "cya"}},
        {"ju", {"ju", "zyu", "jyu"}},
    };
    for (const auto& [reading, spellings] : cases)
        EXPECT_EQ(Spellings(reading), spellings) << reading;
    std::map<std::string, std::string_view> owner;
    for (const TCatalogueKana& kana : KanaCatalogue)
        for (const std::string& spelling : Spellings(kana.Reading)) {
            const auto [at, added] = owner.try_emplace(spelling, kana.Reading);
            EXPECT_TRUE(added) << spelling << " spells " << at->second << " and " << kana.Reading;
        }
}

TEST(CommandKeys, EveryPlatformGetsItsOwnKeysFromTheOneTable)
{
    struct TCase {
        TCommandId Command;
        TPlatform Platform;
        std::string_view Menu;
        std::string_view Tooltip;
    };
    const TCase cases[] = {
        {TCommandId::NewGame, TPlatform::Linux, "&New Game\tF2", "New Game (F2)"},
        {TCommandId::Undo, TPlatform::Windows, "&Undo\tCtrl+Z", "Undo (Ctrl+Z)"},
        {TCommandId::Exit, TPlatform::Linux, "E&xit\tCtrl+Q", "Exit (Ctrl+Q)"},
        {TCommandId::Exit, TPlatform::Windows, "E&xit\tAlt+F4", "Exit (Alt+F4)"},
        {TCommandId::Shuffle, TPlatform::Windows, "Shu&ffle\tCtrl+R", "Shuffle (Ctrl+R)"},
        {TCommandId::About, TPlatform::Linux, "&About", "About Tesuli"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(LookOf(test.Command).ActionName);
        EXPECT_EQ(MenuItemText(test.Command, test.Platform), test.Menu);
        EXPECT_EQ(TooltipText(test.Command, test.Platform), test.Tooltip);
    }
    EXPECT_EQ(ShortcutsOf(TCommandId::NewGame, TPlatform::Windows),
              (std::vector<TShortcut>{FunctionKey(2), CtrlKey('N')}));
}

// A plain letter spells a reading, and a key that two commands share runs only one of them; an
// access letter the caption lacks underlines nothing, and two in one menu leave the player to choose.
TEST(CommandKeys, KeysAreNeverPlainLettersNorSharedAndAccessLettersStandOncePerMenu)
{
    for (const TPlatform platform : {TPlatform::Linux, TPlatform::Windows}) {
        std::set<std::string> seen;
        for (const TCommandLook& look : CommandLooks)
            for (const TShortcut& key : ShortcutsOf(static_cast<TCommandId>(&look - CommandLooks.data()), platform)) {
                EXPECT_TRUE(key.Function != 0 || key.Ctrl || key.Alt) << ShortcutText(key);
                EXPECT_TRUE(seen.insert(ShortcutText(key)).second) << ShortcutText(key);
            }
    }
    std::set<char> titles;
    for (const TMenuLayout& menu : Menus) {
        EXPECT_NE(MenuCaption(menu.Caption, menu.AccessKey).find('&'), std::string::npos) << menu.Caption;
        EXPECT_TRUE(titles.insert(menu.AccessKey).second) << menu.Caption;
        std::set<int> items;
        for (const TMenuItem& item : menu.Items) {
            const TCommandLook& look = LookOf(item.Command);
            EXPECT_NE(MenuCaption(look.Caption, look.AccessKey).find('&'), std::string::npos) << look.Caption;
            EXPECT_TRUE(items.insert(std::tolower(look.AccessKey)).second) << look.Caption;
        }
    }
}

}  // namespace
