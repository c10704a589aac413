#include "ChildProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

extern char** environ;

namespace {

bool Overridden(const std::string& entry, const TChildProgram::TEnvironment& variables)
{
    for (const auto& [name, value] : variables)
        if (entry.starts_with(name + '='))
            return true;
    return false;
}

// The parent's environment with `variables` set. An offscreen platform left over from the test
// suite would keep the program off the X server, so it is dropped.
std::vector<std::string> ChildEnvironment(const TChildProgram::TEnvironment& variables)
{
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        if (!text.starts_with("QT_QPA_PLATFORM=") && !Overridden(text, variables))
            result.push_back(text);
    }
    for (const auto& [name, value] : variables)
        result.push_back(name + '=' + value);
    return result;
}

}  // namespace

TChildProgram::TChildProgram(const std::string& path, const std::string& configHome, const TEnvironment& extra)
{
    TEnvironment variables = extra;
    variables.emplace_back("XDG_CONFIG_HOME", configHome);
    // Built before the fork: the child only redirects its output and calls exec.
    std::vector<std::string> environment = ChildEnvironment(variables);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string program = path;
    char* argv[] = {program.data(), nullptr};

    Start = TClock::now();
    Child = fork();
    if (Child < 0)
        throw std::system_error(errno, std::generic_category(), "fork");
    if (Child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
}

TChildProgram::~TChildProgram()
{
    Kill();
}

bool TChildProgram::Running()
{
    if (Child < 0)
        return false;
    if (waitpid(Child, nullptr, WNOHANG) == Child)
        Child = -1;
    return Child >= 0;
}

long TChildProgram::ResidentKilobytes() const
{
    std::ifstream status("/proc/" + std::to_string(Child) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:"))
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

void TChildProgram::Kill()
{
    if (Child < 0)
        return;
    kill(Child, SIGKILL);
    waitpid(Child, nullptr, 0);
    Child = -1;
}

TScratchFolder::TScratchFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/tesuli-startup.XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::system_error(errno, std::generic_category(), "mkdtemp");
    Folder = pattern;
}

TScratchFolder::~TScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(Folder, ignored);
}
