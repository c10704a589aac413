#include "win32/dialogs/SaveFileDialog.h"

#include <commdlg.h>

#include <stdexcept>
#include <string>

#include "storage/WindowsText.h"

namespace {

// Caption and pattern of each filter, each ended by a null, the list by a second one.
std::wstring FilterList(std::span<const TExportFilter> filters)
{
    std::wstring list;
    for (const TExportFilter& filter : filters) {
        list += Wide(filter.Caption) + L'\0';
        list += Wide(filter.Pattern) + L'\0';
    }
    return list;
}

}  // namespace

std::optional<TDialogView::TSaveChoice> AskSaveFileName(HWND owner, std::span<const TExportFilter> filters,
                                                        const std::filesystem::path& proposed)
{
    const std::wstring filterList = FilterList(filters);
    const std::wstring folder = proposed.parent_path().wstring();
    std::wstring name = proposed.filename().wstring();
    name.resize(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterList.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog)) {
        if (CommDlgExtendedError() != 0)
            throw std::runtime_error("The save dialog could not be opened.");
        return std::nullopt;
    }
    name.resize(name.find(L'\0'));
    // The dialog counts its filters from 1.
    const size_t chosen = dialog.nFilterIndex >= 1 ? dialog.nFilterIndex - 1 : 0;
    return TDialogView::TSaveChoice{Utf8(name), chosen};
}
