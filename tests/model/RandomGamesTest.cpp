#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "tests/model/Reference.h"
#include "tests/support/TestGame.h"

namespace {

constexpr int GamesPerMap = 300;
constexpr int CrossCheckedGames = 20;  // of these, every step is also checked pair by pair

struct TSnapshot {
    std::array<bool, TileCount + 1> Present{};
    std::array<std::tuple<int, int, int>, TileCount + 1> Places{};
    uint8_t Selected = 0;

    explicit TSnapshot(const TGame& game) : Selected(game.SelectedTile)
    {
        for (int n = 1; n <= TileCount; ++n) {
            Present[n] = game.Tiles[n].Present;
            Places[n] = PositionOf(game.Tiles[n]);
        }
    }
};

bool OneStackLeft(const TGame& game)
{
    return ReferenceLost(game.Tiles);
}

bool HasFreePair(const TGame& game)
{
    uint8_t first = 0;
    uint8_t second = 0;
    return game.FindFreePair(first, second);
}

// One seeded game played to its end by a random player who mostly looks for matches.
class TRandomGame {
public:
    explicit TRandomGame(uint32_t seed)
        : Seed(seed), Random(seed), Player(seed ^ 0x9e3779b9u), Map(static_cast<uint8_t>(seed % MapCount + 1))
    {
        Effects.Recording = false;
        Game.MapNumber = Map;
        Game.FaceStyle = static_cast<uint8_t>(seed % 2);
        Game.HintSpeed = 0;
        for (int n = 1; n <= TileCount; ++n) {
            const TBoardPosition p = MapPositions(Map, n);
            MapPlaces[PlaceIndex(p.X, p.Y, p.Layer)] = true;
        }
    }

    void Play()
    {
        Game.CreateTiles();
        Game.FormShow();
        ExpectDealt();
        CheckBoard("first deal");
        for (int step = 0; step < 5000 && !HasFailure(); ++step) {
            if (Game.PresentCount() == 0) {
                EXPECT_FALSE(Effects.Enabled[TCommand::Shuffle]);
                EXPECT_FALSE(Effects.Enabled[TCommand::Hint]);
                EXPECT_FALSE(Effects.ClockRunning);
                return;
            }
            if (OneStackLeft(Game)) {
                if (Game.UndoCount == 0 || UndosLeft == 0)
                    return;
                Undo();
            } else {
                Move();
            }
            CheckBoard("step " + std::to_string(step));
        }
        if (!HasFailure())
            ADD_FAILURE() << "game " << Seed << " did not end";
    }

private:
    uint32_t Seed;
    TRecordingEffects Effects;
    TSeededRandom Random;
    TGame Game{Effects, Random};
    std::mt19937 Player;
    uint8_t Map;
    std::array<bool, 7 * 8 * 14> MapPlaces{};
    int UndosLeft = 10;

    static int PlaceIndex(int x, int y, int layer) { return (layer * 8 + y / 2) * 14 + x / 2; }

    static bool HasFailure() { return ::testing::Test::HasFailure(); }

    int Roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(Player); }

    void Move()
    {
        const int roll = Roll(100);
        if (roll < 3 && Game.UndoCount > 0 && UndosLeft > 0)
            Undo();
        else if (roll < 4 && Seed % 10 == 0)
            Hint();
        else if (!HasFreePair(Game) || SelectionStuck())
            Shuffle();
        else
            Click();
    }

    // A selection boxed in by Undo with no free partner can only be ended by a deal.
    bool SelectionStuck() const
    {
        const uint8_t s = Game.SelectedTile;
        if (s == 0 || Game.IsFree(s))
            return false;
        for (int n = 1; n <= TileCount; ++n)
            if (n != s && Game.Tiles[n].Face == Game.Tiles[s].Face && Game.IsFree(static_cast<uint8_t>(n)))
                return false;
        return true;
    }

    // Mostly a tile that can be matched, sometimes a wrong or the selected one.
    uint8_t PickTile()
    {
        std::vector<uint8_t> free;
        std::vector<uint8_t> matchable;
        for (int n = 1; n <= TileCount; ++n)
            if (Game.IsFree(static_cast<uint8_t>(n)))
                free.push_back(static_cast<uint8_t>(n));
        const uint8_t s = Game.SelectedTile;
        for (uint8_t a : free)
            for (uint8_t b : free)
                if (a != b && Game.Tiles[a].Face == Game.Tiles[b].Face && (s == 0 || a == s))
                    matchable.push_back(s == 0 ? a : b);
        const int roll = Roll(20);
        if (!matchable.empty() && roll >= 2)
            return matchable[Roll(static_cast<int>(matchable.size()))];
        if (s != 0 && roll == 0)
            return s;
        return free[Roll(static_cast<int>(free.size()))];
    }

    // Where a press takes the tile: its centre, unless a higher tile's hit zone reaches over it there.
    TTileOrigin PointOn(uint8_t n) const
    {
        const TTileOrigin origin = TileOrigin(Game.Tiles[n]);
        for (int py = origin.Top + 2; py < origin.Top + 50; py += 4)
            for (int px = origin.Left + 6; px < origin.Left + 38; px += 4)
                if (Game.TileAtPoint(px, py) == n)
                    return {px, py};
        return CentreOf(Game.Tiles[n]);
    }

    void Click()
    {
        const uint8_t aimed = PickTile();
        const TTileOrigin centre = PointOn(aimed);
        const uint8_t c = Game.TileAtPoint(centre.Left, centre.Top);
        // Only the selected tile can be aimed at while not free (Undo may have boxed it in).
        ASSERT_TRUE(c == 0 || Game.IsFree(c)) << "game " << Seed;
        if (Game.IsFree(aimed)) {
            ASSERT_NE(c, 0) << "game " << Seed;
            ASSERT_GE(Game.Tiles[c].Layer, Game.Tiles[aimed].Layer);
        }

        const uint8_t s = Game.SelectedTile;
        const uint8_t undoBefore = Game.UndoCount;
        const int messagesBefore = Effects.MessageCount;
        Game.BackgroundImageMouseDown(centre.Left, centre.Top);
        EXPECT_TRUE(Effects.ClockRunning || Effects.MessageCount > messagesBefore || Game.PresentCount() == 0);

        if (c == s) {
            EXPECT_EQ(Game.SelectedTile, 0);
        } else if (s != 0 && c != 0 && Game.Tiles[s].Face == Game.Tiles[c].Face) {
            EXPECT_FALSE(Game.Tiles[s].Present || Game.Tiles[c].Present);
            const uint8_t present = Game.PresentCount();
            if (present == 0) {
                EXPECT_EQ(Game.UndoCount, 0);
            } else {
                EXPECT_EQ(Game.UndoCount, undoBefore + 1);
                EXPECT_EQ(Game.UndoPairs[Game.UndoCount], std::make_pair(s, c));
            }
            const bool reported = present > 0 && (OneStackLeft(Game) || !HasFreePair(Game));
            EXPECT_EQ(Effects.MessageCount - messagesBefore, reported ? 1 : 0) << "game " << Seed;
        } else if (s == 0) {
            EXPECT_EQ(Game.SelectedTile, c);
        } else {
            EXPECT_EQ(Game.SelectedTile, s);
        }
    }

    void Undo()
    {
        --UndosLeft;
        const TSnapshot before(Game);
        const auto [first, second] = Game.UndoPairs[Game.UndoCount];
        const uint8_t count = Game.UndoCount;
        Game.UndoActionExecute();
        EXPECT_EQ(Game.UndoCount, count - 1);
        const TSnapshot after(Game);
        for (int n = 1; n <= TileCount; ++n) {
            const bool restored = n == first || n == second;
            EXPECT_EQ(after.Present[n], restored || before.Present[n]) << "game " << Seed << ", tile " << n;
            if (restored) {
                EXPECT_FALSE(before.Present[n]);
            }
            EXPECT_EQ(after.Places[n], before.Places[n]);
        }
        EXPECT_EQ(after.Selected, before.Selected);
    }

    void Hint()
    {
        const int32_t elapsed = Game.ElapsedSeconds;
        const int32_t hints = Game.HintCount;
        const bool pair = HasFreePair(Game);
        Game.HintActionExecute();
        EXPECT_EQ(Game.ElapsedSeconds, elapsed + (pair ? 10 : 0));
        EXPECT_EQ(Game.HintCount, hints + (pair ? 1 : 0));
        while (Effects.RunBlinkTimer(Game)) {
        }
        for (int n = 1; n <= TileCount; ++n)
            EXPECT_FALSE(Game.Tiles[n].Hinted);
    }

    void Shuffle()
    {
        const TSnapshot before(Game);
        Game.ShuffleActionExecute();
        const TSnapshot after(Game);
        for (int n = 1; n <= TileCount; ++n) {
            EXPECT_EQ(after.Present[n], before.Present[n]);
            if (!before.Present[n]) {
                EXPECT_EQ(after.Places[n], before.Places[n]) << "removed tile " << n << " moved";
            }
        }
        ExpectDealt();
    }

    void ExpectDealt()
    {
        EXPECT_EQ(Game.UndoCount, 0);
        EXPECT_EQ(Game.SelectedTile, 0);
        EXPECT_TRUE(OneStackLeft(Game) || HasFreePair(Game)) << "game " << Seed << ": a deal left no free pair";
    }

    void CheckBoard(const std::string& when)
    {
        const std::string problem = BoardProblem();
        EXPECT_EQ(problem, "") << "game " << Seed << ", " << when;
    }

    // The first broken invariant, or nothing. Plain checks: this runs after every step of every game.
    std::string BoardProblem()
    {
        std::array<int, FaceCount> perFace{};
        std::array<bool, 7 * 8 * 14> places{};
        int selected = 0;
        for (int n = 1; n <= TileCount; ++n) {
            const TTileClass& tile = Game.Tiles[n];
            perFace[tile.Face] += tile.Present ? 1 : 0;
            if (tile.X % 2 != 0 || tile.X > 26 || tile.Y % 2 != 0 || tile.Y > 14 || tile.Layer > 6)
                return "tile " + std::to_string(n) + " off the board";
            const int place = PlaceIndex(tile.X, tile.Y, tile.Layer);
            if (!MapPlaces[place] || places[place])
                return "tile " + std::to_string(n) + " off the map or on another's place";
            places[place] = true;
            if (tile.Selected && (Game.SelectedTile != n || !tile.Present))
                return "tile " + std::to_string(n) + " selected against SelectedTile or while removed";
            selected += tile.Selected ? 1 : 0;
        }
        for (int count : perFace)
            if (count != 0 && count != 2 && count != 4)
                return "a face with " + std::to_string(count) + " tiles present";
        if (selected != (Game.SelectedTile == 0 ? 0 : 1))
            return "selection flags do not match SelectedTile";

        if (Game.UndoCount > MaxUndoPairs)
            return "undo stack overflow";
        std::array<bool, TileCount + 1> stacked{};
        for (int k = 1; k <= Game.UndoCount; ++k) {
            const auto [a, b] = Game.UndoPairs[k];
            if (a == b || Game.Tiles[a].Face != Game.Tiles[b].Face || Game.Tiles[a].Present || Game.Tiles[b].Present ||
                stacked[a] || stacked[b])
                return "undo entry " + std::to_string(k) + " is not a removed pair";
            stacked[a] = stacked[b] = true;
        }
        if (Effects.Enabled[TCommand::Undo] != (Game.UndoCount > 0))
            return "Undo enabled against the stack";
        if (Effects.Panels[0] != "Tiles left:  " + std::to_string(Game.PresentCount()) + "/192")
            return "tiles panel out of date";

        if (Seed < CrossCheckedGames) {
            const auto expected = ReferenceFlags(Game.Tiles);
            for (int n = 1; n <= TileCount; ++n) {
                const TTileClass& tile = Game.Tiles[n];
                if (tile.Uncovered != expected[n].Uncovered || tile.LeftLink != expected[n].LeftLink ||
                    tile.RightLink != expected[n].RightLink)
                    return "tile " + std::to_string(n) + " coverage or links differ from the pair-by-pair rules";
            }
        }
        return "";
    }
};

TEST(RandomGames, PlayedToTheEndTheBoardStaysSound)
{
    for (uint32_t seed = 0; seed < GamesPerMap * MapCount && !::testing::Test::HasFailure(); ++seed)
        TRandomGame(seed).Play();
}

}  // namespace
