#include "app/InfoTexts.h"

#include <span>

const std::array<std::string_view, 38> HelpLines{
    "'Tesuli' is a simple game designed to allow for rapid learning of the most basic of Japanese symbol sets.",
    "",
    "Hiragana consists of well over forty characters, which correspond to Latin vowels and syllables. The game is designed to allow for learning ",
    "of the sounding of the Hiragana symbols. These are indicated to the player and the recognition of the symbols is learned through the ",
    "method of searching for the similarities of tiles used.",
    "",
    "The Options let the tiles show Katakana instead, or both scripts on one board (two tiles of each sound in either), and the kana alone ",
    "without its reading, or on half of the tiles the reading alone, so that a pair may be a kana and its reading. Tiles of one sound always match.",
    "",
    "Each tile is coloured by the vowel of its kana (of a combined kana, its last vowel): yellow for a, orange for i, blue for u, ",
    "green for e, pink for o and for n. The pastel tile face colours the plate, with the kana in dark blue; the maroon one colours the kana ",
    "on a maroon plate.",
    "",
    "The kana set chooses what the 48 kana of a board are dealt from: the basic kana, the basic and voiced kana (が, ぱ), or all of them, the ",
    "combined kana (きゃ, しゅ) too; a change of set starts a new game. With 'Review the kana that are due', a new game of a larger set is a ",
    "review: first the kana whose chance of recall today is lowest (those due), beside them the kana they look like or that you took them ",
    "for, then six kana you have not played yet, at that steady pace, and six at random; the rest are those that fall due soonest. ",
    "ゐ (wi) and ゑ (we) are archaic kana, no longer in use, kept for reading older text. ぢ and づ sound like じ and ず and are labelled ",
    "and typed di and du; typing ji or zu takes a ぢ or づ pair when no じ or ず pair is free.",
    "",
    "THE GAME RULES",
    "",
    "At the beginning of each game a player is presented with a collection of 192 tiles. These are arranged in some complex pattern. The ",
    "player is requested to identify pairs of matching tiles, which are not blocked from right or left by any other tiles: two tiles of the same ",
    "kana, a Hiragana and its Katakana when both scripts are shown, a kana and its reading when the tiles show kana or reading. Then, such free ",
    "tiles may be clicked with the mouse one after the other and in this way removed from the board. In order for a tile to be available for ",
    "removal it has to have an unblocked edge (either right or left). Otherwise it may be positioned anywhere on the board.",
    "",
    "The objective of the game is to remove all of the tiles in the shortest possible time.",
    "",
    "The window may be resized or maximised: the board grows and shrinks with it, keeping its proportions.",
    "",
    "The time taken to successfully complete a game is noted in the 'scores' table so that the player may compare the current result with the ",
    "one obtained by other players if desired.",
    "",
    "The Progress window colours each kana by the chance that you recall it today, learned from every game: a mix-up or a hint counts ",
    "against a kana, a slow time a little. It counts the kana learned and due, plots those due in the next week and your games of each day, ",
    "and names the kana most often mixed up. A tile that shows only its reading counts for no script. The About dialog opens the manual.",
};

const std::array<std::string_view, 8> TypingHelpLines{
    "",
    "PLAYING FROM THE KEYBOARD",
    "",
    "Type the reading of a kana, and a free pair of it is taken as if you had clicked both tiles; the letters show at the right of the status ",
    "bar. Hepburn and the common spellings are read alike: shi or si, chi or ti, tsu or tu, fu or hu, ji or zi, n or nn, sha or sya, ja or jya. ",
    "Where one reading begins another, as n begins na, Enter or the space bar takes the shorter one. Backspace takes back a letter, Escape ",
    "clears them. Of three or four free tiles, the selected one goes first, then the others in the order the hint searches them. Where the ",
    "tiles show the kana alone, a pair taken by typing is recall, with a memory of its own: Progress shows it as 'typed'.",
};

namespace {

// Every command with a key, one after the other: "New Game F2 or Ctrl+N, Hint Ctrl+H, ...".
std::string KeyLine()
{
    std::string text = "Keys: ";
    for (const TCommandLook& look : CommandLooks) {
        const auto command = static_cast<TCommandId>(&look - CommandLooks.data());
        const std::vector<TShortcut> keys = ShortcutsOf(command, HostPlatform);
        if (keys.empty())
            continue;
        text.append(look.Caption).append(" ");
        for (size_t i = 0; i < keys.size(); ++i)
            text.append(i == 0 ? "" : " or ").append(ShortcutText(keys[i]));
        text.append(", ");
    }
    return text + "and Alt with a menu's underlined letter.";
}

}  // namespace

std::string HelpText()
{
    std::string text;
    using TLines = std::span<const std::string_view>;
    for (const TLines lines : {TLines(HelpLines), TLines(TypingHelpLines)})
        for (size_t i = 0; i < lines.size(); ++i) {
            // A line that ends in a blank goes on in the next, so that the text box wraps the paragraph.
            const bool continued = i > 0 && lines[i - 1].ends_with(' ');
            text.append(text.empty() || continued ? "" : "\n").append(lines[i]);
        }
    return text + "\n\n" + KeyLine();
}

const std::array<THelpCommand, 9> HelpCommands{{
    {"New Game", "Start a new game", TCommandId::NewGame},
    {"View Scores", "The last 31 completed games are listed by the date", TCommandId::Scores},
    {"Progress", "How well each kana is remembered, and which are due", TCommandId::Progress},
    {"Hint", "A suggestion of a move with a ten seconds penalty applied", TCommandId::Hint},
    {"Shuffle", "Rearrange randomly the tiles", TCommandId::Shuffle},
    {"Undo", "96 levels of undo. Shuffling makes the undo start from 0", TCommandId::Undo},
    {"Options", "Choose options. Changing the map restarts the game", TCommandId::Options},
    {"Help", "Displays this window", TCommandId::Help},
    {"About", "The program's version, and its manual", TCommandId::About},
}};

std::string AboutTexts::Availability(const std::string& manualPath)
{
    return manualPath.empty() ? "Manual: not found beside the program or in its data folder" : "Manual: " + manualPath;
}
