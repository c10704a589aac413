#pragma once

#include <string>
#include <vector>

// A copy of the test helper program storage_test_child, running beside the test.
class TChildProcess {
public:
    explicit TChildProcess(const std::vector<std::string>& arguments);
    ~TChildProcess();
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    bool Started() const;
    // The exit code; -1 on POSIX when the child did not end by itself.
    int Wait();
    // Ends the child at once, wherever it is (SIGKILL).
    void Kill();

private:
#ifdef _WIN32
    intptr_t Handle = -1;
#else
    int Id = -1;
#endif
};
