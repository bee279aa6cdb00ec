// Soak runs: the same user action many thousand times in one process, with the resident
// memory read before and after, so that a leak of the program's own shows as growth.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "gui_helpers.h"

namespace gui_test {

// Resident memory of this process in KiB (VmRSS of /proc/self/status).
inline long resident_kib() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = -1;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            break;
        }
        status.ignore(1 << 20, '\n');
    }
    return value;
}

inline constexpr int SOAK_ROUNDS = 10000;
// Growth allowed over the 10,000 rounds after the warm-up: one lost heap block per round
// (32 bytes at the least) would exceed it, while allocator and X-buffer noise stays well
// below (under 100 KiB in every program).
inline constexpr long SOAK_BOUND_KIB = 256;

// Runs action warm-up rounds first (caches, fonts, X resources reach their size), then
// SOAK_ROUNDS rounds, and expects the resident memory to grow by at most SOAK_BOUND_KIB.
inline void expect_no_growth(const std::function<void(int)>& action) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine; the soak runs in the "
                    "plain build";
#endif
    for (int round = 0; round < 500; ++round) {
        action(round);
    }
    drain_events();
    const long before = resident_kib();
    for (int round = 0; round < SOAK_ROUNDS; ++round) {
        action(round);
        if (round % 64 == 0) {
            drain_events();
        }
    }
    drain_events();
    const long after = resident_kib();
    testing::Test::RecordProperty("resident_kib_before", static_cast<int>(before));
    testing::Test::RecordProperty("resident_kib_after", static_cast<int>(after));
    std::printf("resident memory: %ld KiB before, %ld KiB after %d rounds\n", before, after,
                SOAK_ROUNDS);
    EXPECT_LE(after - before, SOAK_BOUND_KIB);
}

} // namespace gui_test
