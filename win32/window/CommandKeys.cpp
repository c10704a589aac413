#include "win32/window/CommandKeys.h"

#include "win32/window/MainUnit.h"

std::vector<ACCEL> CommandAccelerators()
{
    std::vector<ACCEL> table;
    for (int index = 0; index < CommandCount; ++index) {
        const auto command = static_cast<TCommandId>(index);
        for (const TShortcut& key : ShortcutsOf(command, TPlatform::Windows)) {
            ACCEL row{};
            row.fVirt = static_cast<BYTE>(FVIRTKEY | (key.Ctrl ? FCONTROL : 0) | (key.Alt ? FALT : 0));
            row.key = static_cast<WORD>(key.Function != 0 ? VK_F1 + key.Function - 1 : key.Letter);
            row.cmd = static_cast<WORD>(MenuIdOf(command));
            table.push_back(row);
        }
    }
    return table;
}

std::optional<TTypedKey> TypedKey(wchar_t character, bool ctrlOrAltDown)
{
    if (ctrlOrAltDown)
        return std::nullopt;
    switch (character) {
    case L'\r': return TTypedKey{0, TTypingKey::Enter};
    case L' ': return TTypedKey{0, TTypingKey::Space};
    case L'\b': return TTypedKey{0, TTypingKey::Backspace};
    case 0x1b: return TTypedKey{0, TTypingKey::Escape};
    default: break;
    }
    if ((character >= L'a' && character <= L'z') || (character >= L'A' && character <= L'Z'))
        return TTypedKey{static_cast<char>(character), std::nullopt};
    return std::nullopt;
}
