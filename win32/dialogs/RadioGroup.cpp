#include "win32/dialogs/RadioGroup.h"

#include <algorithm>

#include "storage/WindowsText.h"

namespace {

// The caption's height in design pixels, as the dialog's font draws it.
constexpr int CaptionHeight = 13;

}  // namespace

TRadioGroup::TRadioGroup(TTesuliDialog& dialog, const TControl& row, TPlace place, int firstId)
    : FirstId(firstId)
    , TabStop(row.TabStop)
{
    dialog.AddGroupBox(row.Name.c_str(), Wide(row.Caption).c_str(), place);
    for (int i = 0; i < static_cast<int>(row.Items.size()); ++i) {
        const std::string& caption = row.Items[static_cast<size_t>(i)];
        const TDesignRect item = RadioItemPlace(row, i, CaptionHeight);
        const TPlace at{place.Left + item.Left, place.Top + item.Top, item.Width, item.Height};
        const DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | (row.TabStop ? WS_TABSTOP : 0) : 0);
        Items.push_back(dialog.AddControl(RadioItemName(row.ItemPrefix, caption).c_str(), WC_BUTTONW, Wide(caption),
                                          style, at, firstId + i));
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
    MoveTabStopToChosen();
}

void TRadioGroup::MoveTabStopToChosen()
{
    if (!TabStop)
        return;
    const int chosen = std::max(ItemIndex(), 0);
    for (size_t i = 0; i < Items.size(); ++i) {
        const LONG_PTR style = GetWindowLongPtrW(Items[i], GWL_STYLE);
        const LONG_PTR wanted = static_cast<int>(i) == chosen ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP);
        if (wanted != style)
            SetWindowLongPtrW(Items[i], GWL_STYLE, wanted);
    }
}

int TRadioGroup::ItemOf(int id) const
{
    return id >= FirstId && id < FirstId + ItemCount() ? id - FirstId : -1;
}
