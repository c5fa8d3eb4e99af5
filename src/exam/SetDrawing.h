#pragma once

#include <random>
#include <vector>

// The first count entries of a uniformly random order of the candidates (a partial Fisher-Yates
// shuffle): every ordered choice of count distinct candidates is equally likely.
std::vector<int> drawOrder(std::vector<int> candidates, int count, std::mt19937& random);

// A generator seeded afresh from the clock, one for each preparation.
std::mt19937 clockSeededGenerator();
