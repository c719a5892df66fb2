// A client connected to an in-process window-process core through the fake platform.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "client/channel/block_ops.h"
#include "client/channel/client_state.h"
#include "client/channel/transport.h"
#include "client/platform/fake/fake_platform.h"

namespace lumora::test {

class ChannelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_client_state();
        client_state().use_message_box = 0;
    }
    void TearDown() override { reset_client_state(); }

    platform::FakePlatform& fake() { return scope_.fake; }

    // What the core that connect() publishes is like.
    luwnd::CoreConfig server_config_;

    // Publishes a core (of server_config_), connects to it the way a program does, with the
    // copy-data record set.
    void connect() {
        fake().start_server(server_config_);
        ASSERT_NE(find_window_process(), 0);
        client_state().copy_data.tag = kCopyDataTag;
    }

    // Opens window n (0: the core's choice) with an 'I' command and maps its block.
    int open(int n = 0) {
        const std::int32_t r = deliver_formatted("%c,%d,%d,%d,%d,%d,%d,", 'I', n, 0, 0, -1, -1, -1);
        EXPECT_GT(r, 0);
        char name[64];
        std::snprintf(name, sizeof name, "LuWnd%d:%d", block_table().process_number, r);
        block_table().blocks[r] = map_block(name);
        EXPECT_NE(block_table().blocks[r].data, nullptr);
        ++block_table().open_count;
        make_current(r);
        return r;
    }

    // Text of delivery i as a string of its bytes.
    std::string sent(std::size_t i) {
        const auto& bytes = fake().deliveries.at(i).bytes;
        return std::string(bytes.begin(), bytes.end());
    }

    // Runs f and returns the status it ended the program with (-1 when it returned).
    template <class F>
    int exit_status_of(F f) {
        try {
            f();
        } catch (const platform::FakeExit& e) {
            return e.status;
        }
        return -1;
    }

  private:
    platform::FakePlatformScope scope_;
};

}  // namespace lumora::test
