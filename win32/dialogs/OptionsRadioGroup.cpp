#include "win32/dialogs/OptionsRadioGroup.h"

#include <cwctype>

namespace {

// The caption's height and the room below the items, in design pixels.
constexpr int CaptionHeight = 13;
constexpr int BottomMargin = 5;

std::string ItemName(const std::string& prefix, const std::wstring& caption)
{
    std::string name = prefix;
    bool wordStart = true;
    for (const wchar_t c : caption) {
        if (c == L' ') {
            wordStart = true;
            continue;
        }
        name += static_cast<char>(wordStart ? std::towupper(c) : c);
        wordStart = false;
    }
    return name;
}

}  // namespace

TRadioGroup::TRadioGroup(TTesuliDialog& dialog, const char* name, const wchar_t* caption,
                         const std::vector<std::wstring>& items, const std::string& itemPrefix, int columns,
                         TPlace place, int firstId)
    : FirstId(firstId)
{
    dialog.AddGroupBox(name, caption, place);
    // The items fill the columns top to bottom, evenly spread over the height below the caption.
    const int count = static_cast<int>(items.size());
    const int perColumn = (count + columns - 1) / columns;
    const int itemWidth = (place.Width - 10) / columns;
    const int freeHeight = place.Height - CaptionHeight - BottomMargin;
    const int itemHeight = freeHeight / perColumn;
    const int topMargin = CaptionHeight + 1 + (freeHeight % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        const TPlace at{place.Left + 8 + i / perColumn * itemWidth, place.Top + topMargin + i % perColumn * itemHeight,
                        itemWidth, itemHeight};
        const DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
        Items.push_back(dialog.AddControl(ItemName(itemPrefix, items[static_cast<size_t>(i)]).c_str(), WC_BUTTONW,
                                          items[static_cast<size_t>(i)], style, at, firstId + i));
    }
}

int TRadioGroup::ItemIndex() const
{
    for (size_t i = 0; i < Items.size(); ++i)
        if (SendMessageW(Items[i], BM_GETCHECK, 0, 0) == BST_CHECKED)
            return static_cast<int>(i);
    return -1;
}

void TRadioGroup::SetItemIndex(int index)
{
    for (size_t i = 0; i < Items.size(); ++i)
        SendMessageW(Items[i], BM_SETCHECK, static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED, 0);
}
