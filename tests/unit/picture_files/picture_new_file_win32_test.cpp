// The picture files a window process makes on Windows (at the end, and at the program's
// request) never carry their bytes onto another file through a second name of it (a hard
// link, which anyone who can write to the folder can make), whether it was there when the
// name was chosen or put there afterwards, and a write that fails leaves no file behind.
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "server/host/win32/picture_files.h"
#include "server/host/win32/picture_new_file.h"
#include "server/host/win32/picture_output.h"
#include "tests/unit/server/core_fixture.h"

namespace luwnd::test {
namespace {

namespace fs = std::filesystem;

const std::string kSecret = "the user's own file\n";

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class PictureFilesTest : public CoreFixture {
  protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir_ = fs::path(::testing::TempDir()) /
               ("picture_files_" + std::to_string(GetCurrentProcessId()) + "_" + name);
        fs::remove_all(dir_);
        ASSERT_TRUE(fs::create_directories(dir_ / "private"));
        std::ofstream(victim(), std::ios::binary) << kSecret;
        picture_saver_ = &files_;
        CoreFixture::SetUp();
        ASSERT_EQ(open(), 1);
        pictures_.after_command(*core_);
        ASSERT_EQ(pictures_.open().count(1), 1u);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    std::string at(const std::string& name) const { return (dir_ / name).string(); }
    // The path the picture names are made of.
    std::string named(const std::string& name) const { return dir_.string() + "/" + name; }
    std::string victim() const { return at("private\\secret.txt"); }
    bool plant_link(const std::string& path) const {
        return CreateHardLinkA(path.c_str(), victim().c_str(), nullptr) != 0;
    }
    void expect_untouched() const {
        EXPECT_TRUE(read_file(victim()) == kSecret) << "the user's own file was written";
    }
    void expect_png(const std::string& name) const {
        EXPECT_TRUE(read_file(at(name)).starts_with("\x89PNG")) << name << " is no PNG";
    }
    // 'B' 50 for window 1: its answer; the reason is left in the text area.
    int save_named(const std::string& path) {
        put_text(1, path);
        return slot('B', 1, 50);
    }
    std::string text_area() {
        return std::string(reinterpret_cast<const char*>(window_block(1) + layout::kText));
    }
    // The names in the folder besides the victim's, in order.
    std::vector<std::string> left_files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            if (entry.path().filename() != "private")
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
    render::WindowPictures pictures_;
    win32::PictureFiles files_{pictures_};
};

TEST_F(PictureFilesTest, NewNamesPassOverWhatIsThere) {
    ASSERT_TRUE(plant_link(at("luwnd-1-1.png")));
    win32::PictureOutput output(*core_, pictures_, {dir_.string(), render::PictureFormat::kPng},
                                true);
    output.write_open();
    expect_png("luwnd-1-1-1.png");
    expect_untouched();
}

TEST_F(PictureFilesTest, ALinkPutAtTheChosenNameAfterTheChoiceIsNeverWrittenThrough) {
    // Someone who can write to the folder too links the name to another file as soon as
    // it is chosen, before the picture is written.
    const std::vector<std::uint8_t> bytes = {'p', 'i', 'c', 't', 'u', 'r', 'e'};
    for (const char* name : {"luwnd-1-1.png", "luwnd-1-1-1.png"}) {
        std::string error;
        const std::string path = win32::write_new_file(
            [&](const render::PathExists& taken) {
                std::string chosen = render::free_picture_path({dir_.string()}, 1, 1, taken);
                plant_link(chosen);  // refused: the name is taken by now
                return chosen;
            },
            win32::bytes_content(bytes), error);
        EXPECT_EQ(path, named(name)) << error;
        EXPECT_EQ(read_file(at(name)), "picture");
        expect_untouched();
    }
}

TEST_F(PictureFilesTest, ASaveToANamedFileReplacesTheNameNeverTheFileItLeadsTo) {
    ASSERT_TRUE(plant_link(at("link.png")));
    EXPECT_EQ(save_named(at("link.png")), 1) << text_area();
    expect_png("link.png");
    expect_untouched();
    std::ofstream(at("earlier.png")) << "an earlier picture";
    EXPECT_EQ(save_named(at("earlier.png")), 1) << text_area();
    expect_png("earlier.png");
    EXPECT_EQ(left_files(), (std::vector<std::string>{"earlier.png", "link.png"}));
}

TEST_F(PictureFilesTest, AWriteThatFailsLeavesNoFileAndSaysWhy) {
    // Content that stops part of the way, as on a full disk.
    const win32::FileContent cut_short = [](HANDLE file, std::string& error) {
        DWORD written = 0;
        WriteFile(file, "\x89PNG", 4, &written, nullptr);
        error = "the disk is full";
        return false;
    };
    std::string error;
    EXPECT_EQ(win32::write_new_file(
                  [&](const render::PathExists& taken) {
                      return render::free_picture_path({dir_.string()}, 1, 1, taken);
                  },
                  cut_short, error),
              "");
    EXPECT_EQ(error, "cannot write \"" + named("luwnd-1-1.png") +
                         "\": the disk is full; the unfinished file is removed");
    std::ofstream(at("earlier.png")) << "an earlier picture";
    EXPECT_FALSE(win32::replace_file(at("earlier.png"), cut_short, error));
    EXPECT_EQ(error, "cannot write \"" + at("earlier.png") + "\": the disk is full");
    EXPECT_EQ(read_file(at("earlier.png")), "an earlier picture");
    EXPECT_EQ(left_files(), std::vector<std::string>{"earlier.png"});
}

}  // namespace
}  // namespace luwnd::test
