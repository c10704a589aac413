// Start-up as the player sees it: from the exec of the program to the first frame of its window on
// the X server, and the resident memory at that moment and once the start has settled, for the
// game and for an empty Qt main window, runs alternated; with a fresh per-user folder each run and
// with one kept across runs.
// Then the first opening of each dialog, from the click on its tool button to its first frame.
// Usage: startup_bench GAME EMPTY_WINDOW [RUNS, default 15], on an X server of its own.
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "ChildProgram.h"
#include "Figures.h"
#include "FrameWatch.h"

using namespace std::chrono_literals;

namespace {

constexpr double TargetRatio = 1.15;
constexpr double TargetExtraMegabytes = 5.0;
constexpr auto Patience = 10s;
// By then the game has built its dialogs, which it does right after the first frame.
constexpr auto Settling = 2s;

struct TStart {
    double Milliseconds;
    double Megabytes;
};

double Milliseconds(TClock::duration span)
{
    return std::chrono::duration<double, std::milli>(span).count();
}

TStart MeasureStart(TFrameWatch& watch, const std::string& program, const std::string& configHome)
{
    TChildProgram child(program, configHome);
    const auto frame = watch.WaitForNextWindow(child, child.Started() + Patience);
    const long kilobytes = child.ResidentKilobytes();
    watch.Dismiss(child);
    if (!frame)
        throw std::runtime_error(program + " showed no window");
    return {Milliseconds(frame->Drawn - child.Started()), kilobytes / 1024.0};
}

// Resident memory once the start has settled, in megabytes.
double MeasureSettled(TFrameWatch& watch, const std::string& program, const std::string& configHome)
{
    TChildProgram child(program, configHome);
    const auto frame = watch.WaitForNextWindow(child, child.Started() + Patience);
    if (frame)
        std::this_thread::sleep_for(Settling);
    const long kilobytes = child.ResidentKilobytes();
    watch.Dismiss(child);
    if (!frame)
        throw std::runtime_error(program + " showed no window");
    return kilobytes / 1024.0;
}

void CompareSettled(TFrameWatch& watch, const std::string& game, const std::string& floor, int runs)
{
    TScratchFolder kept;
    std::vector<double> games;
    std::vector<double> floors;
    for (int run = 0; run < runs; ++run) {
        games.push_back(MeasureSettled(watch, game, kept.Path()));
        floors.push_back(MeasureSettled(watch, floor, kept.Path()));
    }
    const double extra = Summarise(games).Median - Summarise(floors).Median;
    std::printf("\nresident MB %.0f s after the first frame, dialogs built: game %s, empty window %s: %+.1f MB "
                "(target %.0f MB: %s)\n",
                std::chrono::duration<double>(Settling).count(), Describe(Summarise(games), 1).c_str(),
                Describe(Summarise(floors), 1).c_str(), extra, TargetExtraMegabytes,
                extra <= TargetExtraMegabytes ? "met" : "not met");
    std::fflush(stdout);
}

// The end-to-end test's read-out of where the program's controls are on the screen.
std::optional<TScreenPoint> FindWidget(const std::string& readout, const std::string& name)
{
    std::ifstream file(readout);
    for (std::string line; std::getline(file, line);) {
        std::istringstream fields(line);
        std::string kind;
        std::string found;
        int x = 0, y = 0, width = 0, height = 0;
        if (fields >> kind >> found >> x >> y >> width >> height && kind == "widget" && found == name)
            return TScreenPoint{x + width / 2, y + height / 2};
    }
    return std::nullopt;
}

TScreenPoint WaitForWidget(const std::string& readout, const std::string& name, TClock::time_point deadline)
{
    while (TClock::now() < deadline) {
        if (const auto point = FindWidget(readout, name))
            return *point;
        std::this_thread::sleep_for(5ms);
    }
    throw std::runtime_error("the game never showed " + name);
}

// The read-out is rewritten ten times a second; right after a rewrite the next is far enough off
// not to fall into the measurement.
void WaitForRewrite(const std::string& readout, TClock::time_point deadline)
{
    struct stat before {};
    stat(readout.c_str(), &before);
    while (TClock::now() < deadline) {
        struct stat now {};
        if (stat(readout.c_str(), &now) == 0 &&
            (now.st_ino != before.st_ino || now.st_mtim.tv_nsec != before.st_mtim.tv_nsec))
            return;
        std::this_thread::sleep_for(1ms);
    }
}

double MeasureDialogOpening(TFrameWatch& watch, const std::string& game, const std::string& configHome,
                            const std::string& button)
{
    const std::string readout = configHome + "/readout.txt";
    TChildProgram child(game, configHome, {{"TESULI_TEST_READOUT", readout}});
    const TClock::time_point deadline = child.Started() + Patience;
    std::optional<TFirstFrame> dialog;
    TClock::time_point pressed;
    if (watch.WaitForNextWindow(child, deadline)) {
        watch.MovePointer(WaitForWidget(readout, button, deadline));
        WaitForRewrite(readout, deadline);
        pressed = watch.Click();
        dialog = watch.WaitForNextWindow(child, deadline);
    }
    watch.Dismiss(child);
    if (!dialog)
        throw std::runtime_error("no dialog opened from " + button);
    return Milliseconds(dialog->Drawn - pressed);
}

void PrintStarts(const char* store, const char* program, const std::vector<TStart>& starts)
{
    std::vector<double> times;
    std::vector<double> sizes;
    for (const TStart& start : starts) {
        times.push_back(start.Milliseconds);
        sizes.push_back(start.Megabytes);
    }
    std::printf("%-6s %-13s %-24s %s\n", store, program, Describe(Summarise(times), 1).c_str(),
                Describe(Summarise(sizes), 1).c_str());
}

void PrintComparison(const char* store, const std::vector<TStart>& game, const std::vector<TStart>& floor)
{
    const auto median = [](const std::vector<TStart>& starts, double TStart::*figure) {
        std::vector<double> values;
        for (const TStart& start : starts)
            values.push_back(start.*figure);
        return Summarise(values).Median;
    };
    PrintStarts(store, "game", game);
    PrintStarts(store, "empty window", floor);
    const double ratio = median(game, &TStart::Milliseconds) / median(floor, &TStart::Milliseconds);
    const double extra = median(game, &TStart::Megabytes) - median(floor, &TStart::Megabytes);
    std::printf("%-6s game/empty    %.2fx (target %.2fx: %s)   %+.1f MB (target %.0f MB: %s)\n", store, ratio,
                TargetRatio, ratio <= TargetRatio ? "met" : "not met", extra, TargetExtraMegabytes,
                extra <= TargetExtraMegabytes ? "met" : "not met");
    // Each game run beside the empty window's run that follows it: a load that comes and goes on
    // the machine weighs on both alike.
    std::vector<double> paired;
    for (size_t run = 0; run < game.size(); ++run)
        paired.push_back(game[run].Milliseconds / floor[run].Milliseconds);
    std::printf("%-6s run by run    %s\n", store, Describe(Summarise(paired), 2).c_str());
    std::fflush(stdout);
}

void CompareStarts(TFrameWatch& watch, const std::string& game, const std::string& floor, int runs, bool fresh)
{
    TScratchFolder kept;
    const auto start = [&](const std::string& program) {
        if (!fresh)
            return MeasureStart(watch, program, kept.Path());
        TScratchFolder folder;
        return MeasureStart(watch, program, folder.Path());
    };
    // Warms the page and font caches and, when kept, writes the game's store.
    start(game);
    start(floor);
    std::vector<TStart> games;
    std::vector<TStart> floors;
    for (int run = 0; run < runs; ++run) {
        games.push_back(start(game));
        floors.push_back(start(floor));
    }
    PrintComparison(fresh ? "fresh" : "kept", games, floors);
}

void MeasureDialogs(TFrameWatch& watch, const std::string& game, int runs)
{
    struct TDialog {
        const char* Name;
        const char* Button;
    };
    constexpr TDialog dialogs[] = {{"Options", "MainForm.Tool.PropertiesAction"},
                                   {"Scores", "MainForm.Tool.ScoresAction"},
                                   {"Help", "MainForm.Tool.HelpAction"},
                                   {"About", "MainForm.Tool.AboutAction"}};
    std::printf("\nfirst opening of a dialog, click to first frame, ms, median (range):\n");
    TScratchFolder kept;
    for (const TDialog& dialog : dialogs) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run)
            times.push_back(MeasureDialogOpening(watch, game, kept.Path(), dialog.Button));
        std::printf("%-8s %s\n", dialog.Name, Describe(Summarise(times), 1).c_str());
        std::fflush(stdout);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s GAME EMPTY_WINDOW [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string game = argv[1];
    const std::string floor = argv[2];
    const int runs = argc == 4 ? std::atoi(argv[3]) : 15;
    if (runs < 1) {
        std::fprintf(stderr, "RUNS must be a positive number\n");
        return 2;
    }
    try {
        TFrameWatch watch;
        std::printf("exec to first frame, %d runs each, alternated: median (range)\n", runs);
        std::printf("%-6s %-13s %-24s %s\n", "store", "program", "first frame ms", "resident MB");
        CompareStarts(watch, game, floor, runs, true);
        CompareStarts(watch, game, floor, runs, false);
        // Each of these runs lasts the settling time: a few tell the memory, which varies little.
        CompareSettled(watch, game, floor, std::min(runs, 5));
        MeasureDialogs(watch, game, runs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
