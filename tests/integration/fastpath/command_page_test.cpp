// Programs and a real window process over the command page.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "../support/child_process.h"

namespace lumora::test {
namespace {

class CommandPage : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string path = temp_path("x");
        namespace_ = "itpage" + path.substr(path.rfind('-')) + std::to_string(counter_++);
        set_environment("LUMORA_NAMESPACE", namespace_.c_str());
        set_environment("LUMORA_HEADLESS", "1");
        trace_ = temp_path("lumora-page-trace" + std::to_string(counter_));
        set_environment("LUMORA_TRACE", trace_.c_str());
    }

    void TearDown() override {
        server_.kill();
        remove_leftover_blocks(namespace_);
        for (const char* name : {"LUMORA_TRACE", "LUMORA_NAMESPACE", "LUMORA_HEADLESS",
                                 "LUMORA_JOINABLE", "LUMORA_FAST_PATH"})
            set_environment(name, nullptr);
        for (const std::string& f : {trace_, out_, err_}) std::remove(f.c_str());
    }

    void start_server() {
        ChildOptions options;
        options.argv = {native_path(LUWND_PATH)};
        options.wait_until_ready = true;
        ASSERT_TRUE(server_.start(options)) << "the window process did not become ready";
    }

    int run_client(std::vector<std::string> args, int timeout_ms = 60000) {
        ChildOptions options;
        options.argv = {native_path(CLIENT_PATH)};
        options.argv.insert(options.argv.end(), args.begin(), args.end());
        options.stdout_file = out_;
        options.stderr_file = err_;
        ChildProcess client;
        if (!client.start(options)) return -100;
        return client.wait(timeout_ms);
    }

    // The trace of one whole run, with the window process's pid (its connection id and
    // handle, on the handshake's line) written as PID so that two runs compare. Only that
    // line: a coordinate elsewhere may equal the pid.
    std::string trace_of_run(const char* fast_path) {
        set_environment("LUMORA_FAST_PATH", fast_path);
        start_server();
        EXPECT_EQ(run_client({"draw", "3000"}), 0) << read_text_file(err_);
        EXPECT_EQ(server_.wait(20000), 0);
        std::string trace = read_file(trace_);
        std::smatch id;
        if (std::regex_search(trace, id, std::regex("cmd=K win=0 id=(\\d+)[^\n]*"))) {
            const std::string line =
                std::regex_replace(id[0].str(), std::regex("\\b" + id[1].str() + "\\b"), "PID");
            trace = id.prefix().str() + line + id.suffix().str();
        }
        std::remove(trace_.c_str());
        return trace;
    }

    ChildProcess server_;
    std::string namespace_, trace_;
    std::string out_ = temp_path("lumora-page-out");
    std::string err_ = temp_path("lumora-page-err");
    static inline int counter_ = 0;
};

TEST_F(CommandPage, TheTraceIsTheSameOverThePageAndOverDatagrams) {
    const std::string datagrams = trace_of_run("0");
    const std::string page = trace_of_run(nullptr);
    EXPECT_GT(datagrams.size(), 3000u * 20);
    EXPECT_NE(datagrams.find("cmd=K win=0 id=PID"), std::string::npos) << datagrams.substr(0, 400);
    EXPECT_EQ(page, datagrams);
}

// Eight programs talk to one window process at once, each through its own page, joining
// the window one program left. They share that window's slots and the process block, so
// what each one draws is not theirs alone; what must hold is that every program ends,
// none waits for ever, and the window process serves a program on its own fully after.
TEST_F(CommandPage, EightProgramsAtOnceOnOneWindowProcess) {
    set_environment("LUMORA_JOINABLE", "1");
    start_server();
    ASSERT_EQ(run_client({"offer"}), 0) << read_text_file(err_);
    constexpr int kPrograms = 8;
    std::vector<std::unique_ptr<ChildProcess>> clients;
    for (int i = 0; i < kPrograms; ++i) {
        ChildOptions options;
        options.argv = {native_path(CLIENT_PATH), "join", "2000"};
        options.stdout_file = out_ + std::to_string(i);
        options.stderr_file = err_ + std::to_string(i);
        clients.push_back(std::make_unique<ChildProcess>());
        ASSERT_TRUE(clients.back()->start(options));
    }
    for (int i = 0; i < kPrograms; ++i) {
        const int status = clients[i]->wait(120000);
        const std::string err = read_text_file(err_ + std::to_string(i));
        EXPECT_TRUE(status == 0 || (status == 1 && err == "The window was closed.\n"))
            << status << " " << err << read_text_file(out_ + std::to_string(i));
        std::remove((out_ + std::to_string(i)).c_str());
        std::remove((err_ + std::to_string(i)).c_str());
    }
    ASSERT_TRUE(server_.running());

    const std::size_t before = read_file(trace_).size();
    ASSERT_EQ(run_client({"join", "1000"}), 0) << read_text_file(err_);
    const std::string out = read_text_file(out_);
    EXPECT_NE(out.find(" drawn=2000\n"), std::string::npos) << out;
    // The last program's lines all arrived.
    std::istringstream lines_of(read_file(trace_).substr(before));
    std::size_t lines = 0;
    for (std::string line; std::getline(lines_of, line);)
        lines += line.rfind("cmd=A ", 0) == 0 && line.find(" p1=20 ") != std::string::npos;
    EXPECT_EQ(lines, 2000u);
}

// Lines are posted without waiting for their answers; a command that waits (a count) is
// answered after every line posted before it, in whichever window.
TEST_F(CommandPage, PostedLinesAreAllThereWhenTheProgramNextAsks) {
    start_server();
    ASSERT_EQ(run_client({"count", "20000"}), 0) << read_text_file(err_);
    EXPECT_EQ(read_text_file(out_), "drawn=40000 first=20000 second=20000\n");
    EXPECT_EQ(server_.wait(20000), 0);
}

// A program that ends without quitting has its posted lines drawn all the same.
TEST_F(CommandPage, LinesPostedJustBeforeTheProgramEndsAreDrawn) {
    start_server();
    ASSERT_EQ(run_client({"leave", "5000"}), 0) << read_text_file(err_);
    EXPECT_EQ(server_.wait(20000), 0);
    std::istringstream trace(read_file(trace_));
    std::size_t lines = 0;
    for (std::string line; std::getline(trace, line);)
        lines += line.rfind("cmd=A ", 0) == 0 && line.find(" p1=20 ") != std::string::npos &&
                 line.find(" ret=1") != std::string::npos;
    EXPECT_EQ(lines, 5000u);
}

TEST_F(CommandPage, AWindowProcessStoppedAndThenKilledEndsTheWaitingProgram) {
    start_server();
    EXPECT_EQ(run_client({"stopped"}, 20000), 1);
    EXPECT_EQ(read_text_file(err_), "The window was closed.\n");
    EXPECT_EQ(read_text_file(out_).find("survived"), std::string::npos);
}

TEST_F(CommandPage, AWindowProcessKilledWhileTheProgramDrawsEndsIt) {
    start_server();
    EXPECT_EQ(run_client({"killed"}, 20000), 1);
    EXPECT_EQ(read_text_file(err_), "The window was closed.\n");
    EXPECT_EQ(read_text_file(out_).find("survived"), std::string::npos);
}

// A window's picture is on disk when its close returns, and every picture when the quit
// returns, although other commands settle their pictures after they are answered.
TEST_F(CommandPage, ThePicturesOfACloseAndOfTheQuitAreWrittenBeforeTheyReturn) {
    const std::string output = temp_path("lumora-page-pictures");
    ASSERT_EQ(mkdir(output.c_str(), 0700), 0);
    set_environment("LUMORA_OUTPUT", output.c_str());
    start_server();
    EXPECT_EQ(run_client({"closed", output}), 0) << read_text_file(err_);
    EXPECT_EQ(read_text_file(out_), "at_close=1\nat_quit=2\n");
    EXPECT_EQ(server_.wait(20000), 0);
    set_environment("LUMORA_OUTPUT", nullptr);
    std::filesystem::remove_all(output);
}

// utime + stime of a process, in clock ticks.
long cpu_ticks(long pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t after_name = text.rfind(')');
    if (after_name == std::string::npos) return -1;
    std::istringstream fields(text.substr(after_name + 2));
    std::string field;
    long utime = -1, stime = -1;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) {
            stime = std::stol(field);
            break;
        }
    }
    return utime < 0 || stime < 0 ? -1 : utime + stime;
}

TEST_F(CommandPage, AProgramWaitingAtItsConsoleAndItsWindowProcessUseNoCpu) {
    start_server();
    // The program reads a pipe that stays open and silent until we close it.
    const std::string fifo = temp_path("lumora-page-input");
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::FILE* input = std::fopen(fifo.c_str(), "r+e");  // not inherited
    ASSERT_NE(input, nullptr);
    ChildOptions options;
    options.argv = {native_path(CLIENT_PATH), "idle"};
    options.stdin_file = fifo;
    options.stdout_file = out_;
    options.stderr_file = err_;
    ChildProcess client;
    ASSERT_TRUE(client.start(options));
    long client_pid = 0, window_pid = 0;
    for (int i = 0; i < 200 && client_pid == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::sscanf(read_text_file(out_).c_str(), "ready client=%ld window=%ld", &client_pid,
                    &window_pid);
    }
    ASSERT_GT(client_pid, 0) << read_text_file(err_);
    // Past the spins that follow the last command, both sleep.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long client_before = cpu_ticks(client_pid), window_before = cpu_ticks(window_pid);
    std::this_thread::sleep_for(std::chrono::seconds(3));
    EXPECT_EQ(cpu_ticks(client_pid), client_before);
    EXPECT_EQ(cpu_ticks(window_pid), window_before);
    EXPECT_GE(client_before, 0);
    EXPECT_GE(window_before, 0);
    std::fclose(input);  // the end of the input: the program quits
    EXPECT_EQ(client.wait(20000), 0) << read_text_file(err_);
    std::remove(fifo.c_str());
}

}  // namespace
}  // namespace lumora::test
