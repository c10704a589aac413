#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/InfoDialogs.h"
#include "app/MainFlow.h"
#include "app/NameDialog.h"
#include "app/OptionsDialog.h"
#include "app/ProgressDialog.h"
#include "app/ScoresDialog.h"
#include "app/TypedReading.h"
#include "model/DayClock.h"
#include "model/Game.h"
#include "model/Recognition.h"

enum class TDialogId { Options, Name, Scores, Help, About, Progress };
inline constexpr int DialogCount = 6;

// What the session asks of a front end's main window.
class TFrontEnd {
public:
    virtual ~TFrontEnd() = default;

    // The board image the game draws into; BoardChanged asks for it to be shown.
    virtual TBoardRaster& BoardPicture() = 0;
    virtual void BoardChanged() = 0;
    virtual void ShowMessage(TMessageKind kind, const std::string& text) = 0;  // modal
    virtual void StartClock() = 0;  // a running clock keeps its phase
    virtual void StopClock() = 0;
    virtual void SetCommandEnabled(TCommandId command, bool enabled) = 0;
    virtual void SetStatusText(int panel, const std::string& text) = 0;
    // Handles every pending event and returns at once; false when the program is quitting.
    virtual bool PumpEvents() = 0;
    // Shows the dialog made from that logic (TMidEnd::Dialog), or brings it to the front.
    virtual void ShowDialog(TDialogId dialog) = 0;
    // An open dialog shows what its logic reads anew (TDialogLogic::Refresh); a hidden one is left.
    virtual void RefreshDialog(TDialogId dialog) = 0;
    virtual void CloseMainWindow() = 0;
};

// The session: owns the game, the one handle on the settings and scores, and every dialog's logic.
// A front end drives it with commands and board events and shows what it is told.
class TMidEnd final : private TGameEffects, private TOptionsListener {
public:
    // The clock measures how long each pair lies free while the game clock runs; the days date
    // each game's reviews.
    TMidEnd(TFrontEnd& frontEnd, TRandomSource& random, TRegOptions options = TRegOptions(),
            const TMonotonicClock& clock = SteadyClock(), const TDayClock& days = SystemDays());

    // Creating the main window: the settings in force, the tiles on their map. A store that cannot
    // be read is reported through report, and the game starts with the defaults.
    void FormCreate(const TErrorReport& report);
    // The first showing of the main window: the first deal and paint.
    void FormShow();
    // The main window closes: the game ends and its recognition times are kept.
    void FormClose();

    void RunCommand(TCommandId command);
    bool IsEnabled(TCommandId command) const { return Enabled[static_cast<size_t>(command)]; }
    // A press on the board at this point of the board image.
    void BoardPress(int32_t px, int32_t py);
    // One second of the game clock.
    void Tick();
    // One of the game's own dialogs took the focus: the clock stops until the next press.
    void DialogActivated();
    // A Latin letter, or one of the keys that edit the reading, typed while the main window has
    // the focus. A reading whose kana has a free pair takes it; the typing panel shows the
    // letters so far, or why none was taken.
    void TypeLetter(char letter);
    void TypeKey(TTypingKey key);

    TDialogLogic& Dialog(TDialogId dialog);
    const TGame& Game() const { return GameModel; }
    TGame& Game() { return GameModel; }
    TRegOptions& Options() { return Store; }
    // When the last keys the board took were typed, so that the win dialog keeps them out.
    TTypingSettle& TypingSettle() { return Settle; }

private:
    TFrontEnd& Front;
    const TDayClock& Days;
    TRegOptions Store;
    TRecognition Recognition;
    TGame GameModel;
    std::array<bool, CommandCount> Enabled;
    TOptionsDialog OptionsDialog;
    TNameDialog NameDialog;
    TScoresDialog ScoresDialog;
    THelpDialog HelpDialog;
    TAboutDialog AboutDialog;
    TProgressDialog ProgressDialog;
    TTypedReading Typing;
    TTypingSettle Settle;  // on the clock the pairs are timed by
    // The spellings of the faces' kana, made again only when a deal changes the kana.
    std::vector<TSpelling> Spellings;
    std::array<TKanaId, FaceCount> SpelledKana{};

    // A game ends (won, given up for a new one or another map, or the program ends): the times
    // measured in it are stored and its grades reviewed into the memories. A store that refuses
    // them is reported, and they are kept for the next end; so are values found damaged.
    void EndGame();
    // Before a deal of new kana: with review on a larger set, the player's memories from the store.
    // A store that cannot be read is reported, and the deal goes on as if nothing were reviewed.
    void PrepareDeal(uint8_t kanaSet, bool practice, uint8_t kana);
    void Typed(const TTyped& typed);
    // Does what the player asked; where it took, put back or mixed up a pair, or stored a game's
    // times, the Progress window, if open, shows it at once.
    template <typename Act>
    void Play(Act act);
    // The board changes under the reading: what was typed and what the panel said of it go.
    void ForgetTyping();
    std::span<const TSpelling> FacesSpellings();

    TBoardRaster& BoardPicture() override { return Front.BoardPicture(); }
    void BoardChanged() override { Front.BoardChanged(); }
    void ShowMessage(TMessageKind kind, const std::string& text) override { Front.ShowMessage(kind, text); }
    void StartClock() override { Front.StartClock(); }
    void StopClock() override { Front.StopClock(); }
    void SetCommandEnabled(TCommand command, bool enabled) override;
    void SetStatusText(int panel, const std::string& text) override { Front.SetStatusText(panel, text); }
    bool PumpEvents() override { return Front.PumpEvents(); }
    void ShowWin(const std::string& scoreTime, int32_t scoreHints, const std::string& scoreMap) override;

    void OptionsChanged(TOptionsNotice notice, const TSettings& choices) override;
};
