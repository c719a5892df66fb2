// A window's plot block as luwnd makes it on Linux (a file in the private runtime folder,
// through its block host) is mapped whole by the library, shared, and gone with its window.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "client/channel/block_layout.h"
#include "client/platform/posix/posix_platform.h"
#include "plotcore/plot_commands.h"
#include "posix_test_session.h"
#include "server/core/core.h"
#include "server/host/posix/block_file_host.h"

namespace lumora::platform {
namespace {

std::int32_t send(luwnd::Core& core, const std::string& text) {
    return core.handle(1, reinterpret_cast<const std::uint8_t*>(text.c_str()), text.size() + 1);
}

TEST(PosixPlotBlock, TheLibraryMapsThePlotBlockLuwndMakes) {
    PosixTestSession session;
    luwnd::posix::BlockFileHost host(session.make_socket_directory(0700));
    luwnd::Core core(host, luwnd::CoreConfig{});
    const int process = core.publish();
    ASSERT_GT(process, 0);
    ASSERT_EQ(send(core, "I,0,0,0,-1,-1,-1,Plot"), 1);
    PosixPlatform backend;
    const std::string window = "LuWnd" + std::to_string(process) + ":1";
    const MappedView block = backend.open_block(window.c_str());
    ASSERT_NE(block.data, nullptr);
    layout::write_i32(block.data, layout::kParam1, plotcore::kPlotBlock);
    const std::uint8_t command[] = {'B', 1 + 32, 0};
    ASSERT_EQ(core.handle(1, command, sizeof command), 1);
    EXPECT_EQ(layout::read_i32(block.data, layout::kResult1),
              static_cast<std::int32_t>(plotcore::kPlotBlockSize));

    char name[64];
    std::snprintf(name, sizeof name, plotcore::kPlotBlockFormat, process, 1);
    const MappedView plot = backend.open_block(name);
    ASSERT_NE(plot.data, nullptr) << name << ": " << backend.last_error();
    EXPECT_EQ(plot.size, plotcore::kPlotBlockSize);
    std::memcpy(plot.data + plot.size - 4, "LuB!", 4);
    const MappedView again = backend.open_block(name);
    ASSERT_NE(again.data, nullptr);
    EXPECT_EQ(std::memcmp(again.data + again.size - 4, "LuB!", 4), 0) << "one block, shared";
    EXPECT_TRUE(backend.unmap_block(again));
    EXPECT_TRUE(backend.unmap_block(plot));

    const std::uint8_t close[] = {'J', 1 + 32, 0};
    core.handle(1, close, sizeof close);
    EXPECT_EQ(backend.open_block(name).data, nullptr) << "gone with its window";
    EXPECT_TRUE(backend.unmap_block(block));
}

}  // namespace
}  // namespace lumora::platform
