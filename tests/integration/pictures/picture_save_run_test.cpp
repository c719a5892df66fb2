// A program saves its window's picture where it asks (lu_save_picture), failed saves say
// why, and the pictures a headless window process writes at the quit are complete on disk
// the moment the program has exited, and never overwrite an earlier one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../support/child_process.h"
#include "../support/png_reader.h"

namespace lumora::test {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kRed = 0xFF0000, kWhite = 0xFFFFFF;

class PictureSaveRun : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir_ = temp_path("saves-" + name);
        fs::remove_all(dir_);
        ASSERT_TRUE(fs::create_directory(dir_));
        set_environment("LUMORA_NAMESPACE",
                        ("ps" + std::to_string(this_process_id()) + name).substr(0, 30).c_str());
        set_environment("LUMORA_HEADLESS", "1");
        set_environment("LUMORADIR", native_path(LUWND_DIR).c_str());
        set_environment("LUMORA_OUTPUT", dir_.c_str());
        set_environment("LUMORA_OUTPUT_FORMAT", nullptr);
        set_environment("LUMORA_TRACE", nullptr);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Runs the program in the test's directory; the result it printed for each name.
    std::map<std::string, int> run(const std::vector<std::string>& names) {
        ChildProcess child;
        ChildOptions options;
        options.argv = {native_path(SAVE_PICTURES_PATH), dir_};
        options.argv.insert(options.argv.end(), names.begin(), names.end());
        options.stdout_file = temp_path("saves-out");
        options.stderr_file = temp_path("saves-err");
        EXPECT_TRUE(child.start(options));
        EXPECT_EQ(child.wait(60000), 0);
        errors_ = read_text_file(options.stderr_file);
        std::istringstream lines(read_text_file(options.stdout_file));
        std::map<std::string, int> results;
        std::string name;
        int result = 0;
        while (lines >> name >> result) results[name] = result;
        return results;
    }
    std::string path(const std::string& name) const { return (fs::path(dir_) / name).string(); }

    // A PNG that ends with its IEND chunk and shows the red band on white.
    void expect_complete_picture(const std::string& name) {
        const std::string bytes = read_file(path(name));
        static const std::string kEnd("\0\0\0\0IEND\xAE\x42\x60\x82", 12);
        ASSERT_GE(bytes.size(), kEnd.size()) << name;
        EXPECT_EQ(bytes.substr(bytes.size() - kEnd.size()), kEnd) << name << " is cut short";
        PngImage image = read_png(path(name));
        ASSERT_TRUE(image.loaded()) << name;
        EXPECT_EQ(image.width, 640);
        EXPECT_EQ(image.height, 480);
        EXPECT_EQ(image.at(320, 240), kRed) << name;
        EXPECT_EQ(image.at(320, 100), kWhite) << name;
    }

    std::string dir_;
    std::string errors_;
};

TEST_F(PictureSaveRun, TheExtensionChoosesTheFormat) {
#ifdef _WIN32
    const std::vector<std::string> vectors = {"c.EMF"};
#else
    const std::vector<std::string> vectors = {"b.SVG", "c.pdf"};
#endif
    std::vector<std::string> names = {"a.png"};
    names.insert(names.end(), vectors.begin(), vectors.end());
    std::map<std::string, int> results = run(names);
    for (const std::string& name : names) EXPECT_EQ(results[name], 1) << name << errors_;
    expect_complete_picture("a.png");
    for (const std::string& name : vectors) {
        const std::string bytes = read_file(path(name));
        ASSERT_GT(bytes.size(), 100u) << name;
        if (name == "b.SVG") {
            EXPECT_NE(bytes.find("<svg"), std::string::npos);
        }
        if (name == "c.pdf") {
            EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
            EXPECT_NE(bytes.rfind("%%EOF"), std::string::npos);
        }
        if (name == "c.EMF") {
            EXPECT_EQ(bytes.substr(40, 4), " EMF");
        }
    }
    // The quit picture keeps its name beside the saves.
    expect_complete_picture("luwnd-1-1.png");
}

TEST_F(PictureSaveRun, AFailedSaveAnswersZeroAndSaysWhy) {
    std::vector<std::string> names = {"missing/a.png", "a.bmp", "noextension"};
#ifdef _WIN32
    names.push_back("a.svg");  // no SVG writer here
#else
    // A link is never written through: what it leads to stays as it was.
    { std::ofstream(path("own.txt")) << "the user's own file"; }
    fs::create_symlink(path("own.txt"), path("link.png"));
    names.push_back("link.png");
#endif
    std::map<std::string, int> results = run(names);
    for (const std::string& name : names) {
        ASSERT_EQ(results.count(name), 1u) << name;
        EXPECT_EQ(results[name], 0) << name;
    }
    EXPECT_NE(errors_.find("Picture not saved: the folder"), std::string::npos) << errors_;
    EXPECT_NE(errors_.find("does not end in a picture format"), std::string::npos) << errors_;
    EXPECT_FALSE(fs::exists(path("a.bmp")));
#ifndef _WIN32
    EXPECT_NE(errors_.find("Picture not saved: \"link.png\" is a symbolic link"), std::string::npos)
        << errors_;
    EXPECT_TRUE(read_file(path("own.txt")) == "the user's own file") << "written through the link";
    EXPECT_TRUE(fs::is_symlink(path("link.png")));
#endif
}

TEST_F(PictureSaveRun, TheQuitPictureIsCompleteAtExitAndTheNextRunDoesNotOverwriteIt) {
    run({});
    // No waiting: the program has exited, so its picture is there in full.
    expect_complete_picture("luwnd-1-1.png");
    const auto first_size = fs::file_size(path("luwnd-1-1.png"));
    fs::resize_file(path("luwnd-1-1.png"), first_size + 7);  // marks the first picture
    run({});
    EXPECT_EQ(fs::file_size(path("luwnd-1-1.png")), first_size + 7);
    expect_complete_picture("luwnd-1-1-1.png");
    run({});
    expect_complete_picture("luwnd-1-1-2.png");
}

// A program keeps the folder clean with lu_send_command_b34(0), a user with
// LUMORA_OUTPUT_FORMAT=none; a window that asks for a picture at the end still gets one.
TEST_F(PictureSaveRun, NoPictureAtTheEndWhenTheProgramOrTheUserSaysNone) {
    EXPECT_EQ(run({"end:0"}).at("end:0"), 1);
    EXPECT_EQ(pictures_in(dir_), 0);
    EXPECT_TRUE(fs::is_empty(dir_));
    set_environment("LUMORA_OUTPUT_FORMAT", "none");
    run({});
    EXPECT_TRUE(fs::is_empty(dir_)) << errors_;
    EXPECT_EQ(errors_.find("LUMORA_OUTPUT_FORMAT"), std::string::npos) << errors_;
    EXPECT_EQ(run({"end:1"}).at("end:1"), 1);
    expect_complete_picture("luwnd-1-1.png");
}

// Each channel within two levels of the expected one.
void expect_near(std::uint32_t rgb, std::uint32_t expected, const char* where) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int got = static_cast<int>((rgb >> shift) & 0xFF);
        const int want = static_cast<int>((expected >> shift) & 0xFF);
        EXPECT_LE(std::abs(got - want), 2) << where << std::hex << ": " << rgb;
    }
}

// A trace without its connect line, which names the program's process.
std::string trace_without_connect(const std::string& path) {
    std::istringstream lines(read_file(path));
    std::string kept, line;
    while (std::getline(lines, line))
        if (line.rfind("cmd=K ", 0) != 0) kept += line + "\n";
    return kept;
}

// The blue square covers device x 48 .. 144, y 144 .. 264; the band y 230 .. 249.
TEST_F(PictureSaveRun, AHalfTransparentSquareShowsWhatLiesUnderIt) {
    set_environment("LUMORA_TRACE", path("half.trace").c_str());
    EXPECT_EQ(run({"alpha:0.5", "a.png"}).at("alpha:0.5"), 1) << errors_;
    // (Whatever line ends the system writes.)
    const std::string half = read_file(path("half.trace"));
    const std::size_t set = half.find("cmd=B win=1 p1=44 p2=128 p3=0 ret=1");
    ASSERT_NE(set, std::string::npos) << half;
    EXPECT_TRUE(half[set + 35] == '\n' || half[set + 35] == '\r') << half.substr(set, 40);
    const PngImage image = read_png(path("a.png"));
    ASSERT_TRUE(image.loaded());
    expect_near(image.at(96, 240), 0x7F0080, "over the red band");
    expect_near(image.at(96, 200), 0x7F7FFF, "over the white page");
    EXPECT_EQ(image.at(320, 240), kRed);
}

// A program that makes everything opaque sends and draws what one that never asks does;
// opacities beyond 0 ... 1 are refused with a message.
TEST_F(PictureSaveRun, AnOpaqueAlphaChangesNeitherThePictureNorTheTrace) {
    set_environment("LUMORA_TRACE", path("plain.trace").c_str());
    run({"box"});
    set_environment("LUMORA_TRACE", path("opaque.trace").c_str());
    EXPECT_EQ(run({"alpha:1"}).at("alpha:1"), 1) << errors_;
    const std::string plain = trace_without_connect(path("plain.trace"));
    EXPECT_NE(plain.find("cmd=A win=1 p1=22"), std::string::npos);
    EXPECT_EQ(trace_without_connect(path("opaque.trace")), plain);
    EXPECT_EQ(read_file(path("luwnd-1-1-1.png")), read_file(path("luwnd-1-1.png")));
    set_environment("LUMORA_TRACE", nullptr);
    std::map<std::string, int> refused = run({"alpha:1.5", "alpha:-0.25", "alpha:nan"});
    for (const auto& [name, result] : refused) EXPECT_EQ(result, 0) << name;
    EXPECT_NE(errors_.find("lu_set_alpha: the opacity 1.5 is not within 0 ... 1"),
              std::string::npos)
        << errors_;
    EXPECT_NE(errors_.find("the opacity -0.25 is not"), std::string::npos) << errors_;
    EXPECT_NE(errors_.find("the opacity NaN is not"), std::string::npos) << errors_;
}

TEST_F(PictureSaveRun, AMissingOutputFolderOrUnknownFormatWritesPngHere) {
    set_environment("LUMORA_OUTPUT", path("missing").c_str());
    run({});
    expect_complete_picture("luwnd-1-1.png");
#ifndef _WIN32
    EXPECT_NE(errors_.find("LUMORA_OUTPUT="), std::string::npos) << errors_;
#endif
    fs::remove(path("luwnd-1-1.png"));
    ASSERT_TRUE(fs::create_directory(path("other")));
    set_environment("LUMORA_OUTPUT", path("other").c_str());
    set_environment("LUMORA_OUTPUT_FORMAT", "bmp");
    run({});
    expect_complete_picture("luwnd-1-1.png");
    EXPECT_TRUE(fs::is_empty(path("other")));
#ifndef _WIN32
    EXPECT_NE(errors_.find("LUMORA_OUTPUT_FORMAT=bmp"), std::string::npos) << errors_;
#endif
}

}  // namespace
}  // namespace lumora::test
