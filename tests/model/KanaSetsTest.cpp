#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/KanaSets.h"
#include "tests/support/SeededRandom.h"
#include "tests/support/SilentEffects.h"
#include "tests/support/TestGame.h"

namespace {

using TIds = std::set<int>;

TIds IdsOf(const std::array<TKanaId, FaceCount>& faces, int from = 0, int to = FaceCount)
{
    return TIds(faces.begin() + from, faces.begin() + to);
}

// Never timed, or timed at these seconds.
std::vector<TKanaPace> Paces(const std::vector<std::pair<TKanaId, double>>& timed)
{
    std::vector<TKanaPace> paces(CatalogueSize);
    for (const auto& [kana, seconds] : timed)
        paces[kana] = {true, seconds};
    return paces;
}

TEST(KanaSets, EachSetIsTheCataloguesFirstKana)
{
    const std::pair<uint8_t, int> sizes[] = {{0, 48}, {1, 73}, {2, 106}, {3, 48}, {255, 48}};
    for (const auto& [set, size] : sizes)
        EXPECT_EQ(KanaSetSize(set), size) << int(set);
}

// The basic set is the designed game, practice or not: the same draws in the same order and the
// same board as a game that knows no sets.
TEST(KanaSets, TheBasicSetDealsTheDesignedGame)
{
    const std::vector<uint32_t> draws = DealScript({{1, 3}, {7, 100}}, {{2, 4}});
    TTestGame designed(3, draws);
    TTestGame basic(3, draws);
    basic.Game.KanaSet = KanaSetSetting::Basic;
    basic.Game.Practice = true;
    basic.Game.Review.Kana.assign(CatalogueSize, {true, 0.5});
    basic.Game.FaceKanaIds[0] = 60;  // what an earlier game of a larger set left
    designed.Game.FormShow();
    basic.Game.FormShow();
    EXPECT_EQ(basic.Game.FaceKanaIds, DesignedFaceKana());
    EXPECT_EQ(basic.Random.DrawCount, designed.Random.DrawCount);
    EXPECT_EQ(basic.Random.Seeds, designed.Random.Seeds);
    for (int n = 1; n <= TileCount; ++n)
        EXPECT_EQ(PositionOf(basic.Tile(n)), PositionOf(designed.Tile(n))) << "tile " << n;
}

// A larger set changes what the faces stand for, never which tiles match.
TEST(KanaSets, ANewGameOfALargerSetDealsOtherKanaOnTheSameFaces)
{
    TSilentEffects effects;
    TSeededRandom random;
    TGame game(effects, random);
    game.MapNumber = 1;
    game.CreateTiles();
    game.KanaSet = KanaSetSetting::All;
    game.StartNewGame();
    EXPECT_NE(game.FaceKanaIds, DesignedFaceKana());
    for (int n = 1; n <= TileCount; ++n)
        EXPECT_EQ(game.Tiles[n].Face, (n - 1) / 4);
    const auto dealt = game.FaceKanaIds;
    game.ShuffleActionExecute();
    EXPECT_EQ(game.FaceKanaIds, dealt) << "a shuffle keeps the kana";
}

TEST(KanaSets, WithoutPracticeTheFortyEightAreDrawnFromTheWholeSet)
{
    for (const uint8_t set : {KanaSetSetting::Voiced, KanaSetSetting::All}) {
        TSeededRandom random(7);
        TIds seen;
        for (int deal = 0; deal < 40; ++deal) {
            const auto faces = ChooseFaceKana(set, false, {}, random);
            const TIds ids = IdsOf(faces);
            EXPECT_EQ(ids.size(), size_t(FaceCount)) << "48 different kana";
            EXPECT_LT(*ids.rbegin(), KanaSetSize(set));
            seen.insert(ids.begin(), ids.end());
        }
        EXPECT_EQ(seen.size(), size_t(KanaSetSize(set))) << "every kana of the set comes now and then";
    }
}

// Two thirds are the slowest: the never timed first, then the slowest times; the rest at random
// from the others.
TEST(KanaSets, PracticeDealsTheSlowestKanaAndTheNeverTimedFirst)
{
    struct TCase {
        const char* What;
        uint8_t Set;
        std::vector<std::pair<TKanaId, double>> Timed;  // the others never timed
        TIds Practised;
    };
    std::vector<std::pair<TKanaId, double>> allButThree;  // 50, 80 and 100 never timed
    for (int id = 0; id < CatalogueSize; ++id)
        if (id != 50 && id != 80 && id != 100)
            allButThree.emplace_back(static_cast<TKanaId>(id), id < 29 ? 100.0 - id : 5.0);
    std::vector<std::pair<TKanaId, double>> voicedTimed;  // the basic kana never timed
    for (int id = 48; id < 73; ++id)
        voicedTimed.emplace_back(static_cast<TKanaId>(id), 50.0);
    TIds slowestAndNever;
    for (int id = 0; id < 29; ++id)
        slowestAndNever.insert(id);
    slowestAndNever.insert({50, 80, 100});
    TIds basicOnly;
    for (int id = 0; id < 48; ++id)
        basicOnly.insert(id);
    const TCase cases[] = {
        {"three never timed, then the 29 slowest", KanaSetSetting::All, allButThree, slowestAndNever},
        {"48 never timed: all 32 from them", KanaSetSetting::Voiced, voicedTimed, basicOnly},
    };
    for (const TCase& test : cases) {
        TSeededRandom random(3);
        for (int deal = 0; deal < 10; ++deal) {
            const auto faces = ChooseFaceKana(test.Set, true, Paces(test.Timed), random);
            const TIds practised = IdsOf(faces, 0, PractisedFaces);
            const TIds rest = IdsOf(faces, PractisedFaces);
            EXPECT_EQ(IdsOf(faces).size(), size_t(FaceCount)) << test.What;
            EXPECT_TRUE(std::includes(test.Practised.begin(), test.Practised.end(), practised.begin(), practised.end()))
                << test.What;
            EXPECT_EQ(practised.size(), size_t(PractisedFaces)) << test.What;
            EXPECT_LT(*rest.rbegin(), KanaSetSize(test.Set)) << test.What;
        }
    }
}

// The third not practised is drawn afresh each deal from all the rest of the set, not the next
// slowest, and never repeats a practised kana.
TEST(KanaSets, PracticesRandomShareComesFromAllTheRest)
{
    std::vector<std::pair<TKanaId, double>> timed;  // every kana timed, the higher ids the slower
    for (int id = 0; id < CatalogueSize; ++id)
        timed.emplace_back(static_cast<TKanaId>(id), 1.0 + id);
    TIds slowest;
    for (int id = CatalogueSize - PractisedFaces; id < CatalogueSize; ++id)
        slowest.insert(id);
    TSeededRandom random(5);
    TIds seen;
    std::set<TIds> shares;
    for (int deal = 0; deal < 60; ++deal) {
        const auto faces = ChooseFaceKana(KanaSetSetting::All, true, Paces(timed), random);
        EXPECT_EQ(IdsOf(faces, 0, PractisedFaces), slowest);
        const TIds rest = IdsOf(faces, PractisedFaces);
        EXPECT_EQ(rest.size(), size_t(FaceCount - PractisedFaces));
        EXPECT_LT(*rest.rbegin(), CatalogueSize - PractisedFaces) << "none of the practised again";
        seen.insert(rest.begin(), rest.end());
        shares.insert(rest);
    }
    EXPECT_EQ(seen.size(), size_t(CatalogueSize - PractisedFaces)) << "each of the rest comes now and then";
    EXPECT_GT(shares.size(), 50u) << "a share of its own nearly every deal";
}

// Equal paces, as for a new player, are taken in random order, so that practice does not always
// start with the catalogue's first kana.
TEST(KanaSets, PracticeTakesEqualPacesInRandomOrder)
{
    TSeededRandom random(11);
    TIds practised;
    for (int deal = 0; deal < 10; ++deal) {
        const auto faces = ChooseFaceKana(KanaSetSetting::All, true, {}, random);
        const TIds ids = IdsOf(faces, 0, PractisedFaces);
        practised.insert(ids.begin(), ids.end());
    }
    EXPECT_GT(*practised.rbegin(), 90);
    EXPECT_GT(practised.size(), 80u);
}

}  // namespace
