#include "web/WebMessages.h"

#include <emscripten.h>

#include <map>
#include <string>

#include "app/MessageTexts.h"

EM_JS(void, tesuli_page_message, (int id, const char* title, const char* text, int yesNo), {
    TesuliPage.message(id, UTF8ToString(title), UTF8ToString(text), yesNo !== 0);
});

namespace {

// The boxes up, by the number the page knows them by.
std::map<int, TMessageRequest> Open;
int LastId = 0;

}  // namespace

void ShowPageMessage(TMessageRequest request, std::string_view title)
{
    const int id = ++LastId;
    const std::string shownTitle(title.empty() ? MessageTitle(request.Kind) : title);
    const std::string text = request.Text;
    const bool yesNo = request.HasYesNo();
    Open.emplace(id, std::move(request));
    tesuli_page_message(id, shownTitle.c_str(), text.c_str(), yesNo);
}

// 0 OK, 1 Yes, 2 No, as TMessageAnswer.
extern "C" EMSCRIPTEN_KEEPALIVE void tesuli_message_closed(int id, int answer)
{
    const auto open = Open.find(id);
    if (open == Open.end())
        return;
    const TMessageRequest request = std::move(open->second);
    Open.erase(open);
    try {
        request.Close(static_cast<TMessageAnswer>(answer));
    } catch (const std::exception& error) {
        ShowPageMessage(Inform(TMessageKind::Error, error.what()), ApplicationErrorTitle);
    }
}
