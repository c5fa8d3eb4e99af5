#include "exam/SetDrawing.h"

#include <algorithm>
#include <chrono>

std::vector<int> drawOrder(std::vector<int> candidates, int count, std::mt19937& random)
{
    const int n = int(candidates.size());
    count = std::clamp(count, 0, n);
    for (int i = 0; i < count; ++i) {
        std::uniform_int_distribution<int> pick(i, n - 1);
        std::swap(candidates[i], candidates[pick(random)]);
    }
    candidates.resize(count);
    return candidates;
}

std::mt19937 clockSeededGenerator()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
    return std::mt19937(seed);
}
