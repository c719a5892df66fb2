// The Fourier program end to end: it launches the window process itself, draws both
// charts, and the trace of what the window process received is checked against an
// independent computation of the coefficients.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "../support/child_process.h"
#ifndef _WIN32
#include <filesystem>
#include <memory>
#endif
#include "reference_coefficients.h"

namespace lumora::test {
namespace {

struct TraceLine {
    std::string text;
    std::string field(const std::string& key) const {
        const std::string k = " " + key + "=";
        const std::size_t at = (" " + text).find(k);
        if (at == std::string::npos) return "";
        const std::size_t start = at + k.size() - 1;
        return text.substr(start, text.find(' ', start) - start);
    }
    int number(const std::string& key) const { return std::stoi(field(key)); }
};

std::vector<TraceLine> read_trace(const std::string& path) {
    std::vector<TraceLine> lines;
    std::istringstream in(read_file(path));
    for (std::string line; std::getline(in, line);) lines.push_back({line});
    return lines;
}

class FourierRun : public ::testing::Test {
  protected:
    struct Outcome {
        int status;
        std::string out;
        std::string err;
        std::vector<TraceLine> trace;
    };

    // Runs a program with the input; each run gets a namespace of its own so that it
    // starts its own window process.
    Outcome run(const std::string& program, const std::string& input,
                const std::string& given_ns = "") {
        const std::string tag = std::to_string(runs_++);
        const std::string ns = given_ns.empty()
                                   ? "fr" + tag + temp_path("").substr(temp_path("").rfind('-'))
                                   : given_ns;
        const std::string trace = temp_path("fourier-trace" + tag);
        const std::string in = temp_path("fourier-in" + tag);
        const std::string out = temp_path("fourier-out" + tag);
        const std::string err = temp_path("fourier-err" + tag);
        // A trace left by an earlier run of the same name (Wine reuses process numbers, and
        // a file still open there is not removed) must not add its lines to this one.
        for (const auto& f : {trace, in, out, err}) std::remove(f.c_str());
        std::ofstream(in) << input;
        set_environment("LUMORA_NAMESPACE", ns.c_str());
        set_environment("LUMORA_TRACE", trace.c_str());
        set_environment("LUMORADIR", native_path(LUWND_DIR).c_str());
        set_environment("LUMORA_OUTPUT", native_path(OUTPUT_DIR).c_str());
        ChildProcess child;
        ChildOptions options;
        options.argv = {native_path(program)};
        options.stdin_file = in;
        options.stdout_file = out;
        options.stderr_file = err;
        Outcome outcome{-100, "", "", {}};
        if (child.start(options)) outcome.status = child.wait(60000);
        outcome.out = read_text_file(out);
        outcome.err = read_text_file(err);
        wait_for_trace_end(trace);
        outcome.trace = read_trace(trace);
        for (const auto& f : {trace, in, out, err}) std::remove(f.c_str());
        remove_leftover_blocks(ns);
        return outcome;
    }

    // The window process writes its last line when it handles 'L'; it may still be
    // flushing when the program has ended.
    static void wait_for_trace_end(const std::string& trace) {
        for (int i = 0; i < 200 && read_file(trace).find("cmd=L") == std::string::npos; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    void expect_same_commands(const char* program);

    static inline int runs_ = 0;
};

// The line-to commands after the second frame was saved: the bars, upper then lower.
std::vector<TraceLine> bars_of(const std::vector<TraceLine>& trace) {
    std::vector<TraceLine> bars;
    bool after_frames = false;
    for (const auto& line : trace) {
        if (line.field("cmd") == "B" && line.field("p1") == "24" && line.field("p2") == "2") {
            after_frames = true;
        } else if (after_frames && line.field("cmd") == "A" && line.field("p1") == "20") {
            bars.push_back(line);
        }
    }
    return bars;
}

const char kPrompts[] = "number of data points N (even) = sampling time dt = ";

TEST_F(FourierRun, EightSamplesDrawLabelTicksAndTenBars) {
    const Outcome r = run(FOURIER_PATH, "8\n1\n");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kPrompts);
    std::string label;
    std::vector<int> ticks;
    for (const auto& line : r.trace) {
        if (line.field("p1") == "15" && label.empty()) label = line.text;
        if (line.field("cmd") == "A" && line.field("p1") == "20" && line.number("p2") > 150 &&
            line.number("p3") < 120 && ticks.size() < 4) {
            ticks.push_back(line.number("p2"));
        }
    }
    EXPECT_NE(label.find("text=\"     a_k        frequency interval =0.78540\""), std::string::npos)
        << label;
    // Page 640 x 480; world x from -1 to 5 over 640 pixels.
    EXPECT_EQ(ticks, (std::vector<int>{213, 320, 427, 533}));

    const std::vector<TraceLine> bars = bars_of(r.trace);
    ASSERT_EQ(bars.size(), 10u);
    for (int k = 0; k <= 4; ++k) {
        const int x = static_cast<int>((k + 1) * 640.0 / 6 + 0.5);
        const double a = coefficient(8, 1.0, k, true);
        const double b = coefficient(8, 1.0, k, false);
        // Upper frame: y from -2 to 2 over rows 240 to 0; lower frame over 480 to 240.
        EXPECT_NEAR(bars[2 * k].number("p2"), x, 1) << k;
        EXPECT_NEAR(bars[2 * k].number("p3"), 240 - (a + 2) * 60, 1) << k;
        EXPECT_NEAR(bars[2 * k + 1].number("p3"), 480 - (b + 2) * 60, 1) << k;
    }
    EXPECT_EQ(r.trace.back().field("cmd"), "L");
}

TEST_F(FourierRun, EdgeInputsRunToTheEnd) {
    for (const char* input : {"1\n1\n", "7\n0.5\n", "-2\n1\n", "0\n1\n", "8\n0\n"}) {
        const Outcome r = run(FOURIER_PATH, input);
        EXPECT_EQ(r.status, 0) << input;
        EXPECT_EQ(r.out, kPrompts) << input;
        ASSERT_FALSE(r.trace.empty()) << input;
        EXPECT_EQ(r.trace.back().field("cmd"), "L") << input;
    }
}

TEST_F(FourierRun, AnIdleWindowProcessIsReusedAndNothingIsStarted) {
    const std::string ns = "reuse" + temp_path("").substr(temp_path("").rfind('-'));
    const std::string own_trace = temp_path("fourier-idle-trace");
    set_environment("LUMORA_NAMESPACE", ns.c_str());
    set_environment("LUMORA_TRACE", own_trace.c_str());
    ChildProcess idle;
    ChildOptions options;
    options.argv = {native_path(LUWND_DIR "/luwnd" EXE_SUFFIX)};
    options.wait_until_ready = true;
    ASSERT_TRUE(idle.start(options));
    // The program's own run would trace elsewhere; it must not start a window process.
    const Outcome r = run(FOURIER_PATH, "8\n1\n", ns);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.trace.empty()) << "a second window process was started";
    const std::vector<TraceLine> trace = read_trace(own_trace);
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace.back().field("cmd"), "L");
    EXPECT_EQ(idle.wait(20000), 0);
    std::remove(own_trace.c_str());
}

#ifndef _WIN32
// The shared-memory objects of the namespace that still exist.
int objects_of(const std::string& ns) {
    return static_cast<int>(block_objects_of(ns).size());
}

// A window process killed while idle leaves its names behind: the next program passes
// them over and starts its own, which takes the names over.
TEST_F(FourierRun, AKilledIdleWindowProcessDoesNotStopTheNextProgram) {
    const std::string ns = "killed" + temp_path("").substr(temp_path("").rfind('-'));
    set_environment("LUMORA_NAMESPACE", ns.c_str());
    set_environment("LUMORA_TRACE", nullptr);
    ChildProcess idle;
    ChildOptions options;
    options.argv = {native_path(LUWND_DIR "/luwnd" EXE_SUFFIX)};
    options.wait_until_ready = true;
    ASSERT_TRUE(idle.start(options));
    idle.kill();
    ASSERT_EQ(objects_of(ns), 1);  // its process block stays
    const Outcome r = run(FOURIER_PATH, "8\n1\n", ns);
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_FALSE(r.trace.empty());
    EXPECT_EQ(r.trace.back().field("cmd"), "L");
}

// Programs started at the same moment in one namespace: each takes a window process of
// its own, so that its picture lands in its own output directory, and every window
// process ends once its program has quit.
TEST_F(FourierRun, SixteenProgramsAtOnceEachGetTheirOwnWindowProcess) {
    constexpr int kPrograms = 16, kRounds = 3;
    const std::string ns = "many" + temp_path("").substr(temp_path("").rfind('-'));
    const std::string base = temp_path("fourier-many");
    set_environment("LUMORA_NAMESPACE", ns.c_str());
    set_environment("LUMORA_TRACE", nullptr);
    set_environment("LUMORADIR", native_path(LUWND_DIR).c_str());
    const std::string in = base + "-in";
    std::ofstream(in) << "8\n1\n";
    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::string> outputs;
        std::vector<std::unique_ptr<ChildProcess>> programs;
        for (int i = 0; i < kPrograms; ++i) {
            outputs.push_back(base + "/r" + std::to_string(round) + "-" + std::to_string(i));
            std::filesystem::create_directories(outputs.back());
            set_environment("LUMORA_OUTPUT", outputs.back().c_str());
            ChildOptions options;
            options.argv = {FOURIER_PATH};
            options.stdin_file = in;
            options.stdout_file = outputs.back() + "/out.txt";
            options.stderr_file = outputs.back() + "/err.txt";
            programs.push_back(std::make_unique<ChildProcess>());
            ASSERT_TRUE(programs.back()->start(options));
        }
        for (int i = 0; i < kPrograms; ++i) {
            EXPECT_EQ(programs[i]->wait(120000), 0) << "round " << round << " program " << i << ": "
                                                    << read_file(outputs[i] + "/err.txt");
        }
        // Each window process writes its picture at the quit and then ends.
        for (int i = 0; i < 2000 && objects_of(ns) > 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(objects_of(ns), 0) << "round " << round << ": window processes left running";
        for (int i = 0; i < kPrograms; ++i)
            EXPECT_EQ(pictures_in(outputs[i]), 1) << "round " << round << " program " << i;
    }
    set_environment("LUMORA_OUTPUT", native_path(OUTPUT_DIR).c_str());
    std::error_code ignored;
    std::filesystem::remove_all(base, ignored);
    std::remove(in.c_str());
}
#endif

// Apart from the handshake, which names the program, a Fortran twin sends the same
// commands as the C++ program.
void FourierRun::expect_same_commands(const char* program) {
    for (const char* input : {"8\n1\n", "7\n0.37\n", "0\n1\n"}) {
        const Outcome cpp = run(FOURIER_PATH, input);
        const Outcome twin = run(program, input);
        ASSERT_EQ(cpp.status, 0);
        ASSERT_EQ(twin.status, 0) << program;
        EXPECT_EQ(twin.out, kPrompts) << program;
        std::vector<std::string> a, b;
        for (const auto& l : cpp.trace)
            if (l.field("cmd") != "K") a.push_back(l.text);
        for (const auto& l : twin.trace)
            if (l.field("cmd") != "K") b.push_back(l.text);
        EXPECT_EQ(a, b) << program << " " << input;
        EXPECT_GT(a.size(), 20u);
    }
}

#ifdef FORTRAN_PATH
TEST_F(FourierRun, TheFortranProgramSendsWhatTheCppProgramSends) {
    expect_same_commands(FORTRAN_PATH);
}
#endif

#ifdef FORTRAN90_PATH
// The free-form twin, through the module's interfaces.
TEST_F(FourierRun, TheModuleProgramSendsWhatTheCppProgramSends) {
    expect_same_commands(FORTRAN90_PATH);
}
#endif

}  // namespace
}  // namespace lumora::test
