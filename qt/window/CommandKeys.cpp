#include "qt/window/CommandKeys.h"

QList<QKeySequence> CommandShortcuts(TCommandId command)
{
    QList<QKeySequence> sequences;
    for (const TShortcut& key : ShortcutsOf(command, TPlatform::Linux)) {
        Qt::KeyboardModifiers modifiers;
        if (key.Ctrl)
            modifiers |= Qt::ControlModifier;
        if (key.Alt)
            modifiers |= Qt::AltModifier;
        const auto name = key.Function != 0 ? Qt::Key(Qt::Key_F1 + key.Function - 1) : Qt::Key(Qt::Key_A + (key.Letter - 'A'));
        sequences.push_back(QKeySequence(QKeyCombination(modifiers, name)));
    }
    return sequences;
}

std::optional<TTypedKey> TypedKey(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return TTypedKey{0, TTypingKey::Enter};
    case Qt::Key_Space: return TTypedKey{0, TTypingKey::Space};
    case Qt::Key_Backspace: return TTypedKey{0, TTypingKey::Backspace};
    case Qt::Key_Escape: return TTypedKey{0, TTypingKey::Escape};
    default: break;
    }
    const QString text = event.text();
    if (text.size() == 1 && text[0].isLetter() && text[0].unicode() < 0x80)
        return TTypedKey{static_cast<char>(text[0].unicode()), std::nullopt};
    return std::nullopt;
}
