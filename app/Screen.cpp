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

const TControl& TScreen::StepInGroup(std::string_view preview, int step) const
{
    const TControl& from = Control(preview);
    std::vector<const TControl*> group;
    size_t at = 0;
    for (const TControl& row : Controls)
        if (row.Kind == TControlKind::Preview && row.Parent == from.Parent) {
            if (&row == &from)
                at = group.size();
            group.push_back(&row);
        }
    const auto count = static_cast<long>(group.size());
    return *group[static_cast<size_t>(((static_cast<long>(at) + step) % count + count) % count)];
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
