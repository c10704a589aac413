#pragma once

#include <string_view>

#include "model/MessageRequest.h"

// A message box as a modal of the page: it returns at once, and what follows the box runs when the
// player closes it (tesuli_message_closed). title stands in for the kind's own.
void ShowPageMessage(TMessageRequest request, std::string_view title = {});
