#include "ChildProcess.h"

#include <filesystem>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <csignal>
#include <spawn.h>
#include <unistd.h>
#include <sys/wait.h>
#endif

namespace {

std::filesystem::path ChildProgram()
{
#ifdef _WIN32
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    return std::filesystem::path(self).parent_path() / "storage_test_child.exe";
#else
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "storage_test_child";
#endif
}

} // namespace

#ifdef _WIN32

TChildProcess::TChildProcess(const std::vector<std::string>& arguments)
{
    const std::string program = ChildProgram().string();
    std::vector<const char*> argv{program.c_str()};
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    argv.push_back(nullptr);
    Handle = _spawnv(_P_NOWAIT, program.c_str(), argv.data());
}

TChildProcess::~TChildProcess()
{
    if (Started()) {
        Kill();
        Wait();
    }
}

bool TChildProcess::Started() const { return Handle != -1; }

int TChildProcess::Wait()
{
    int status = -1;
    if (Started() && _cwait(&status, Handle, 0) == -1)
        status = -1;
    Handle = -1;
    return status;
}

void TChildProcess::Kill()
{
    if (Started())
        TerminateProcess(reinterpret_cast<HANDLE>(Handle), 255);
}

#else

TChildProcess::TChildProcess(const std::vector<std::string>& arguments)
{
    const std::string program = ChildProgram().string();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (posix_spawn(&Id, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        Id = -1;
}

TChildProcess::~TChildProcess()
{
    if (Started()) {
        Kill();
        Wait();
    }
}

bool TChildProcess::Started() const { return Id != -1; }

int TChildProcess::Wait()
{
    int status = 0;
    const bool ended = Started() && waitpid(Id, &status, 0) == Id;
    Id = -1;
    return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void TChildProcess::Kill()
{
    if (Started())
        kill(Id, SIGKILL);
}

#endif
