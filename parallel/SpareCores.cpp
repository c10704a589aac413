#include "parallel/SpareCores.h"

#include <algorithm>
#include <thread>
#include <vector>

TSideBySide OnSpareCores(unsigned coresTaken)
{
    return [coresTaken](size_t helpersWanted, const std::function<void()>& work) {
        const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
        const size_t helpers = std::min<size_t>(cores - std::min(cores, coresTaken + 1), helpersWanted);
        std::vector<std::jthread> workers;
        for (size_t n = 0; n < helpers; ++n)
            workers.emplace_back(work);
        work();
    };
}
