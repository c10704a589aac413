#pragma once

#include <thread>

// What the start does on another core while Qt connects to the display: it opens the player's
// store, and reads the font configuration, which the first text measured would otherwise wait
// for. Neither needs Qt, so both may begin before the application object exists.
class TStartAhead {
public:
    TStartAhead();

private:
    std::jthread Worker;
};
