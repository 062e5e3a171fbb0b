#include "platform/ThreadPriority.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace tp {
namespace {

#ifdef __linux__
int niceOfThisThread() {
    return getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
}

// The start's helper threads give way to the one that makes the window, which keeps its own
// priority.
TEST(ThreadPriority, OnlyTheCallingThreadGivesWay) {
    const int before = niceOfThisThread();
    int helper = before;
    std::thread([&helper] {
        lowerThisThreadPriority();
        helper = niceOfThisThread();
    }).join();
    EXPECT_EQ(helper, std::min(before + 10, 19));
    EXPECT_EQ(niceOfThisThread(), before);
}
#endif

} // namespace
} // namespace tp
