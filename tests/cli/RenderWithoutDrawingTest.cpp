#include "cli/Commands.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tp::cli {
namespace {

TEST(RenderWithoutDrawing, SaysSoInOneLineAndExitsWithStatusTwo) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCommandLine({"render", "2016-03-01"}, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "render: dieses turnoplaner-cli kann nicht zeichnen (ohne Qt gebaut)\n");
}

} // namespace
} // namespace tp::cli
