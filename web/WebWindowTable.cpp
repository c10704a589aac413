// The main window's tables (commands, their keys, menus, tool bar bands, status panels) as the
// page's script builds its bars from them.
#include <emscripten.h>

#include <string>

#include "app/MainWindowLayout.h"
#include "app/InfoTexts.h"
#include "app/Readout.h"
#include "app/ScoresList.h"
#include "model/TilePlacement.h"
#include "web/JsonText.h"

namespace {

std::string ShortcutJson(const TShortcut& key)
{
    return TJsonObject()
        .Field("letter", std::string(key.Letter ? 1 : 0, key.Letter))
        .Field("function", static_cast<int>(key.Function))
        .Field("ctrl", key.Ctrl)
        .Field("alt", key.Alt)
        .Field("text", ShortcutText(key))
        .Text();
}

std::string WindowJson()
{
    std::string commands = "[";
    for (int n = 0; n < CommandCount; ++n) {
        const auto id = static_cast<TCommandId>(n);
        const TCommandLook& look = LookOf(id);
        commands.append(n ? "," : "")
            .append(TJsonObject()
                        .Field("caption", look.Caption)
                        .Field("hint", TooltipText(id, TPlatform::Linux))
                        .Field("icon", look.IconName)
                        .Field("name", look.ActionName)
                        .Field("enabled", look.InitiallyEnabled)
                        .Field("accessKey", std::string(1, look.AccessKey))
                        .Raw("keys", JsonArray(ShortcutsOf(id, TPlatform::Linux), ShortcutJson))
                        .Text());
    }
    commands += "]";
    const auto commandIds = [](const auto& items) {
        return JsonArray(items, [](const auto& item) {
            if constexpr (std::is_same_v<std::decay_t<decltype(item)>, TMenuItem>)
                return TJsonObject()
                    .Field("command", static_cast<int>(item.Command))
                    .Field("separator", item.SeparatorBefore)
                    .Text();
            else
                return std::to_string(static_cast<int>(item));
        });
    };
    const std::string menus = JsonArray(Menus, [&](const TMenuLayout& menu) {
        return TJsonObject()
            .Field("caption", menu.Caption)
            .Field("name", menu.Name)
            .Field("accessKey", std::string(1, menu.AccessKey))
            .Raw("items", commandIds(menu.Items))
            .Text();
    });
    const std::string bands = JsonArray(Bands, [&](const TBandLayout& band) { return commandIds(band.Buttons); });
    const std::string panels = JsonArray(StatusPanelLayouts, [](const TPanelLayout& panel) {
        return TJsonObject().Field("width", panel.Width).Field("centred", panel.Centred).Text();
    });
    const std::string help = JsonArray(HelpCommands, [](const THelpCommand& command) {
        return TJsonObject()
            .Field("name", command.Name)
            .Field("description", command.Description)
            .Field("command", static_cast<int>(command.Command))
            .Text();
    });
    const std::string columns = JsonArray(ScoreColumns, [](const TScoreColumn& column) {
        return TJsonObject()
            .Field("caption", column.Caption)
            .Field("width", column.Width)
            .Field("align", static_cast<int>(column.Alignment))
            .Text();
    });
    return TJsonObject()
        .Field("caption", MainFormCaption)
        .Field("window", MainFormName)
        .Raw("commands", commands)
        .Raw("menus", menus)
        .Raw("bands", bands)
        .Raw("panels", panels)
        .Raw("helpCommands", help)
        .Raw("scoreColumns", columns)
        .Raw("board", TJsonObject().Field("width", BoardWidth).Field("height", BoardHeight).Text())
        .Text();
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE const char* tesuli_window_json()
{
    static const std::string json = WindowJson();
    return json.c_str();
}
