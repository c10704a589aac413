#include "model/KanaSets.h"

#include <algorithm>
#include <numeric>

#include "model/Game.h"

namespace {

// Brings a random choice of the pool's entries from first on to the places first..last - 1.
void DrawInto(std::vector<TKanaId>& pool, size_t first, size_t last, TRandomSource& random)
{
    for (size_t i = first; i < last && i < pool.size(); ++i)
        std::swap(pool[i], pool[i + random.Below(static_cast<uint32_t>(pool.size() - i))]);
}

TKanaPace PaceOf(const std::vector<TKanaPace>& paces, TKanaId kana)
{
    return kana < paces.size() ? paces[kana] : TKanaPace{};
}

}  // namespace

int KanaSetSize(uint8_t kanaSet)
{
    switch (kanaSet) {
    case KanaSetSetting::Voiced: return BasicKanaCount + VoicedKanaCount;
    case KanaSetSetting::All: return CatalogueSize;
    default: return BasicKanaCount;
    }
}

std::array<TKanaId, FaceCount> ChooseFaceKana(uint8_t kanaSet, bool practice, const std::vector<TKanaPace>& paces,
                                              TRandomSource& random)
{
    const int size = KanaSetSize(kanaSet);
    if (size == FaceCount)
        return DesignedFaceKana();
    random.Seed();
    std::vector<TKanaId> pool(static_cast<size_t>(size));
    std::iota(pool.begin(), pool.end(), TKanaId{0});
    size_t chosen = 0;
    if (practice) {
        // A random order first, so that equal paces are not always taken in catalogue order.
        DrawInto(pool, 0, pool.size(), random);
        std::stable_sort(pool.begin(), pool.end(), [&paces](TKanaId a, TKanaId b) {
            const TKanaPace pa = PaceOf(paces, a);
            const TKanaPace pb = PaceOf(paces, b);
            if (pa.Timed != pb.Timed)
                return !pa.Timed;
            return pa.Seconds > pb.Seconds;
        });
        chosen = PractisedFaces;
    }
    DrawInto(pool, chosen, FaceCount, random);
    std::array<TKanaId, FaceCount> ids{};
    std::copy_n(pool.begin(), FaceCount, ids.begin());
    return ids;
}
