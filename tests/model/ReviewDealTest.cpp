#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/Game.h"
#include "model/LearningModes.h"
#include "model/ReviewDeal.h"
#include "tests/support/SeededRandom.h"

namespace {

using TIds = std::set<int>;

// Every kana of the catalogue reviewed and recalled today at 0.999 less a ten-thousandth per id, so
// that their order is plain; then the changes.
TReviewPlan AllReviewed(const std::vector<std::pair<std::string_view, double>>& recalls = {})
{
    TReviewPlan plan;
    plan.Kana.resize(CatalogueSize);
    for (TKanaId id = 0; id < CatalogueSize; ++id)
        plan.Kana[id] = {true, 0.999 - id / 10000.0};
    for (const auto& [reading, recall] : recalls)
        plan.Kana[KanaOfReading(reading)] = {recall >= 0, std::max(recall, 0.0)};
    return plan;
}

std::array<TKanaId, FaceCount> Deal(const TReviewPlan& plan, uint32_t seed = 1, uint8_t set = KanaSetSetting::All)
{
    TSeededRandom random(seed);
    const auto faces = ChooseReviewKana(set, plan, random);
    EXPECT_EQ(std::set<TKanaId>(faces.begin(), faces.end()).size(), size_t(FaceCount)) << "48 kana, each once";
    EXPECT_LT(*std::max_element(faces.begin(), faces.end()), KanaSetSize(set));
    return faces;
}

int PlaceOf(const std::array<TKanaId, FaceCount>& faces, std::string_view reading)
{
    const auto at = std::find(faces.begin(), faces.end(), KanaOfReading(reading));
    return at == faces.end() ? -1 : static_cast<int>(at - faces.begin());
}

TEST(ReviewDeal, TheDueKanaComeFirstTheLeastRecalledFirst)
{
    const auto faces = Deal(AllReviewed({{"kyo", 0.3}, {"ga", 0.85}, {"a", 0.6}, {"nu", 0.89}}));
    EXPECT_EQ(PlaceOf(faces, "kyo"), 0);
    EXPECT_EQ(PlaceOf(faces, "a"), 1);
    EXPECT_EQ(PlaceOf(faces, "ga"), 2);
    EXPECT_EQ(PlaceOf(faces, "nu"), 3);

    // More due than ReviewDueFaces: the least recalled lead, the others still come with the fill.
    TReviewPlan many = AllReviewed();
    for (TKanaId id = 50; id < 90; ++id)
        many.Kana[id].Recall = 0.5 + id / 1000.0;
    const auto crowded = Deal(many);
    for (int place = 0; place < ReviewDueFaces; ++place)
        EXPECT_EQ(crowded[size_t(place)], 50 + place);
    for (TKanaId id = 50; id < 90; ++id)
        EXPECT_NE(std::find(crowded.begin(), crowded.end(), id), crowded.end()) << int(id);
}

// A due kana brings its partners beside it: the known look-alikes and the player's mix-ups, but
// not a kana never reviewed, which waits for its turn among the new.
TEST(ReviewDeal, LookAlikesAndMixedUpKanaComeTogetherWithTheDue)
{
    TReviewPlan plan = AllReviewed({{"nu", 0.5}, {"ru", 0.6}, {"ro", -1}, {"pyu", 0.9999}});
    plan.Partners = KnownLookAlikes(KanaSetting::Hiragana);
    plan.Partners.emplace_back(KanaOfReading("nu"), KanaOfReading("pyu"));  // mixed up
    const auto faces = Deal(plan);
    EXPECT_EQ(PlaceOf(faces, "nu"), 0);
    EXPECT_EQ(PlaceOf(faces, "ru"), 1);
    EXPECT_EQ(TIds({PlaceOf(faces, "me"), PlaceOf(faces, "pyu")}), TIds({2, 3}));
    EXPECT_EQ(PlaceOf(faces, "ro"), 4) << "the one new kana comes after the partners";

    plan.Partners.clear();
    EXPECT_EQ(PlaceOf(Deal(plan), "pyu"), -1) << "without partners pyu, well recalled, waits";
}

TEST(ReviewDeal, NewKanaComeAtASteadyPaceFromTheWholeSet)
{
    TReviewPlan plan;
    plan.Kana.resize(CatalogueSize);
    for (TKanaId id = 0; id < 60; ++id)
        plan.Kana[id] = {true, 0.95};
    TIds ever;
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        TIds fresh;
        for (const TKanaId id : Deal(plan, seed))
            if (id >= 60)
                fresh.insert(id);
        EXPECT_EQ(fresh.size(), size_t(NewKanaPerBoard)) << seed;
        ever.insert(fresh.begin(), fresh.end());
    }
    EXPECT_GT(ever.size(), size_t(NewKanaPerBoard)) << "drawn at random, not always the same";

    // A player who has reviewed little gets new kana on every face still free.
    plan.Kana.assign(CatalogueSize, {});
    for (TKanaId id = 0; id < 10; ++id)
        plan.Kana[id] = {true, 0.95};
    const auto beginner = Deal(plan);
    EXPECT_EQ(std::count_if(beginner.begin(), beginner.end(), [](TKanaId id) { return id < 10; }), 10)
        << "the ten reviewed, and new kana on every face still free";
    const auto first = Deal(TReviewPlan{});
    EXPECT_TRUE(std::any_of(first.begin(), first.end(), [](TKanaId id) { return id >= FaceCount; }))
        << "a new player's first review is drawn from the whole set";
}

// None due: VarietyFaces reviewed kana at random, the rest those that will be due soonest.
TEST(ReviewDeal, SomeKanaComeAtRandomTheRestSoonestDue)
{
    const TReviewPlan plan = AllReviewed();
    TIds varied;
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        const auto faces = Deal(plan, seed);
        const TIds ids(faces.begin(), faces.end());
        for (int id = CatalogueSize - 1; id >= CatalogueSize - (FaceCount - VarietyFaces); --id)
            EXPECT_TRUE(ids.contains(id)) << "the least recalled " << id;
        for (const int id : ids)
            if (id < CatalogueSize - (FaceCount - VarietyFaces))
                varied.insert(id);
    }
    EXPECT_GT(varied.size(), size_t(VarietyFaces)) << "another seed, other kana";
    EXPECT_EQ(Deal(plan, 1, KanaSetSetting::Basic), DesignedFaceKana()) << "the basic set is the designed game";
}

TEST(ReviewDeal, TheKnownLookAlikesAreKanaOfTheCatalogueInTheScriptsShown)
{
    for (const uint8_t kana : {KanaSetting::Hiragana, KanaSetting::Katakana, KanaSetting::Both}) {
        const auto pairs = KnownLookAlikes(kana);
        EXPECT_FALSE(pairs.empty());
        for (const auto& [a, b] : pairs) {
            EXPECT_LT(a, b);
            EXPECT_LT(b, CatalogueSize);
        }
    }
    const auto has = [](uint8_t kana, std::string_view x, std::string_view y) {
        const auto pairs = KnownLookAlikes(kana);
        const TKanaPair pair = std::minmax(KanaOfReading(x), KanaOfReading(y));
        return std::find(pairs.begin(), pairs.end(), pair) != pairs.end();
    };
    EXPECT_TRUE(has(KanaSetting::Hiragana, "sa", "chi") && has(KanaSetting::Hiragana, "wa", "ne"));
    EXPECT_FALSE(has(KanaSetting::Hiragana, "so", "n")) << "ソ/ン alike only in katakana";
    EXPECT_TRUE(has(KanaSetting::Katakana, "so", "n"));
    EXPECT_FALSE(has(KanaSetting::Katakana, "nu", "me"));
    EXPECT_TRUE(has(KanaSetting::Both, "nu", "me") && has(KanaSetting::Both, "shi", "tsu"));
}

}  // namespace
