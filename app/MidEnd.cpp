#include "app/MidEnd.h"

#include <stdexcept>
#include <utility>

#include "app/MainWindowLayout.h"
#include "app/ProgressFlow.h"

namespace {

constexpr TCommandId CommandOf(TCommand command)
{
    switch (command) {
    case TCommand::Undo: return TCommandId::Undo;
    case TCommand::Shuffle: return TCommandId::Shuffle;
    case TCommand::Hint: return TCommandId::Hint;
    }
    return TCommandId::Undo;
}

std::array<bool, CommandCount> InitialStates()
{
    std::array<bool, CommandCount> states{};
    for (size_t command = 0; command < states.size(); ++command)
        states[command] = CommandLooks[command].InitiallyEnabled;
    return states;
}

}  // namespace

TMidEnd::TMidEnd(TFrontEnd& frontEnd, TRandomSource& random, TRegOptions options, const TMonotonicClock& clock,
                 const TDayClock& days)
    : Front(frontEnd)
    , Days(days)
    , Store(std::move(options))
    , Recognition(clock)
    , GameModel(*this, random)
    , Enabled(InitialStates())
    , OptionsDialog(Store, *this)
    , NameDialog(Store)
    , ScoresDialog(Store)
    , ProgressDialog(Store, GameModel, Recognition, days)
    , Settle(clock)
{
    GameModel.Recognition = &Recognition;
}

void TMidEnd::FormCreate(const TErrorReport& report)
{
    CreateGame(GameModel, Store, report);
    Recognition.SetModes(GameModel);
}

void TMidEnd::FormShow()
{
    PrepareDeal(GameModel.KanaSet, GameModel.Practice, GameModel.Kana);
    GameModel.FormShow();
}

void TMidEnd::FormClose()
{
    EndGame();
}

void TMidEnd::EndGame()
{
    try {
        if (const std::string damaged = StoreProgress(Recognition, Store, Days.Today()); !damaged.empty())
            Front.ShowMessage(TMessageKind::Error, damaged);
    } catch (const std::exception& error) {
        Front.ShowMessage(TMessageKind::Error, error.what());
    }
}

void TMidEnd::PrepareDeal(uint8_t kanaSet, bool practice, uint8_t kana)
{
    GameModel.Review = {};
    if (!practice || KanaSetSize(kanaSet) == FaceCount)
        return;
    try {
        GameModel.Review = ReadReviewPlan(Store, kana, Days.Today());
    } catch (const std::exception& error) {
        Front.ShowMessage(TMessageKind::Error, error.what());
    }
}

template <typename Act>
void TMidEnd::Play(Act act)
{
    const auto counts = [this] { return std::pair(Recognition.Samples().size(), Recognition.MixUps().size()); };
    const auto before = counts();
    act();
    if (counts() != before)
        Front.RefreshDialog(TDialogId::Progress);
}

void TMidEnd::RunCommand(TCommandId command)
{
    // A command greyed out may still arrive, e.g. from a key press queued before it was greyed.
    if (!IsEnabled(command))
        return;
    switch (command) {
    case TCommandId::NewGame:
    case TCommandId::Hint:
    case TCommandId::Shuffle:
    case TCommandId::Undo: ForgetTyping(); break;
    default: break;
    }
    switch (command) {
    case TCommandId::NewGame:
        Play([this] {
            EndGame();
            PrepareDeal(GameModel.KanaSet, GameModel.Practice, GameModel.Kana);
            GameModel.StartNewGame();
        });
        break;
    case TCommandId::Hint: GameModel.HintActionExecute(); break;
    case TCommandId::Shuffle: GameModel.ShuffleActionExecute(); break;
    case TCommandId::Undo: Play([this] { GameModel.UndoActionExecute(); }); break;
    case TCommandId::Exit: Front.CloseMainWindow(); break;
    case TCommandId::Options: Front.ShowDialog(TDialogId::Options); break;
    case TCommandId::About: Front.ShowDialog(TDialogId::About); break;
    case TCommandId::Help: Front.ShowDialog(TDialogId::Help); break;
    case TCommandId::Scores: Front.ShowDialog(TDialogId::Scores); break;
    case TCommandId::Progress: Front.ShowDialog(TDialogId::Progress); break;
    }
}

void TMidEnd::BoardPress(int32_t px, int32_t py)
{
    Play([&] { GameModel.BackgroundImageMouseDown(px, py); });
}

void TMidEnd::Tick()
{
    GameModel.GameTimerTimer();
}

void TMidEnd::DialogActivated()
{
    GameModel.StopClock();
}

void TMidEnd::TypeLetter(char letter)
{
    Play([&] { Typed(Typing.Letter(letter, FacesSpellings())); });
}

void TMidEnd::TypeKey(TTypingKey key)
{
    Play([&] { Typed(Typing.Key(key, FacesSpellings())); });
}

std::span<const TSpelling> TMidEnd::FacesSpellings()
{
    if (Spellings.empty() || SpelledKana != GameModel.FaceKanaIds) {
        Spellings = FaceSpellings(GameModel.FaceKanaIds);
        SpelledKana = GameModel.FaceKanaIds;
    }
    return Spellings;
}

void TMidEnd::Typed(const TTyped& typed)
{
    switch (typed.Kind) {
    case TTyped::TKind::Editing: Front.SetStatusText(TypingPanel, typed.Letters); break;
    case TTyped::TKind::NoReading: Front.SetStatusText(TypingPanel, TypingTexts::NoReading(typed.Letters)); break;
    case TTyped::TKind::Read: {
        uint8_t first = 0;
        uint8_t second = 0;
        if (!GameModel.FreePairOfFace(typed.Face, first, second)) {
            const std::optional<uint8_t> alike = SoundAlikeFace(GameModel.FaceKanaIds, typed.Face);
            if (!alike || !GameModel.FreePairOfFace(*alike, first, second)) {
                Front.SetStatusText(TypingPanel, TypingTexts::NoFreePair(typed.Letters));
                break;
            }
        }
        // Emptied first: taking the pair may end the game and open a window.
        Front.SetStatusText(TypingPanel, "");
        GameModel.TakeTypedPair(first, second);
        break;
    }
    }
}

void TMidEnd::ForgetTyping()
{
    Typing.Key(TTypingKey::Escape, FacesSpellings());
    Front.SetStatusText(TypingPanel, "");
}

TDialogLogic& TMidEnd::Dialog(TDialogId dialog)
{
    switch (dialog) {
    case TDialogId::Options: return OptionsDialog;
    case TDialogId::Name: return NameDialog;
    case TDialogId::Scores: return ScoresDialog;
    case TDialogId::Help: return HelpDialog;
    case TDialogId::About: return AboutDialog;
    case TDialogId::Progress: return ProgressDialog;
    }
    throw std::logic_error("no such dialog");
}

void TMidEnd::SetCommandEnabled(TCommand command, bool enabled)
{
    const TCommandId id = CommandOf(command);
    Enabled[static_cast<size_t>(id)] = enabled;
    Front.SetCommandEnabled(id, enabled);
}

void TMidEnd::ShowWin(const std::string& scoreTime, int32_t scoreHints, const std::string& scoreMap)
{
    EndGame();
    NameDialog.Won = {scoreTime, scoreHints, scoreMap};
    Front.ShowDialog(TDialogId::Name);
}

void TMidEnd::OptionsChanged(TOptionsNotice notice, const TSettings& choices)
{
    Play([&] {
        if (StartsNewGame(GameModel, notice, choices)) {
            ForgetTyping();
            EndGame();
            PrepareDeal(choices.KanaSet, choices.Practice == 1, choices.Kana);
        }
        ApplyOptions(GameModel, notice, choices);
        Recognition.SetModes(GameModel);
    });
}
