#include "app/Commands.h"

std::vector<TShortcut> ShortcutsOf(TCommandId command, TPlatform platform)
{
    const TCommandLook& look = LookOf(command);
    if (platform == TPlatform::Windows && !look.WindowsKey.Empty())
        return {look.WindowsKey};
    std::vector<TShortcut> keys;
    for (const TShortcut& key : look.Keys)
        if (!key.Empty())
            keys.push_back(key);
    return keys;
}

std::string ShortcutText(TShortcut key)
{
    std::string text;
    if (key.Ctrl)
        text += "Ctrl+";
    if (key.Alt)
        text += "Alt+";
    return key.Function != 0 ? text + "F" + std::to_string(key.Function) : text + key.Letter;
}

std::string MenuCaption(std::string_view caption, char accessKey)
{
    std::string text(caption);
    if (const size_t at = text.find(accessKey); accessKey != 0 && at != std::string::npos)
        text.insert(at, 1, '&');
    return text;
}

std::string TooltipText(TCommandId command, TPlatform platform)
{
    const std::vector<TShortcut> keys = ShortcutsOf(command, platform);
    const std::string hint(LookOf(command).Hint);
    return keys.empty() ? hint : hint + " (" + ShortcutText(keys.front()) + ")";
}

std::string MenuItemText(TCommandId command, TPlatform platform)
{
    const TCommandLook& look = LookOf(command);
    const std::vector<TShortcut> keys = ShortcutsOf(command, platform);
    const std::string caption = MenuCaption(look.Caption, look.AccessKey);
    return keys.empty() ? caption : caption + "\t" + ShortcutText(keys.front());
}
