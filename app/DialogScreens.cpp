#include "app/DialogScreens.h"

#include "app/InfoTexts.h"
#include "model/MapUnit.h"
#include "model/TilePlacement.h"

namespace {

using enum TControlKind;

constexpr int FaceGroupLeft = 8, GroupsTop = 8;
constexpr int PreviewBorder = 5;  // around a preview's picture
constexpr int TextureSide = 32;

TControl MakeButton(std::string name, std::string caption, TButtonGlyph glyph, TDesignRect rect)
{
    TControl button{Button, std::move(name), {}, rect, std::move(caption)};
    button.Glyph = glyph;
    button.TabStop = true;
    return button;
}

TControl Default(TControl control, bool alsoCancel = false)
{
    control.IsDefault = true;
    control.IsCancel = alsoCancel;
    return control;
}

TControl Cancel(TControl control)
{
    control.IsCancel = true;
    return control;
}

TControl Focused(TControl control)
{
    control.FirstFocus = true;
    return control;
}

TControl MakeRadioGroup(std::string name, std::string caption, std::vector<std::string> items, std::string prefix,
                    int columns, TDesignRect rect)
{
    TControl group{RadioGroup, std::move(name), {}, rect, std::move(caption), std::move(items)};
    group.ItemPrefix = std::move(prefix);
    group.Columns = columns;
    group.TabStop = true;
    return group;
}

TControl MakePreview(std::string name, std::string parent, int left, int top, TSheetCell picture)
{
    TControl preview{Preview, std::move(name), std::move(parent),
                     {left, top, picture.Cell.Width + 2 * PreviewBorder, picture.Cell.Height + 2 * PreviewBorder}};
    preview.Picture = picture;
    preview.TabStop = true;
    return preview;
}

// A label as wide as its text.
TControl MakeLabel(std::string name, std::string parent, int left, int top, std::string text)
{
    return {Label, std::move(name), std::move(parent), {left, top, 0, 13}, std::move(text)};
}

std::vector<std::string> MapNames()
{
    std::vector<std::string> names;
    for (int number = 1; number <= MapCount; ++number)
        names.push_back(MapName(static_cast<uint8_t>(number)));
    return names;
}

// Everything stands 3 pixels in from the window's edge.
TDesignRect InBorder(int left, int top, int width, int height)
{
    constexpr int ClientBorder = 3;
    return {ClientBorder + left, ClientBorder + top, width, height};
}

TScreen MakeOptionsScreen()
{
    // The learning modes' two groups below the hint's, and the kana set's below them, make the
    // dialog this much taller; a face preview's room for three tiles, this much wider.
    constexpr int Modes = 168, Pair = 2 * PartnerStep;
    constexpr int BackgroundGroupLeft = 96 + Pair, MapGroupLeft = 208 + Pair, HalfWidth = 145 + Pair / 2;
    constexpr int RightHalfLeft = 8 + HalfWidth + 7;
    TScreen screen{"OptionsForm", "Tesuli Options", 317 + Pair + 6, 297 + Modes + 6};
    auto& rows = screen.Controls;
    rows.push_back({Bevel, "CentralBevel", {}, InBorder(0, 0, 313 + Pair, 265 + Modes)});
    rows.push_back({GroupBox, "FaceGroupBox", {}, InBorder(FaceGroupLeft, GroupsTop, 81 + Pair, 193), "Tile Face"});
    for (uint8_t style = 0; style < FacePreviewCount; ++style) {
        TFacePicture face;
        face.Artwork = style;
        rows.push_back(MakePreview(FacePreviewName(style), "FaceGroupBox", 16, 24 + 88 * style,
                                   {TSheet::TileFace, {0, 0, TileWidth, TileHeight}, face}));
    }
    rows.push_back(
        {GroupBox, "BackgroundGroupBox", {}, InBorder(BackgroundGroupLeft, GroupsTop, 105, 193), "Game Background"});
    for (uint8_t index = 0; index < BackgroundPreviewCount; ++index)
        rows.push_back(MakePreview(BackgroundPreviewName(index), "BackgroundGroupBox", 8 + 48 * (index / 3),
                               24 + 56 * (index % 3),
                               {TSheet::BackgroundImage, {TextureSide * index, 0, TextureSide, TextureSide}}));
    rows.push_back(
        MakeRadioGroup("MapRadioGroup", "Map Selection", MapNames(), "Map", 1, InBorder(MapGroupLeft, 8, 97, 193)));
    rows.push_back(MakeRadioGroup("HintRadioGroup", "Hint Display Duration", {"short", "medium", "long"}, "Hint", 3,
                              InBorder(8, 208, 297 + Pair, 49)));
    rows.push_back(MakeRadioGroup("KanaRadioGroup", "Kana", {"Hiragana", "Katakana", "Both"}, "Kana", 1,
                                  InBorder(8, 264, HalfWidth, 77)));
    rows.push_back(MakeRadioGroup("ReadingsRadioGroup", "Tiles show", {"Kana and reading", "Kana only", "Kana or reading"},
                                  "Tiles", 1, InBorder(RightHalfLeft, 264, HalfWidth, 77)));
    rows.push_back(MakeRadioGroup("KanaSetRadioGroup", "Kana set", {"Basic", "Basic and voiced", "All"}, "KanaSet", 1,
                                  InBorder(8, 348, HalfWidth, 77)));
    TControl practice{CheckBox, "PracticeCheckBox", {}, InBorder(RightHalfLeft, 355, HalfWidth, 17), "Review the kana that are due"};
    practice.TabStop = true;
    rows.push_back(practice);
    // Tab goes as the eye reads the dialog, the buttons last.
    rows.push_back(
        Focused(Default(MakeButton("AcceptBitBtn", "Accept", TButtonGlyph::Tick, InBorder(8, 272 + Modes, 75, 25)))));
    rows.push_back(
        Cancel(MakeButton("CancelBitBtn", "Cancel", TButtonGlyph::Cross, InBorder(224 + Pair, 272 + Modes, 75, 25))));
    return screen;
}

TScreen MakeNameScreen()
{
    TScreen screen{"NameForm", "You have won the game!", 232, 135, true};
    auto& rows = screen.Controls;
    rows.push_back({Bevel, "Bevel1", {}, {8, 8, 217, 89}});
    rows.push_back({ProgramIcon, "IconImage", {}, {16, 16, 32, 32}});
    rows.push_back({Label, "CongratsLabel", {}, {56, 16, 145, 13}});
    rows.push_back({Label, "NameLabel", {}, {56, 32, 145, 13}, "Please enter your name below:"});
    TControl edit{Edit, "NameEdit", {}, {16, 56, 201, 21}};
    edit.TabStop = true;
    rows.push_back(Focused(edit));
    rows.push_back(Default(MakeButton("AcceptBitBtn", "Accept", TButtonGlyph::Tick, {24, 104, 75, 25})));
    rows.push_back(Cancel(MakeButton("CancelBitBtn", "Cancel", TButtonGlyph::Cross, {128, 104, 75, 25})));
    return screen;
}

TScreen MakeScoresScreen()
{
    TScreen screen{"ScoresForm", "Tesuli Scores", 497, 535, true};
    auto& rows = screen.Controls;
    rows.push_back({Bevel, "Bevel1", {}, {0, 0, 497, 497}});
    TControl list{ScoreList, "ScoresListView", {}, {8, 8, 481, 481}};
    list.TabStop = true;  // the arrow keys scroll it
    rows.push_back(list);
    rows.push_back(Focused(Default(MakeButton("AcceptBitBtn", "Close", TButtonGlyph::Tick, {336, 504, 75, 25}), true)));
    rows.push_back(MakeButton("ExportBitBtn", "Export", TButtonGlyph::Save, {64, 504, 75, 25}));
    return screen;
}

TScreen MakeHelpScreen()
{
    // The text of playing from the keyboard makes the text box and the dialog this much taller.
    constexpr int Keys = 140;
    TScreen screen{"HelpForm", "Tesuli Help", 678, 522 + Keys};
    auto& rows = screen.Controls;
    rows.push_back({GroupBox, "HelpGroupBox", {}, {8, 8, 665, 273 + Keys}, "Tesuli Help"});
    TControl text{Memo, "HelpMemo", "HelpGroupBox", {8, 15, 649, 250 + Keys}, HelpText()};
    text.TabStop = true;  // scrolled by the keys
    rows.push_back(text);
    rows.push_back({Bevel, "Bevel1", {}, {8, 288 + Keys, 665, 197}});
    rows.push_back({CommandList, "MenuListView", {}, {16, 296 + Keys, 649, 181}});
    rows.push_back(
        Focused(Default(MakeButton("CloseBtn", "Close", TButtonGlyph::Tick, {536, 492 + Keys, 75, 25}), true)));
    return screen;
}

TScreen MakeAboutScreen()
{
    // Wide enough for where the manual lies, as the installers put it.
    TScreen screen{"AboutForm", "About Tesuli", 427, 166, true};
    auto& rows = screen.Controls;
    rows.push_back({GroupBox, "AboutGroupBox", {}, {8, 8, 409, 118}, "Program Information"});
    rows.push_back({ProgramIcon, "ProgramImage", "AboutGroupBox", {16, 24, 32, 32}});
    rows.push_back(MakeLabel("AboutLabel", "AboutGroupBox", 64, 24, std::string(AboutTexts::Code)));
    TControl graphics = MakeLabel("GraphicsLabel", "AboutGroupBox", 64, 40, std::string(AboutTexts::Graphics));
    // The whole credit does not fit beside the icon.
    graphics.Tooltip = AboutTexts::GraphicsInFull;
    rows.push_back(graphics);
    rows.push_back(MakeLabel("VersionLabel", "AboutGroupBox", 16, 64, std::string(AboutTexts::Version)));
    rows.push_back(MakeLabel("StatementLabel", "AboutGroupBox", 16, 80, std::string(AboutTexts::Statement)));
    rows.push_back({PathLabel, "UrlLabel", "AboutGroupBox", {16, 96, 385, 13}});  // the manual's place, once known
    rows.push_back(Focused(Default(MakeButton("CloseOK", "Close", TButtonGlyph::Tick, {337, 137, 75, 25}), true)));
    rows.push_back(MakeButton("VisitMeBitBtn", std::string(AboutTexts::OpenManual), TButtonGlyph::Globe, {15, 137, 141, 25}));
    return screen;
}

}  // namespace

std::string FacePreviewName(uint8_t faceStyle)
{
    return "TileFacePanel" + std::to_string(faceStyle + 1);
}

std::string BackgroundPreviewName(uint8_t backgroundIndex)
{
    return "BgdPanel" + std::to_string(backgroundIndex + 1);
}

const TScreen& OptionsScreen()
{
    static const TScreen screen = MakeOptionsScreen();
    return screen;
}

const TScreen& NameScreen()
{
    static const TScreen screen = MakeNameScreen();
    return screen;
}

const TScreen& ScoresScreen()
{
    static const TScreen screen = MakeScoresScreen();
    return screen;
}

const TScreen& HelpScreen()
{
    static const TScreen screen = MakeHelpScreen();
    return screen;
}

const TScreen& AboutScreen()
{
    static const TScreen screen = MakeAboutScreen();
    return screen;
}
