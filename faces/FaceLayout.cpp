#include "faces/FaceLayout.h"

#include <algorithm>
#include <array>

#include "faces/InkRun.h"

namespace face_layout {

namespace {

constexpr int GroupCount = 3;

struct TExtent {
    double Width = 0, Height = 0, Above = 0, Below = 0;
};

// The largest ink of the designed 48 together with the group's own.
template <typename RunOf>
TExtent GroupExtent(TKanaGroup group, RunOf runOf)
{
    TExtent extent;
    for (const TCatalogueKana& entry : KanaCatalogue) {
        if (entry.Group != TKanaGroup::Basic && entry.Group != group)
            continue;
        const TEmBox box = runOf(entry).Box;
        extent.Width = std::max(extent.Width, box.Right - box.Left);
        extent.Height = std::max(extent.Height, box.Bottom - box.Top);
        extent.Above = std::max(extent.Above, -box.Top);
        extent.Below = std::max(extent.Below, box.Bottom);
    }
    return extent;
}

const TExtent& KanaExtent(TKanaGroup group, TScript script)
{
    static const auto extents = [] {
        std::array<std::array<TExtent, ScriptCount>, GroupCount> all;
        for (int g = 0; g < GroupCount; ++g)
            for (const TScript s : {TScript::Hiragana, TScript::Katakana})
                all[size_t(g)][size_t(s)] = GroupExtent(TKanaGroup(g), [s](const TCatalogueKana& entry) {
                    return KanaRun(s == TScript::Hiragana ? entry.Hiragana : entry.Katakana);
                });
        return all;
    }();
    return extents[size_t(group)][size_t(script)];
}

const TExtent& WordExtent(TKanaGroup group)
{
    static const auto extents = [] {
        std::array<TExtent, GroupCount> all;
        for (int g = 0; g < GroupCount; ++g)
            all[size_t(g)] =
                GroupExtent(TKanaGroup(g), [](const TCatalogueKana& entry) { return WordRun(entry.Reading); });
        return all;
    }();
    return extents[size_t(group)];
}

double Fitting(const TExtent& extent, const TBox& box, double room)
{
    return std::min((box.Height - room) / extent.Height, (box.Width - room) / extent.Width);
}

TKanaGroup GroupOf(TKanaId kana)
{
    return kana < CatalogueSize ? KanaCatalogue[kana].Group : TKanaGroup::Basic;
}

}  // namespace

TArtworkInk ArtworkInk(uint8_t artwork)
{
    return artwork == 1 ? TArtworkInk{Emboldening / 2 + EdgeWidth, ShadowOffset} : TArtworkInk{Emboldening / 2, 0};
}

double KanaPixelsPerEm(TKanaId kana, TScript script, bool withReading, uint8_t artwork)
{
    const TBox& box = withReading ? CharacterBox : AloneBox;
    const double room = ArtworkInk(artwork).Room();
    const TKanaGroup group = GroupOf(kana);
    const double hiragana = Fitting(KanaExtent(group, TScript::Hiragana), box, room);
    return script == TScript::Katakana ? std::min(hiragana, Fitting(KanaExtent(group, script), box, room)) : hiragana;
}

TWordSetting AloneReadingSetting(TKanaId kana, uint8_t artwork)
{
    const TArtworkInk ink = ArtworkInk(artwork);
    const TExtent& basic = WordExtent(TKanaGroup::Basic);
    const TExtent& own = WordExtent(GroupOf(kana));
    const double room = ink.Room();
    // No larger than the designed 48's, so that the words of one board look alike.
    const double size = std::min(
        {(AloneBox.Height - room) / (basic.Above + basic.Below), (AloneBox.Width - room) / basic.Width,
         (AloneBox.Height - room) / (own.Above + own.Below), (AloneBox.Width - room) / own.Width});
    const double inkTop = AloneBox.CentreY() - ink.Shadow / 2 - (own.Above + own.Below) * size / 2;
    return {size, inkTop + own.Above * size};
}

}  // namespace face_layout
