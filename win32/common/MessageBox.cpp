#include "win32/common/MessageBox.h"

#include "app/MessageTexts.h"
#include "storage/WindowsText.h"

namespace {

TMessageBoxHook& Hook()
{
    static TMessageBoxHook hook;
    return hook;
}

TQuestionHook& QuestionHook()
{
    static TQuestionHook hook;
    return hook;
}

// The box's answer, with the keyboard handed back to the window it came from: Wine without a
// window manager leaves no window active when the box closes, and the window's keys would be lost.
int RunBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT style)
{
    const int answer = MessageBoxW(owner, text.c_str(), title.c_str(), style);
    if (owner && IsWindow(owner))
        SetForegroundWindow(owner);
    return answer;
}

}  // namespace

void ShowMessageBox(HWND owner, TMessageKind kind, std::string_view title, const std::string& text)
{
    const std::wstring wideTitle = Wide(std::string(title));
    if (Hook()) {
        Hook()(kind, wideTitle, text);
        return;
    }
    const UINT icon = kind == TMessageKind::Error ? MB_ICONERROR : MB_ICONINFORMATION;
    RunBox(owner, Wide(text), wideTitle, MB_OK | icon | MB_TOPMOST);
}

void ShowMessage(HWND owner, TMessageKind kind, const std::string& text)
{
    ShowMessageBox(owner, kind, MessageTitle(kind), text);
}

void SetMessageBoxHook(TMessageBoxHook hook)
{
    Hook() = std::move(hook);
}

bool AskQuestion(HWND owner, const std::string& question)
{
    const std::wstring title = Wide(std::string(ConfirmTitle));
    if (QuestionHook())
        return QuestionHook()(title, question);
    return RunBox(owner, Wide(question), title, MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION | MB_TOPMOST) == IDYES;
}

void ShowMessage(HWND owner, const TMessageRequest& request)
{
    ShowModal(
        request, [&] { ShowMessage(owner, request.Kind, request.Text); },
        [&] { return AskQuestion(owner, request.Text); });
}

void SetQuestionHook(TQuestionHook hook)
{
    QuestionHook() = std::move(hook);
}
