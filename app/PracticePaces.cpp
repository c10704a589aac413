#include "app/PracticePaces.h"

#include <algorithm>

#include "app/ProgressChart.h"
#include "model/LearningModes.h"

namespace {

TKanaPace PaceOf(const TKanaProgress& progress)
{
    std::vector<int32_t> tenths = progress.Samples;
    tenths.insert(tenths.end(), std::min<size_t>(static_cast<size_t>(progress.Hints), KeptSamples), HintPaceSeconds * 10);
    if (tenths.empty())
        return {};
    return {true, Median(std::move(tenths)) / 10};
}

TKanaPace Slower(TKanaPace a, TKanaPace b)
{
    if (!a.Timed || !b.Timed)
        return {};
    return a.Seconds >= b.Seconds ? a : b;
}

}  // namespace

std::vector<TKanaPace> PracticePaces(const TScriptProgress& hiragana, const TScriptProgress& katakana, uint8_t kana)
{
    std::vector<TKanaPace> paces(CatalogueSize);
    for (size_t id = 0; id < paces.size(); ++id) {
        switch (kana) {
        case KanaSetting::Katakana: paces[id] = PaceOf(katakana[id]); break;
        case KanaSetting::Both: paces[id] = Slower(PaceOf(hiragana[id]), PaceOf(katakana[id])); break;
        default: paces[id] = PaceOf(hiragana[id]); break;
        }
    }
    return paces;
}
