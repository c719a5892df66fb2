// A client beside an in-process window process that offers its windows for joining, and
// one whose dialogs answer from scripts.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../channel/channel_fixture.h"
#include "client/include/lumora.h"

namespace lumora::test {

class JoinTest : public ChannelTest {
  protected:
    void SetUp() override {
        ChannelTest::SetUp();
        client_state().ansi_code_page = 1252;  // the program is known already
    }

    static luwnd::CoreConfig quiet_config() {
        luwnd::CoreConfig config;
        config.joinable = true;
        config.answers = "";
        config.file_answers = "";
        config.query_answers = "";
        return config;
    }

    // Sends a command text to the core as a client of its own would.
    std::int32_t to_core(const std::string& text) {
        return fake().core()->handle(1, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                     text.size() + 1);
    }

    // Process 2 (LuWnd1 holds a header of neither form) shows window 3 titled `title`,
    // left there by a program that quit with mode 0.
    void offer_window_3(luwnd::CoreConfig config, const std::string& title = "Plot") {
        std::uint8_t* first = fake().host().create_block("LuWnd1", 4096);
        ASSERT_NE(first, nullptr);
        std::memcpy(first, "garbage", 8);
        ASSERT_EQ(fake().start_server(std::move(config)), 2);
        ASSERT_EQ(to_core("K,1,d;p;v"), 1);
        ASSERT_EQ(to_core("I,3,0,0,-1,-1,-1," + title), 3);
        ASSERT_EQ(to_core("L,0,"), 1);
    }

    std::string process_text(int k) {
        std::size_t size = 0;
        const std::uint8_t* block = fake().host().find("LuWnd" + std::to_string(k), &size);
        return block == nullptr ? "" : reinterpret_cast<const char*>(block);
    }

    // Deliveries of 'B' with sub-code code.
    int b_commands(int code) {
        int count = 0;
        for (const auto& d : fake().deliveries) {
            if (d.bytes.size() == 3 && d.bytes[0] == 'B' && d.param1 == code) ++count;
        }
        return count;
    }
};

// A client with window 1 open in a core whose dialogs answer from the given scripts.
class FilesTest : public JoinTest {
  protected:
    void start(const std::string& file_answers, const std::string& query_answers = "") {
        luwnd::CoreConfig config = quiet_config();
        config.file_answers = file_answers;
        config.query_answers = query_answers;
        fake().start_server(std::move(config));
        ASSERT_NE(find_window_process(), 0);
        client_state().copy_data.tag = kCopyDataTag;
        ASSERT_EQ(open(1), 1);
        fake().on_deliver = [this](const platform::Delivery& d) {
            if (d.bytes.size() == 3 && d.bytes[0] == 'B' && d.param1 == 13)
                dialog_starts.emplace_back(window_text());
        };
    }

    std::string window_text() {
        return reinterpret_cast<const char*>(block_table().current_block + layout::kText);
    }

    // A path in the temporary directory, removed at the end of the test.
    std::string temp_file(const std::string& stem) {
        const auto path = std::filesystem::temp_directory_path() /
                          (stem + "-" + std::to_string(++files_made_) + "-" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        made_.push_back(path);
        return path.string();
    }
    void TearDown() override {
        for (const auto& p : made_) std::filesystem::remove(p);
        JoinTest::TearDown();
    }

    static std::string contents(const std::string& path) {
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::vector<std::string> dialog_starts;

  private:
    int files_made_ = 0;
    std::vector<std::filesystem::path> made_;
};

}  // namespace lumora::test
