// Two programs on one window of a real window process: the first leaves it open, the
// second joins it and draws into it, and a colour file passes between them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "../support/child_process.h"

namespace lumora::test {
namespace {

class JoinSession : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string path = temp_path("x");
        namespace_ = "itjoin" + path.substr(path.rfind('-'));
        set_environment("LUMORA_NAMESPACE", namespace_.c_str());
        trace_ = temp_path("lumora-join-trace");
        colours_ = temp_path("lumora-join-colours.clr");
        set_environment("LUMORA_TRACE", trace_.c_str());
        set_environment("LUMORA_JOINABLE", "1");
    }

    void TearDown() override {
        server_.kill();
        remove_leftover_blocks(namespace_);
        for (const char* name : {"LUMORA_TRACE", "LUMORA_JOINABLE", "LUMORA_NAMESPACE"})
            set_environment(name, nullptr);
        for (const std::string& f : {trace_, colours_, out_ + "1", out_ + "2", err_})
            std::remove(f.c_str());
    }

    // Runs one part of the client; its exit status. Its output is in out_<n>.
    int run_part(const char* part, int n) {
        ChildOptions options;
        options.argv = {native_path(CLIENT_PATH), part, colours_};
        options.stdout_file = out_ + std::to_string(n);
        options.stderr_file = err_;
        ChildProcess client;
        if (!client.start(options)) return -100;
        return client.wait(60000);
    }

    std::string output(int n) { return read_text_file(out_ + std::to_string(n)); }

    static std::string value_of(const std::string& text, const std::string& key) {
        const std::size_t at = text.find(key + "=");
        if (at == std::string::npos) return "";
        const std::size_t start = at + key.size() + 1;
        return text.substr(start, text.find_first_of(" \n", start) - start);
    }

    ChildProcess server_;
    std::string namespace_, trace_, colours_;
    std::string out_ = temp_path("lumora-join-out");
    std::string err_ = temp_path("lumora-join-err");
};

TEST_F(JoinSession, ASecondProgramDrawsIntoTheWindowTheFirstLeftOpen) {
    ChildOptions options;
    options.argv = {native_path(LUWND_PATH)};
    options.wait_until_ready = true;
    ASSERT_TRUE(server_.start(options)) << "the window process did not become ready";

    ASSERT_EQ(run_part("open", 1), 0) << read_text_file(err_);
    const std::string first = output(1);
    const std::string window = value_of(first, "window");
    ASSERT_FALSE(window.empty()) << first;
    EXPECT_EQ(value_of(first, "text"), "1");
    EXPECT_EQ(value_of(first, "saved"), "16");
    EXPECT_TRUE(server_.running());  // the window stays for others to join

    ASSERT_EQ(run_part("join", 2), 0) << read_text_file(err_);
    const std::string second = output(2);
    EXPECT_EQ(value_of(second, "joined"), window) << second;
    EXPECT_NE(second.find("description=1:" + window + " Plot\n"), std::string::npos) << second;
    EXPECT_EQ(value_of(second, "open"), window);
    EXPECT_EQ(value_of(second, "text"), "1");
    EXPECT_NE(value_of(second, "own"), window);
    EXPECT_EQ(value_of(second, "loaded"), "16");
    EXPECT_EQ(value_of(second, "colours"), value_of(first, "colours"));
    EXPECT_EQ(read_text_file(err_), "");
    EXPECT_EQ(server_.wait(20000), 0);  // the second program quit with mode 1

    // Both programs' texts went to the same window, the first before it quit with mode 0.
    const std::string trace = read_file(trace_);
    const std::string win = " win=" + window + " ";
    const std::size_t first_text = trace.find("text=\"first\"");
    const std::size_t quit = trace.find("cmd=L win=0 mode=0");
    const std::size_t second_text = trace.find("text=\"second\"");
    ASSERT_NE(first_text, std::string::npos) << trace;
    ASSERT_NE(second_text, std::string::npos) << trace;
    EXPECT_LT(first_text, quit);
    EXPECT_LT(quit, second_text);
    for (std::size_t at : {first_text, second_text}) {
        const std::size_t line = trace.rfind('\n', at) + 1;
        EXPECT_NE(trace.substr(line, at - line).find(win), std::string::npos)
            << trace.substr(line, at - line);
    }
    EXPECT_NE(trace.find("cmd=B" + win + "p1=10 p2=4 p3=-1"), std::string::npos);
    EXPECT_NE(trace.find("cmd=L win=0 mode=1"), std::string::npos);
}

}  // namespace
}  // namespace lumora::test
