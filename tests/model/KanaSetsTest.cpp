#include <gtest/gtest.h>

#include <set>

#include "model/KanaSets.h"
#include "tests/support/SeededRandom.h"
#include "tests/support/TestGame.h"

namespace {

using TIds = std::set<int>;

TIds IdsOf(const std::array<TKanaId, FaceCount>& faces, int from = 0, int to = FaceCount)
{
    return TIds(faces.begin() + from, faces.begin() + to);
}

// The basic set is the designed game, practice or not: the same draws as a game that knows no sets.
TEST(KanaSets, TheBasicSetDealsTheDesignedGame)
{
    const std::vector<uint32_t> draws = DealScript({{1, 3}, {7, 100}}, {{2, 4}});
    TTestGame designed(3, draws);
    TTestGame basic(3, draws);
    basic.Game.Practice = true;
    basic.Game.PracticePaces.assign(CatalogueSize, {true, 5.0});
    basic.Game.FaceKanaIds[0] = 60;  // what an earlier game of a larger set left
    designed.Game.FormShow();
    basic.Game.FormShow();
    EXPECT_EQ(basic.Game.FaceKanaIds, DesignedFaceKana());
    EXPECT_EQ(basic.Random.DrawCount, designed.Random.DrawCount);
    EXPECT_EQ(basic.Random.Seeds, designed.Random.Seeds);
}

// 48 different kana, every one of the set now and then and none beyond it; with practice, equal
// paces (a new player's) come in random order, not always the catalogue's first kana.
TEST(KanaSets, TheKanaAreDrawnAtRandomFromTheWholeSet)
{
    for (const auto& [set, practice] : {std::pair{KanaSetSetting::Voiced, false}, std::pair{KanaSetSetting::All, true}}) {
        TSeededRandom random(7);
        TIds seen, practised;
        for (int deal = 0; deal < 40; ++deal) {
            const auto faces = ChooseFaceKana(set, practice, {}, random);
            const TIds ids = IdsOf(faces), first = IdsOf(faces, 0, PractisedFaces);
            EXPECT_EQ(ids.size(), size_t(FaceCount));
            seen.insert(ids.begin(), ids.end());
            practised.insert(first.begin(), first.end());
        }
        EXPECT_EQ(seen.size(), size_t(KanaSetSize(set))) << int(set);
        EXPECT_EQ(*seen.rbegin(), KanaSetSize(set) - 1) << int(set);
        EXPECT_GT(practised.size(), 60u) << int(set);
    }
}

// Two thirds are the slowest: the never timed first, then the slowest times.
TEST(KanaSets, PracticeDealsTheNeverTimedThenTheSlowestKana)
{
    std::vector<TKanaPace> paces(CatalogueSize);
    TIds slowest{50, 80, 100};  // never timed
    for (int id = 0; id < CatalogueSize; ++id)
        if (!slowest.contains(id))
            paces[size_t(id)] = {true, id < 29 ? 100.0 - id : 5.0};
    for (int id = 0; id < 29; ++id)
        slowest.insert(id);
    TSeededRandom random(3);
    for (int deal = 0; deal < 10; ++deal) {
        const auto faces = ChooseFaceKana(KanaSetSetting::All, true, paces, random);
        EXPECT_EQ(IdsOf(faces, 0, PractisedFaces), slowest);
        EXPECT_EQ(IdsOf(faces).size(), size_t(FaceCount));
    }
}

}  // namespace
