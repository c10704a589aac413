#include "app/Screen.h"

#include <cctype>
#include <stdexcept>

const TControl& TScreen::Control(std::string_view name) const
{
    for (const TControl& control : Controls)
        if (control.Name == name)
            return control;
    throw std::logic_error(NoControlText(Name, name));
}

TDesignRect TScreen::PlaceInDialog(const TControl& control) const
{
    TDesignRect place = control.Rect;
    for (const TControl* parent = &control; !parent->Parent.empty();) {
        parent = &Control(parent->Parent);
        place.Left += parent->Rect.Left;
        place.Top += parent->Rect.Top;
    }
    return place;
}

std::string RadioItemName(std::string_view prefix, std::string_view caption)
{
    std::string name(prefix);
    bool wordStart = true;
    for (const char c : caption) {
        if (c == ' ') {
            wordStart = true;
            continue;
        }
        name += wordStart ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        wordStart = false;
    }
    return name;
}

TDesignRect RadioItemPlace(const TControl& group, int item, int captionHeight)
{
    // Room for the frame: 8 at the left, 10 across, 5 below the last row.
    const int count = static_cast<int>(group.Items.size());
    const int perColumn = (count + group.Columns - 1) / group.Columns;
    const int width = (group.Rect.Width - 10) / group.Columns;
    const int freeHeight = group.Rect.Height - captionHeight - 5;
    const int height = freeHeight / perColumn;
    const int topMargin = captionHeight + 1 + (freeHeight % perColumn) / 2;
    return {8 + item / perColumn * width, topMargin + item % perColumn * height, width, height};
}

const TControl& TScreen::StepInGroup(std::string_view preview, TArrow arrow) const
{
    const TControl& from = Control(preview);
    const bool across = arrow == TArrow::Left || arrow == TArrow::Right;
    const bool forward = arrow == TArrow::Right || arrow == TArrow::Down;
    // Along a row the place is the left edge, down a column the top one.
    const auto along = [&](const TControl& row) { return across ? row.Rect.Left : row.Rect.Top; };
    const auto line = [&](const TControl& row) { return across ? row.Rect.Top : row.Rect.Left; };
    const TControl* next = nullptr;
    const TControl* first = &from;
    for (const TControl& row : Controls) {
        if (row.Kind != TControlKind::Preview || row.Parent != from.Parent || line(row) != line(from))
            continue;
        const int ahead = forward ? along(row) - along(from) : along(from) - along(row);
        if (ahead > 0 && (!next || ahead < (forward ? along(*next) - along(from) : along(from) - along(*next))))
            next = &row;
        if (forward ? along(row) < along(*first) : along(row) > along(*first))
            first = &row;
    }
    return next ? *next : *first;
}

std::string PreviewImageName(std::string_view panelName)
{
    std::string name(panelName);
    if (const size_t at = name.rfind("Panel"); at != std::string::npos)
        name.replace(at, 5, "Image");
    return name;
}

std::string NoControlText(std::string_view screen, std::string_view control)
{
    return std::string(screen) + " has no control " + std::string(control);
}
