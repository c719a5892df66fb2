// The library's channel against a real window process, as separate processes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../support/child_process.h"

namespace lumora::test {
namespace {

class ChannelSession : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        namespace_ = "it" + name.substr(0, 8) + std::to_string(counter_++);
        namespace_ += temp_suffix();
        set_environment("LUMORA_NAMESPACE", namespace_.c_str());
        trace_ = temp_path("lumora-trace-" + name);
        out_ = temp_path("lumora-out-" + name);
        err_ = temp_path("lumora-err-" + name);
        set_environment("LUMORA_TRACE", trace_.c_str());
    }

    void TearDown() override {
        server_.kill();
        remove_leftover_blocks(namespace_);
        set_environment("LUMORA_TRACE", nullptr);
        set_environment("LUMORA_NAMESPACE", nullptr);
        std::remove(trace_.c_str());
        std::remove(out_.c_str());
        std::remove(err_.c_str());
    }

    static std::string temp_suffix() {
        const std::string path = temp_path("x");
        return path.substr(path.rfind('-'));
    }

    void start_server() {
        ChildOptions options;
        options.argv = {native_path(LUWND_PATH)};
        options.wait_until_ready = true;
        ASSERT_TRUE(server_.start(options)) << "the window process did not become ready";
    }

    // Runs the client scenario; its exit status. Its output is in out_ and err_.
    int run_client(const std::string& scenario) {
        ChildOptions options;
        options.argv = {native_path(CLIENT_PATH), scenario};
        options.stdout_file = out_;
        options.stderr_file = err_;
        ChildProcess client;
        if (!client.start(options)) return -100;
        return client.wait(60000);
    }

    std::string trace_lines_with(const std::string& needle) {
        std::string found;
        const std::string trace = read_file(trace_);
        std::size_t start = 0;
        while (start < trace.size()) {
            std::size_t end = trace.find('\n', start);
            if (end == std::string::npos) end = trace.size();
            const std::string line = trace.substr(start, end - start);
            if (line.find(needle) != std::string::npos) found += line + "\n";
            start = end + 1;
        }
        return found;
    }

    ChildProcess server_;
    std::string namespace_, trace_, out_, err_;
    static inline int counter_ = 0;
};

TEST_F(ChannelSession, ConnectsProbesOpensAndMovesBulkData) {
    start_server();
    ASSERT_EQ(run_client("session"), 0) << read_text_file(err_);
    EXPECT_EQ(read_text_file(out_),
              "connect=1\nprocess=1\nversion=0\nhandshake=1\nwindow=1 mapped=1\nchannel=0\n"
              "polyline=1\nexchange=1 a=1280 b=1024\nquit=1\n");
    EXPECT_EQ(read_text_file(err_), "");

    // Every probe was answered as the library expects.
    EXPECT_NE(trace_lines_with("probe=0").find("ret=224"), std::string::npos);
    EXPECT_NE(trace_lines_with("probe=1").find("ret=256"), std::string::npos);
    EXPECT_NE(trace_lines_with("probe=2").find("ret=2147483647"), std::string::npos);
    EXPECT_NE(trace_lines_with("probe=3").find("ret=-2147483648"), std::string::npos);
    // 1000 points are 8000 bytes: three full chunks and one of 1856 bytes, in order.
    const std::string chunks = trace_lines_with("p1=36 ");
    const std::string offsets[] = {"off=0 bytes=2048", "off=2048 bytes=2048", "off=4096 bytes=2048",
                                   "off=6144 bytes=1856"};
    std::size_t at = 0;
    for (const auto& o : offsets) {
        at = chunks.find(o, at);
        EXPECT_NE(at, std::string::npos) << o << "\n" << chunks;
    }
    EXPECT_NE(trace_lines_with("p1=37 ").find("ret=1"), std::string::npos);
    EXPECT_NE(trace_lines_with("cmd=L").find("mode=1"), std::string::npos);
}

TEST_F(ChannelSession, LargeArraysArriveWholeAndInOrder) {
    start_server();
    ASSERT_EQ(run_client("arrays"), 0) << read_text_file(err_);
    const std::string out = read_text_file(out_);
    const std::string completions = trace_lines_with("p1=37 ");
    // The client prints the checksum of what it sent; the window process traces the
    // checksum of what it assembled.
    for (const char* kind : {"polyline=", "polygon="}) {
        const std::size_t at = out.find(kind);
        ASSERT_NE(at, std::string::npos) << out;
        const std::string sum = out.substr(out.find("sum=", at), 12);
        EXPECT_EQ(out.substr(at + std::strlen(kind), 2), "1 ") << out;
        EXPECT_NE(completions.find(sum), std::string::npos) << sum << "\n" << completions;
    }
    EXPECT_NE(completions.find("bytes=800000 sum="), std::string::npos) << completions;
    EXPECT_NE(completions.find("bytes=80000 sum="), std::string::npos) << completions;
}

// Two threads call at once, through the command page and through datagrams: every answer
// is the caller's own, and the client ends (run_client gives up after 60 s).
TEST_F(ChannelSession, CallsFromTwoThreadsEachGetTheirOwnAnswers) {
    for (const char* fast_path : {"1", "0"}) {
        set_environment("LUMORA_FAST_PATH", fast_path);
        start_server();
        EXPECT_EQ(run_client("threads"), 0) << fast_path << read_text_file(err_);
        EXPECT_NE(read_text_file(out_).find("wrong=0,0\n"), std::string::npos)
            << fast_path << read_text_file(out_);
        server_.kill();
        remove_leftover_blocks(namespace_);
    }
    set_environment("LUMORA_FAST_PATH", nullptr);
}

TEST_F(ChannelSession, WindowProcessThatDiesEndsTheProgramWithStatusOne) {
    start_server();
    EXPECT_EQ(run_client("die"), 1);
    EXPECT_EQ(read_text_file(err_), "The window was closed.\n");
    EXPECT_EQ(read_text_file(out_).find("survived"), std::string::npos);
}

TEST_F(ChannelSession, WithoutAWindowProcessNothingIsFound) {
    EXPECT_EQ(run_client("connect"), 1);
    EXPECT_NE(read_text_file(out_).find("connect=0"), std::string::npos);
    EXPECT_EQ(read_text_file(err_), "Incompatible library version.\n");
}

}  // namespace
}  // namespace lumora::test
