#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "win32/common/MessageBox.h"
#include "win32/common/WindowClass.h"

namespace {

// A window whose handler fails the way a store error or a broken picture would.
struct TFailingWindow {
    bool Standard = true;
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != WM_USER)
            return DefWindowProcW(window, message, wParam, lParam);
        if (Standard)
            throw std::runtime_error("Failed to get data for 'face'");
        throw 42;
    }
};

struct TReport {
    TMessageKind Kind;
    std::wstring Title;
    std::string Text;
};

// An error leaving a handler is shown in a box titled "Tesuli" and the program goes on: the
// message returns to its sender instead of ending the process.
TEST(ErrorGuardTest, AnErrorLeavingAHandlerIsShownAndTheLoopGoesOn)
{
    std::vector<TReport> reports;
    SetMessageBoxHook([&](TMessageKind kind, const std::wstring& title, const std::string& text) {
        reports.push_back({kind, title, text});
    });
    RegisterOwnedClass<TFailingWindow>(L"TesuliFailingWindow", 0, nullptr, nullptr);
    TFailingWindow owner;
    const HWND window = CreateWindowExW(0, L"TesuliFailingWindow", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), &owner);
    ASSERT_NE(window, nullptr);
    SendMessageW(window, WM_USER, 0, 0);
    owner.Standard = false;
    SendMessageW(window, WM_USER, 0, 0);
    DestroyWindow(window);
    SetMessageBoxHook({});

    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].Kind, TMessageKind::Error);
    EXPECT_EQ(reports[0].Title, L"Tesuli");
    EXPECT_EQ(reports[0].Text, "Failed to get data for 'face'");
    EXPECT_EQ(reports[1].Kind, TMessageKind::Error);
    EXPECT_EQ(reports[1].Title, L"Tesuli");
    EXPECT_EQ(reports[1].Text, "An unexpected error occurred.");
}

}  // namespace
