// The main window's creation, the options dialog's Accept and Cancel, and the main window's answer.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "app/MainFlow.h"
#include "app/OptionsFlow.h"
#include "model/MapUnit.h"
#include "tests/support/RecordingEffects.h"
#include "tests/support/InstrumentedStore.h"
#include "tests/support/TestStore.h"
#include "tests/support/SeededRandom.h"

// Found by GoogleTest beside TSettings, for readable failures.
void PrintTo(const TSettings& s, std::ostream* out)
{
    *out << "{face " << +s.FaceStyle << ", bgd " << +s.BackgroundIndex << ", mapId " << +s.MapId << ", hint "
         << +s.HintSpeed << ", kana " << +s.Kana << ", readings " << +s.Readings << ", kanaset " << +s.KanaSet << ", practice " << +s.Practice
         << "}";
}

namespace {

class TFlowTest : public testing::Test {
protected:
    TTestStore Store;
    TRegOptions Options = Store.Options();

    void Seed(const TSettings& settings)
    {
        Options.Write(Setting("face"), settings.FaceStyle);
        Options.Write(Setting("bgd"), settings.BackgroundIndex);
        Options.Write(Setting("mapId"), settings.MapId);
        Options.Write(Setting("hintSpeed"), settings.HintSpeed);
        Options.Write(Setting("kana"), settings.Kana);
        Options.Write(Setting("readings"), settings.Readings);
        Options.Write(Setting("kanaset"), settings.KanaSet);
        Options.Write(Setting("practice"), settings.Practice);
    }
    TSettings Stored()
    {
        TSettings stored;
        Options.ReadSettings(stored);
        return stored;
    }
    void StoreAsText(const std::string& name)
    {
        const auto store = Store.Open();
        store->OpenKey(SettingsKey);
        store->WriteString(name, "7");
    }
};

class TMainFlow : public TFlowTest {
protected:
    TRecordingEffects Effects;
    TSeededRandom Random;
    TGame Game{Effects, Random};
    std::vector<std::string> Reports;

    void Create()
    {
        CreateGame(Game, Options, [this](const std::exception& error) { Reports.push_back(error.what()); });
    }
    TSettings InForce() const
    {
        return {Game.FaceStyle, Game.BackgroundIndex, static_cast<uint8_t>(Game.MapNumber - 1),
                Game.HintSpeed, Game.Kana,            Game.Readings,
                Game.KanaSet,   static_cast<uint8_t>(Game.Practice ? 1 : 0)};
    }
    bool TilesStandOnMap(uint8_t map) const
    {
        for (int n = 1; n <= TileCount; ++n) {
            const TBoardPosition on = MapPositions(map, n);
            const TTileClass& tile = Game.Tiles[n];
            if (tile.X != on.X || tile.Y != on.Y || tile.Layer != on.Layer)
                return false;
        }
        return true;
    }
};

// What the store holds when the main window is created.
enum class TStartStore { Empty, Stored, UnreadableValue, Unopenable };

struct TStartCase {
    const char* Name;
    TStartStore Store;
    const char* Report;  // none when null; any one when empty
    TSettings InForce;
    uint8_t MapNumber;
};

void PrintTo(const TStartCase& start, std::ostream* out)
{
    *out << start.Name;
}

class TStartUp : public TMainFlow, public testing::WithParamInterface<TStartCase> {};

// Half-read settings would mix the player's choices with the defaults: one error, and every
// setting is the default.
TEST_P(TStartUp, TheSettingsInForceAndTheTilesOnTheirMap)
{
    const TStartCase& start = GetParam();
    const TSettings stored{0, 5, 6, 2, 2, 1, 2, 1};
    switch (start.Store) {
    case TStartStore::Empty: break;
    case TStartStore::Stored: Seed(stored); break;
    case TStartStore::UnreadableValue:
        Seed(stored);
        StoreAsText("bgd");
        break;
    case TStartStore::Unopenable: Store.MakeUnopenable(); break;
    }
    Create();
    if (!start.Report) {
        EXPECT_TRUE(Reports.empty());
        EXPECT_EQ(Stored(), start.InForce) << "the first run stores the defaults";
    } else {
        ASSERT_EQ(Reports.size(), 1u);
        if (*start.Report) {
            EXPECT_EQ(Reports[0], start.Report);
        }
    }
    EXPECT_EQ(InForce(), start.InForce);
    EXPECT_EQ(Game.MapNumber, start.MapNumber);
    EXPECT_TRUE(TilesStandOnMap(start.MapNumber));
}

INSTANTIATE_TEST_SUITE_P(
    EveryStore, TStartUp,
    testing::Values(TStartCase{"FirstRun", TStartStore::Empty, nullptr, {1, 1, 0, 1, 0, 0}, 1},
                    TStartCase{"Stored", TStartStore::Stored, nullptr, {0, 5, 6, 2, 2, 1, 2, 1}, 7},
                    TStartCase{"UnreadableValue", TStartStore::UnreadableValue, "Invalid data type for 'bgd'",
                               {1, 1, 0, 1, 0, 0}, 1},
                    TStartCase{"Unopenable", TStartStore::Unopenable, "", {1, 1, 0, 1, 0, 0}, 1}),
    [](const testing::TestParamInfo<TStartCase>& info) { return info.param.Name; });

TEST_F(TMainFlow, SameMapChoicesTakeEffectAndTheGameGoesOn)
{
    Create();
    Game.FormShow();
    uint8_t first = 0;
    uint8_t second = 0;
    ASSERT_TRUE(Game.FindFreePair(first, second));
    Game.ClickTile(first);
    Game.ClickTile(second);
    Game.ElapsedSeconds = 77;
    Effects.Take();

    std::array<TTileClass, TileCount + 1> dealt = Game.Tiles;
    ApplyOptions(Game, TOptionsNotice::AcceptedSameMap, {0, 4, 3, 2, 2, 1});
    EXPECT_EQ(InForce(), (TSettings{0, 4, 0, 2, 2, 1})) << "the map stays until another map is announced";
    for (int n = 1; n <= TileCount; ++n)
        EXPECT_EQ(std::tie(Game.Tiles[n].X, Game.Tiles[n].Y, Game.Tiles[n].Layer, Game.Tiles[n].Present),
                  std::tie(dealt[n].X, dealt[n].Y, dealt[n].Layer, dealt[n].Present))
            << "no new deal, tile " << n;
    EXPECT_EQ(Game.UndoCount, 1);
    EXPECT_EQ(Game.ElapsedSeconds, 77);
    EXPECT_EQ(Game.PresentCount(), TileCount - 2);
    const std::vector<std::string> drawn = Effects.Take();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front(), "Background");
    EXPECT_EQ(drawn.back(), "Changed");
}

TEST_F(TMainFlow, AnotherMapStartsANewGameThereWithTheClockRunning)
{
    Create();
    Game.FormShow();
    Game.ElapsedSeconds = 77;
    ApplyOptions(Game, TOptionsNotice::AcceptedOtherMap, {1, 1, 3, 1});
    EXPECT_EQ(Game.MapNumber, 4);
    EXPECT_EQ(Game.ElapsedSeconds, 0);
    EXPECT_EQ(Game.PresentCount(), TileCount);
    EXPECT_TRUE(Effects.ClockRunning);
    std::vector<std::tuple<int, int, int>> onBoard;
    std::vector<std::tuple<int, int, int>> onMap;
    for (int n = 1; n <= TileCount; ++n) {
        onBoard.emplace_back(Game.Tiles[n].X, Game.Tiles[n].Y, Game.Tiles[n].Layer);
        const TBoardPosition position = MapPositions(4, n);
        onMap.emplace_back(position.X, position.Y, position.Layer);
    }
    std::sort(onBoard.begin(), onBoard.end());
    std::sort(onMap.begin(), onMap.end());
    EXPECT_EQ(onBoard, onMap) << "the deal fills the new map's places";
}

// Another kana set changes the tiles: a new game on the same map, dealt from the new set. Practice
// alone waits for the next new game.
TEST_F(TMainFlow, AnotherKanaSetStartsANewGameAndPracticeWaitsForTheNext)
{
    Create();
    Game.FormShow();
    Game.ElapsedSeconds = 77;
    ApplyOptions(Game, TOptionsNotice::AcceptedSameMap, {1, 1, 0, 1, 0, 0, 0, 1});
    EXPECT_TRUE(Game.Practice);
    EXPECT_EQ(Game.ElapsedSeconds, 77) << "practice alone deals nothing";
    EXPECT_EQ(Game.FaceKanaIds, DesignedFaceKana());

    EXPECT_FALSE(StartsNewGame(Game, TOptionsNotice::Cancelled, {1, 1, 0, 1, 0, 0, 2, 1}));
    Game.Review.Kana.assign(CatalogueSize, {true, 1.0});
    Game.Review.Kana[CatalogueSize - 1].Recall = 0.5;  // due
    ApplyOptions(Game, TOptionsNotice::AcceptedSameMap, {1, 1, 0, 1, 0, 0, 2, 1});
    EXPECT_EQ(Game.KanaSet, 2);
    EXPECT_EQ(Game.MapNumber, 1);
    EXPECT_EQ(Game.ElapsedSeconds, 0);
    EXPECT_EQ(Game.PresentCount(), TileCount);
    EXPECT_TRUE(Effects.ClockRunning);
    EXPECT_EQ(Game.FaceKanaIds[0], CatalogueSize - 1) << "a review deal, the due kana first";
}

class TRecordingListener : public TOptionsListener {
public:
    std::vector<std::tuple<TOptionsNotice, TSettings>> Calls;
    void OptionsChanged(TOptionsNotice notice, const TSettings& choices) override
    {
        Calls.emplace_back(notice, choices);
    }
};

class TOptionsDialogFlow : public TFlowTest {
protected:
    TRecordingListener Listener;
    TOptionsFlow Flow;
    void SetUp() override { Flow.Listener = &Listener; }
};

// Accept stores every choice, then tells whether the map changed: a learning mode changed alone, or a
// map chosen and chosen back, is the same map; values outside the choices go back untouched.
TEST_F(TOptionsDialogFlow, AcceptStoresEveryChoiceThenTellsWhetherTheMapChanged)
{
    const struct {
        TSettings Seeded;
        void (*Choose)(TSettings& choices);
        TSettings Stored;
        TOptionsNotice Notice;
    } cases[] = {
        {{0, 2, 4, 1, 1, 2, 1, 0}, [](TSettings& c) { c = {1, 5, 6, 0, 2, 1, 2, 1}; }, {1, 5, 6, 0, 2, 1, 2, 1},
         TOptionsNotice::AcceptedOtherMap},
        {{0, 2, 4, 1, 0, 0}, [](TSettings& c) { c.Readings = 2; }, {0, 2, 4, 1, 0, 2}, TOptionsNotice::AcceptedSameMap},
        {{0, 2, 4, 1, 0, 0},
         [](TSettings& c) {
             c.MapId = 6;
             c.MapId = 4;
             c.BackgroundIndex = 3;
         },
         {0, 3, 4, 1, 0, 0}, TOptionsNotice::AcceptedSameMap},
        {{7, 9, 12, 5, 0, 0}, [](TSettings&) {}, {7, 9, 12, 5, 0, 0}, TOptionsNotice::AcceptedSameMap},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.Seeded));
        Listener.Calls.clear();
        Seed(c.Seeded);
        Flow.FormShow(Options);
        EXPECT_EQ(Flow.Choices, c.Seeded);
        c.Choose(Flow.Choices);
        Flow.Accept(Options);
        EXPECT_EQ(Stored(), c.Stored);
        EXPECT_EQ(Listener.Calls, (std::vector{std::make_tuple(c.Notice, c.Stored)}));
    }
}

TEST_F(TOptionsDialogFlow, CancelStoresNothingAndTellsWhatWasReadOnShowing)
{
    Seed({0, 2, 4, 1});
    Flow.FormShow(Options);
    Flow.Choices = {1, 5, 6, 0};
    Flow.Cancel();
    EXPECT_EQ(Flow.Choices, (TSettings{0, 2, 4, 1}));
    EXPECT_EQ(Stored(), (TSettings{0, 2, 4, 1}));
    ASSERT_EQ(Listener.Calls.size(), 1u);
    EXPECT_EQ(Listener.Calls[0], std::make_tuple(TOptionsNotice::Cancelled, TSettings{0, 2, 4, 1}));
}

TEST_F(TOptionsDialogFlow, AFailedWriteRaisesAndTellsNobody)
{
    Seed({0, 2, 4, 1});
    Flow.FormShow(Options);
    Store.MakeUnopenable();
    EXPECT_THROW(Flow.Accept(Options), ERegistryError);
    EXPECT_TRUE(Listener.Calls.empty());
}

// The learning modes are written after the four, so a store refusing the first of them has the
// four already and the last not.
TEST_F(TOptionsDialogFlow, TheLearningModesAreWrittenAfterTheFour)
{
    TWriteLog log{0, "kana"};
    TRegOptions refusing{TInstrumentedStore::Around(TTestStore::TestStore(), log), LocalTimeNow, {}};
    Seed({0, 2, 4, 1, 0, 0});
    Flow.FormShow(refusing);
    Flow.Choices = {1, 5, 6, 0, 1, 2};
    EXPECT_EQ(ErrorOf([&] { Flow.Accept(refusing); }), "Failed to set data for 'kana'");
    EXPECT_EQ(Stored(), (TSettings{1, 5, 6, 0, 0, 0}));
    EXPECT_EQ(log.Writes, 5);
    EXPECT_TRUE(Listener.Calls.empty());
}

TEST_F(TOptionsDialogFlow, AFailedReadKeepsWhatWasReadAndCancelReturnsToIt)
{
    Seed({0, 2, 4, 1});
    StoreAsText("mapId");
    Flow.Choices = {1, 1, 0, 1};
    EXPECT_THROW(Flow.FormShow(Options), ERegistryError);
    const TSettings partly{0, 2, 0, 1};
    EXPECT_EQ(Flow.Choices, partly) << "face and background were read before the map failed";
    Flow.Choices.FaceStyle = 1;
    Flow.Cancel();
    EXPECT_EQ(Flow.Choices, partly);
}

}  // namespace
