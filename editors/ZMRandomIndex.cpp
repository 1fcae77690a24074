#include "editors/ZMRandomIndex.h"

#include <chrono>
#include <random>

int ClockSeededIndex(int count) {
    std::mt19937 gen(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    return std::uniform_int_distribution<int>(0, count - 1)(gen);
}
