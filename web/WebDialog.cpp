#include "web/WebDialog.h"

#include <emscripten.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <system_error>

#include "app/ArtworkNames.h"
#include "app/Manual.h"
#include "faces/SharedFaces.h"
#include "web/JsonText.h"
#include "web/WebMessages.h"

EM_JS(void, tesuli_dialog_build, (int id, const char* screen), { TesuliPage.dialogs.build(id, UTF8ToString(screen)); });
EM_JS(void, tesuli_dialog_show, (int id), { TesuliPage.dialogs.show(id); });
EM_JS(int, tesuli_dialog_room, (), { return TesuliPage.dialogs.room(); });
EM_JS(int, tesuli_dialog_open, (int id), { return TesuliPage.dialogs.isOpen(id) ? 1 : 0; });
EM_JS(void, tesuli_dialog_hide, (int id), { TesuliPage.dialogs.hide(id); });
EM_JS(int, tesuli_dialog_item, (int id, const char* group), {
    return TesuliPage.dialogs.itemIndex(id, UTF8ToString(group));
});
EM_JS(void, tesuli_dialog_set_item, (int id, const char* group, int index), {
    TesuliPage.dialogs.setItemIndex(id, UTF8ToString(group), index);
});
EM_JS(void, tesuli_dialog_chosen, (int id, const char* preview, int chosen), {
    TesuliPage.dialogs.setChosen(id, UTF8ToString(preview), chosen !== 0);
});
EM_JS(void, tesuli_dialog_picture, (int id, const char* preview, const char* picture), {
    TesuliPage.dialogs.setPicture(id, UTF8ToString(preview), JSON.parse(UTF8ToString(picture)));
});
EM_JS(char*, tesuli_dialog_text, (int id, const char* control), {
    const text = TesuliPage.dialogs.text(id, UTF8ToString(control));
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, tesuli_dialog_set_text, (int id, const char* control, const char* text), {
    TesuliPage.dialogs.setText(id, UTF8ToString(control), UTF8ToString(text));
});
EM_JS(void, tesuli_dialog_rows, (int id, const char* list, const char* rows), {
    TesuliPage.dialogs.setRows(id, UTF8ToString(list), JSON.parse(UTF8ToString(rows)));
});
EM_JS(void, tesuli_dialog_chart, (int id, const char* chart, const char* cells), {
    TesuliPage.dialogs.setChart(id, UTF8ToString(chart), JSON.parse(UTF8ToString(cells)));
});
EM_JS(void, tesuli_dialog_focus, (int id, const char* control), {
    TesuliPage.dialogs.focus(id, UTF8ToString(control));
});
EM_JS(void, tesuli_open_url, (const char* url), { TesuliPage.openUrl(UTF8ToString(url)); });
EM_JS(void, tesuli_download, (const char* name, const uint8_t* bytes, int size), {
    TesuliPage.download(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size));
});
EM_JS(double, tesuli_device_ratio, (), { return window.devicePixelRatio || 1; });

namespace {

// The one folder exports go to before the page hands them to the browser's downloads.
const std::filesystem::path DownloadFolder = "/downloads";
// How far a radio group's frame reaches down under its caption on the page (page.css).
constexpr int RadioCaptionHeight = 14;

std::string RectJson(const TDesignRect& r)
{
    return TJsonObject().Field("l", r.Left).Field("t", r.Top).Field("w", r.Width).Field("h", r.Height).Text();
}

std::string CellJson(const TSheetCell& cell, double ratio)
{
    if (cell.Sheet == TSheet::TileFace)
        return FacePictureJson(cell, ratio);
    return TJsonObject().Field("sheet", SheetName(cell.Sheet)).Raw("cell", RectJson(cell.Cell)).Text();
}

}  // namespace

std::string FacePictureJson(const TSheetCell& cell, double ratio)
{
    // Each face at its device pixels, placed in device pixels so that none is resampled.
    static std::vector<std::vector<uint32_t>> kept;
    const int width = static_cast<int>(std::lround(cell.Cell.Width * ratio));
    const int height = static_cast<int>(std::lround(cell.Cell.Height * ratio));
    std::vector<uint32_t> rgba(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    for (size_t n = 0; n <= cell.Partners.size(); ++n) {
        const TPixelImage& face = SharedFace(n == 0 ? cell.Face : cell.Partners[n - 1], ratio);
        const int left = static_cast<int>(std::lround(static_cast<double>(n) * PartnerStep * ratio));
        for (int y = 0; y < std::min(face.Height, height); ++y)
            for (int x = 0; x < face.Width && left + x < width; ++x) {
                const uint32_t p = face.At(x, y);
                rgba[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(left + x)] =
                    0xff000000 | (p & 0xff) << 16 | (p & 0xff00) | (p >> 16 & 0xff);
            }
    }
    kept.push_back(std::move(rgba));
    if (kept.size() > 64)
        kept.erase(kept.begin());
    return TJsonObject()
        .Field("w", width)
        .Field("h", height)
        .Field("ratio", static_cast<long long>(std::lround(ratio * 1000)))
        .Field("pixels", static_cast<long long>(reinterpret_cast<uintptr_t>(kept.back().data())))
        .Text();
}

TWebDialog::TWebDialog(TDialogId id, TDialogLogic& logic, std::function<void()> activated)
    : Id(static_cast<int>(id)), DialogLogic(logic), Activated(std::move(activated))
{
}

std::string TWebDialog::ScreenJson() const
{
    const TScreen& screen = DialogLogic.Screen();
    const double ratio = tesuli_device_ratio();
    const std::string controls = JsonArray(screen.Controls, [&](const TControl& c) {
        TJsonObject row;
        row.Field("kind", static_cast<int>(c.Kind))
            .Field("name", c.Name)
            .Field("parent", c.Parent)
            .Raw("rect", RectJson(c.Rect))
            .Field("caption", c.Caption)
            .Raw("items", JsonArray(c.Items, [&, n = 0](const std::string& item) mutable {
                     return TJsonObject()
                         .Field("caption", item)
                         .Field("name", RadioItemName(c.ItemPrefix, item))
                         .Raw("place", RectJson(RadioItemPlace(c, n++, RadioCaptionHeight)))
                         .Text();
                 }))
            .Field("columns", c.Columns)
            .Field("isDefault", c.IsDefault)
            .Field("isCancel", c.IsCancel)
            .Field("tabStop", c.TabStop)
            .Field("firstFocus", c.FirstFocus)
            .Field("glyph", c.Glyph == TButtonGlyph::None ? "" : ButtonGlyphName(c.Glyph))
            .Field("tooltip", c.Tooltip)
            .Field("wraps", c.Wraps);
        if (c.Kind == TControlKind::Preview)
            row.Raw("picture", CellJson(c.Picture, ratio)).Field("image", PreviewImageName(c.Name));
        return row.Text();
    });
    return TJsonObject()
        .Field("id", Id)
        .Field("name", screen.Name)
        .Field("caption", screen.Caption)
        .Field("width", screen.ClientWidth)
        .Field("height", screen.ClientHeight)
        .Field("icon", screen.ProgramIconInTitle)
        .Raw("controls", controls)
        .Text();
}

void TWebDialog::Click(std::string_view control, int item)
{
    DialogLogic.Click(*this, control, item);
    HandOverSaved();
}

void TWebDialog::Reload()
{
    if (IsOpen())
        DialogLogic.FormShow(*this);
}

void TWebDialog::RefreshIfOpen()
{
    if (IsOpen())
        DialogLogic.Refresh(*this);
}

void TWebDialog::StepPreview(std::string_view preview, TArrow arrow)
{
    const TControl& next = DialogLogic.Screen().StepInGroup(preview, arrow);
    SetFocus(next.Name);
    Click(next.Name, -1);
}

bool TWebDialog::IsOpen() const
{
    return tesuli_dialog_open(Id) != 0;
}

void TWebDialog::FormShow()
{
    // Built hidden on the first showing, so that the show handler finds its controls, and built
    // anew where the screen has since turned or been resized so that another layout fits it.
    DialogLogic.FitTo(tesuli_dialog_room());
    if (Built != &DialogLogic.Screen()) {
        tesuli_dialog_build(Id, ScreenJson().c_str());
        Built = &DialogLogic.Screen();
    }
    DialogLogic.FormShow(*this);
}

void TWebDialog::Appear()
{
    tesuli_dialog_show(Id);
    Activated();
}

void TWebDialog::BringToFront()
{
    Activated();
}

int TWebDialog::ItemIndex(std::string_view radioGroup) const
{
    return tesuli_dialog_item(Id, std::string(radioGroup).c_str());
}

void TWebDialog::SetItemIndex(std::string_view radioGroup, int index)
{
    tesuli_dialog_set_item(Id, std::string(radioGroup).c_str(), index);
}

void TWebDialog::SetChosen(std::string_view preview, bool chosen)
{
    tesuli_dialog_chosen(Id, std::string(preview).c_str(), chosen);
}

void TWebDialog::SetPicture(std::string_view preview, const TSheetCell& picture)
{
    tesuli_dialog_picture(Id, std::string(preview).c_str(), CellJson(picture, tesuli_device_ratio()).c_str());
}

std::string TWebDialog::Text(std::string_view control) const
{
    char* text = tesuli_dialog_text(Id, std::string(control).c_str());
    std::string copy(text);
    std::free(text);
    return copy;
}

void TWebDialog::SetText(std::string_view control, const std::string& text)
{
    tesuli_dialog_set_text(Id, std::string(control).c_str(), text.c_str());
}

void TWebDialog::SetRows(std::string_view scoreList, const std::vector<TScoreRow>& rows)
{
    const std::string json = JsonArray(rows, [](const TScoreRow& row) {
        return JsonArray(row, [](const std::string& field) { return JsonString(field); });
    });
    tesuli_dialog_rows(Id, std::string(scoreList).c_str(), json.c_str());
}

void TWebDialog::SetChart(std::string_view kanaChart, const std::vector<TChartCellLook>& cells)
{
    const double ratio = tesuli_device_ratio();
    const std::string json = JsonArray(cells, [&](const TChartCellLook& cell) {
        TJsonObject look;
        look.Raw("cell", RectJson(cell.Cell)).Field("colour", static_cast<long long>(cell.Colour)).Field("ground", cell.Ground);
        if (cell.Picture.Cell.Width > 0)
            look.Raw("picture", CellJson(cell.Picture, ratio)).Raw("pictureAt", RectJson(cell.PictureAt));
        look.Raw("lines", JsonArray(cell.Lines, [](const std::string& line) { return JsonString(line); }))
            .Raw("lineAt", JsonArray(cell.LineAt, RectJson));
        return look.Text();
    });
    tesuli_dialog_chart(Id, std::string(kanaChart).c_str(), json.c_str());
}

void TWebDialog::SetFocus(std::string_view control)
{
    tesuli_dialog_focus(Id, std::string(control).c_str());
}

void TWebDialog::Hide()
{
    tesuli_dialog_hide(Id);
}

void TWebDialog::ShowMessage(TMessageRequest request)
{
    ShowPageMessage(std::move(request));
}

std::optional<TDialogView::TSaveChoice> TWebDialog::AskSaveFileName(std::span<const TExportFilter>,
                                                                     const std::filesystem::path& proposed)
{
    // The browser asks where a download goes, if the player has it ask.
    std::error_code ignored;
    std::filesystem::create_directories(DownloadFolder, ignored);
    return TSaveChoice{(DownloadFolder / proposed.filename()).string(), 0};
}

void TWebDialog::HandOverSaved()
{
    std::error_code ignored;
    if (!std::filesystem::is_directory(DownloadFolder, ignored))
        return;
    for (const auto& entry : std::filesystem::directory_iterator(DownloadFolder, ignored)) {
        std::FILE* file = std::fopen(entry.path().c_str(), "rb");
        if (!file)
            continue;
        std::vector<uint8_t> bytes;
        uint8_t block[4096];
        for (size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;)
            bytes.insert(bytes.end(), block, block + got);
        std::fclose(file);
        tesuli_download(entry.path().filename().c_str(), bytes.data(), static_cast<int>(bytes.size()));
        std::filesystem::remove(entry.path(), ignored);
    }
}

void TWebDialog::OpenUrl(std::string_view url, std::function<void()>)
{
    tesuli_open_url(std::string(url).c_str());
}

std::filesystem::path TWebDialog::ProgramFolder() const
{
    // About finds the manual beside the program, which the page serves beside itself: a stand-in
    // is made the first time it is looked for, so that the start does not wait on the file system.
    static const bool standInMade = [] {
        std::FILE* manual = std::fopen(("/" + std::string(ManualFileName)).c_str(), "w");
        return manual && std::fclose(manual) == 0;
    }();
    (void)standInMade;
    return "/";
}

std::filesystem::path TWebDialog::DocumentsFolder() const
{
    return "/home/web_user";
}
