#pragma once

#include <functional>
#include <string>

enum class TMessageKind { Information, Error, Question };
enum class TMessageAnswer { Ok, Yes, No };

// A message box the core asks for. Nothing waits for it: what follows the box is Closed, run once
// with the player's answer when it is closed (a desktop front end may show it modal and run Closed
// before it returns; a browser shows it over the page and runs Closed later).
// Information and Error have the one button OK; a Question has Yes and No, No the default, and
// Escape or closing it answers No.
struct TMessageRequest {
    TMessageKind Kind = TMessageKind::Information;
    std::string Text;
    std::function<void(TMessageAnswer)> Closed;  // may be empty

    bool HasYesNo() const { return Kind == TMessageKind::Question; }
    TMessageAnswer DefaultAnswer() const { return HasYesNo() ? TMessageAnswer::No : TMessageAnswer::Ok; }
    // Runs Closed, if any, with the answer; a front end calls it exactly once per box.
    void Close(TMessageAnswer answer) const
    {
        if (Closed)
            Closed(answer);
    }
};

// A message with OK; then, if given, runs once it is closed.
inline TMessageRequest Inform(TMessageKind kind, std::string text, std::function<void()> then = {})
{
    TMessageRequest request{kind, std::move(text), {}};
    if (then)
        request.Closed = [then = std::move(then)](TMessageAnswer) { then(); };
    return request;
}

// A question with Yes and No; answered runs once it is closed, with true for Yes.
inline TMessageRequest Ask(std::string question, std::function<void(bool yes)> answered)
{
    return {TMessageKind::Question, std::move(question),
            [answered = std::move(answered)](TMessageAnswer answer) { answered(answer == TMessageAnswer::Yes); }};
}

// For a front end whose boxes return only when closed: shows the request with the one box that
// fits it (inform for OK, ask for Yes/No, true for Yes) and then runs Closed with the answer.
inline void ShowModal(const TMessageRequest& request, const std::function<void()>& inform,
                      const std::function<bool()>& ask)
{
    if (!request.HasYesNo()) {
        inform();
        request.Close(TMessageAnswer::Ok);
        return;
    }
    request.Close(ask() ? TMessageAnswer::Yes : TMessageAnswer::No);
}
