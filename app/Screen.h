#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/ArtworkNames.h"
#include "model/BoardRaster.h"
#include "model/TilePlacement.h"

inline constexpr int PartnerStep = TileWidth + 4;

// A dialog stated as data: each front end has one builder per kind of control and makes its
// toolkit's widgets from these rows; nothing of a dialog's look is written in a front end.

enum class TControlKind {
    Bevel,        // a sunken frame behind a group of controls
    GroupBox,     // a captioned frame; the controls naming it as parent stand inside it
    Label,        // one line of text; grows to the right where the font runs wider, never cut off (see Wraps)
    PathLabel,    // a file's place on one line, shortened in its middle where longer; whole on hovering
    Button,       // a push button with its glyph beside the caption
    Edit,         // a one-line text box
    RadioGroup,   // a captioned frame of radio items (Items), filling Columns top to bottom
    Preview,      // a framed picture of a sprite sheet's cell, chosen by a click or the arrow keys
    ProgramIcon,  // the program icon, 32 x 32
    ScoreList,    // the scores table, with the columns of app/ScoresList.h
    Memo,         // read-only text that wraps and scrolls
    CommandList,  // the commands' pictures with their captions (app/InfoTexts.h)
    KanaChart,    // cells of kana pictures and texts on coloured grounds (app/ProgressScreen.h)
    CheckBox,     // a box with its caption beside it; its item index is 1 when checked, else 0
};

struct TDesignRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const TDesignRect&) const = default;
};

// A preview's picture: a tile face as the core draws it, or one cell of a built-in sprite sheet;
// Cell is in the sheet's pixels at scale 1 (a face's is its 40 x 56 at the origin, a mixed board's
// faces side by side).
struct TSheetCell {
    TSheet Sheet = TSheet::TileFace;
    TDesignRect Cell{};
    TFacePicture Face{};  // when Sheet is TileFace
    // The other looks the learning modes give the same kana on one board (the other script, the
    // reading alone), each PartnerStep further right.
    std::vector<TFacePicture> Partners{};

    bool operator==(const TSheetCell&) const = default;
};

struct TControl {
    TControlKind Kind{};
    std::string Name{};    // how code and an automated player find the control
    std::string Parent{};  // a group box's name, or empty for the dialog itself
    TDesignRect Rect{};    // in the parent, in design pixels (96 per inch)
    std::string Caption{};
    std::vector<std::string> Items{};  // a radio group's items
    std::string ItemPrefix{};          // their names start so: see RadioItemName
    int Columns = 1;
    bool IsDefault = false;  // Enter clicks it
    bool IsCancel = false;   // Escape clicks it
    bool TabStop = false;    // the tab order is the order of the rows
    bool FirstFocus = false;
    TButtonGlyph Glyph = TButtonGlyph::None;
    TSheetCell Picture{};   // a preview's picture
    std::string Tooltip{};  // shown on hovering, where the caption is short of the whole text
    bool Wraps = false;     // a label's text wraps within its width, in lines as many as its height holds
};

enum class TArrow { Left, Right, Up, Down };

struct TScreen {
    std::string Name{};     // "OptionsForm" ...
    std::string Caption{};  // the title bar
    int ClientWidth = 0;
    int ClientHeight = 0;
    bool ProgramIconInTitle = false;
    std::vector<TControl> Controls{};
    bool BesideBoard = false;  // opens where it hides the board least, as it shows the game going on

    // The row of that name; raises for a name the screen does not have.
    const TControl& Control(std::string_view name) const;
    // Where a control stands in the dialog's client area, its parents' places added.
    TDesignRect PlaceInDialog(const TControl& control) const;
    // The preview an arrow key goes to from the named one among the previews of its group: the next
    // in that direction in its row or column of the grid they stand in, round from the last to the
    // first, as the arrow keys go through radio items.
    const TControl& StepInGroup(std::string_view preview, TArrow arrow) const;
};

// The font every window of the game asks for; a system without it stands in its own.
inline constexpr std::string_view UiFontFamily = "MS Sans Serif";
inline constexpr int UiFontPoints = 8;

// The error of code that asks a dialog for a control its screen does not have.
std::string NoControlText(std::string_view screen, std::string_view control);

// The names a radio group's items are found by: the prefix and the caption's words run together,
// each starting upper case ("Map" and "flat square" give MapFlatSquare).
std::string RadioItemName(std::string_view prefix, std::string_view caption);
// Where item number item of a radio group stands within the group: the items fill the columns top
// to bottom, evenly spread over the height below the caption, which is captionHeight high.
TDesignRect RadioItemPlace(const TControl& group, int item, int captionHeight);
// A preview's picture is found as the panel's name with "Panel" read "Image".
std::string PreviewImageName(std::string_view panelName);
