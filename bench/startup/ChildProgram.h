#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

using TClock = std::chrono::steady_clock;

// One run of a program under measurement: started with its own per-user settings folder and
// nothing else changed in its environment, killed when the object goes.
class TChildProgram {
public:
    using TEnvironment = std::vector<std::pair<std::string, std::string>>;

    // The clock starts just before the fork. `extra` adds variables to the environment.
    TChildProgram(const std::string& path, const std::string& configHome, const TEnvironment& extra = {});
    ~TChildProgram();
    TChildProgram(const TChildProgram&) = delete;
    TChildProgram& operator=(const TChildProgram&) = delete;

    pid_t Pid() const { return Child; }
    TClock::time_point Started() const { return Start; }
    bool Running();
    // VmRSS of the process now, in kilobytes; 0 once it has gone.
    long ResidentKilobytes() const;
    void Kill();

private:
    pid_t Child = -1;
    TClock::time_point Start;
};

// A folder of its own under $TMPDIR, removed with everything in it when the object goes.
class TScratchFolder {
public:
    TScratchFolder();
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::string& Path() const { return Folder; }

private:
    std::string Folder;
};
