// A window's plot block as luwnd makes it on Windows (a named file mapping, through its
// block host) is mapped whole by the library, shared, and gone with its window.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/channel/block_layout.h"
#include "client/platform/win32/win32_platform.h"
#include "plotcore/plot_commands.h"
#include "server/core/core.h"
#include "server/host/win32/file_mapping_host.h"

namespace lumora::platform {
namespace {

std::int32_t slot_command(luwnd::Core& core, char letter, int window) {
    const std::uint8_t command[] = {static_cast<std::uint8_t>(letter),
                                    static_cast<std::uint8_t>(window + 32), 0};
    return core.handle(1, command, sizeof command);
}

TEST(Win32PlotBlock, TheLibraryMapsThePlotBlockLuwndMakes) {
    const std::string ns = "plotblock" + std::to_string(GetCurrentProcessId());
    _putenv(("LUMORA_NAMESPACE=" + ns).c_str());
    {
        luwnd::win32::FileMappingHost host(ns);
        luwnd::Core core(host, luwnd::CoreConfig{});
        const int process = core.publish();
        ASSERT_GT(process, 0);
        const std::string open = "I,0,0,0,-1,-1,-1,Plot";
        ASSERT_EQ(
            core.handle(1, reinterpret_cast<const std::uint8_t*>(open.c_str()), open.size() + 1),
            1);
        Win32Platform backend;
        const std::string window = "LuWnd" + std::to_string(process) + ":1";
        const MappedView block = backend.open_block(window.c_str());
        ASSERT_NE(block.data, nullptr);
        layout::write_i32(block.data, layout::kParam1, plotcore::kPlotBlock);
        ASSERT_EQ(slot_command(core, 'B', 1), 1);
        EXPECT_EQ(layout::read_i32(block.data, layout::kResult1),
                  static_cast<std::int32_t>(plotcore::kPlotBlockSize));

        char name[64];
        std::snprintf(name, sizeof name, plotcore::kPlotBlockFormat, process, 1);
        const MappedView plot = backend.open_block(name);
        ASSERT_NE(plot.data, nullptr) << name << ": " << backend.last_error();
        EXPECT_GE(plot.size, plotcore::kPlotBlockSize);
        std::memcpy(plot.data + plotcore::kPlotBlockSize - 4, "LuB!", 4);
        const MappedView again = backend.open_block(name);
        ASSERT_NE(again.data, nullptr);
        EXPECT_EQ(std::memcmp(again.data + plotcore::kPlotBlockSize - 4, "LuB!", 4), 0)
            << "one block, shared";
        EXPECT_TRUE(backend.unmap_block(again));
        EXPECT_TRUE(backend.unmap_block(plot));

        slot_command(core, 'J', 1);
        EXPECT_EQ(backend.open_block(name).data, nullptr) << "gone with its window";
        EXPECT_TRUE(backend.unmap_block(block));
    }
    _putenv("LUMORA_NAMESPACE=");
}

}  // namespace
}  // namespace lumora::platform
