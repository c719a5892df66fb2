// The picture files a window process makes (at the end, on a save from the screen, and at
// the program's request) never carry their bytes onto another file through a symbolic
// link, whether it was there when the name was chosen or put there afterwards, and a write
// that fails leaves no file behind and says so on the error stream.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "server/host/posix/picture_files.h"
#include "server/host/posix/picture_new_file.h"
#include "server/host/posix/picture_output.h"
#include "server/host/posix/saved_pictures.h"
#include "server/render/cairo/picture_file.h"
#include "tests/unit/server/core_fixture.h"

namespace luwnd::test {
namespace {

namespace fs = std::filesystem;
using render::PictureFormat;

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
               ("picture_files_" + std::to_string(getpid()) + "_" + name);
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
    std::string victim() const { return at("private/secret.txt"); }
    void plant_link(const std::string& name) const { fs::create_symlink(victim(), at(name)); }
    void expect_untouched() const {
        EXPECT_TRUE(read_file(victim()) == kSecret) << "the user's own file was written";
    }
    void expect_png(const std::string& name) const {
        EXPECT_FALSE(fs::is_symlink(at(name))) << name;
        EXPECT_TRUE(read_file(at(name)).starts_with("\x89PNG")) << name << " is no PNG";
    }
    const render::Picture& picture() const { return pictures_.open().at(1); }
    render::OutputTarget target(PictureFormat format = PictureFormat::kPng) const {
        return {dir_.string(), format};
    }
    // 'B' 50 for window 1: its answer; the reason is left in the text area.
    int save_named(const std::string& path) {
        put_text(1, path);
        return slot('B', 1, 50);
    }
    std::string text_area() {
        return std::string(reinterpret_cast<const char*>(window_block(1) + layout::kText));
    }
    // The names in the folder besides the victim's.
    std::vector<std::string> left_files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            if (entry.path().filename() != "private") names.push_back(entry.path().filename());
        return names;
    }

    fs::path dir_;
    render::WindowPictures pictures_;
    posix::PictureFiles files_{pictures_};
};

TEST_F(PictureFilesTest, NewNamesPassOverLinksThatAreThere) {
    plant_link("luwnd-1-1.png");
    fs::create_symlink(at("private/absent.png"), at("luwnd-1-1-1.png"));  // dangling
    posix::PictureOutput output(*core_, pictures_, target(), true);
    output.write_open();
    expect_png("luwnd-1-1-2.png");
    std::string error;
    EXPECT_EQ(posix::SavedPictures(dir_.string(), 1).save(picture(), 1, PictureFormat::kPng, error),
              at("luwnd-1-1-3.png"))
        << error;
    expect_png("luwnd-1-1-3.png");
    expect_untouched();
    EXPECT_FALSE(fs::exists(at("private/absent.png")));
    EXPECT_TRUE(fs::is_symlink(at("luwnd-1-1.png")));
}

TEST_F(PictureFilesTest, ALinkPutAtTheChosenNameAfterTheChoiceIsNeverWrittenThrough) {
    // Someone who can write to the folder too swaps a link in as soon as the name is
    // chosen, while the picture is still to be painted and written.
    for (const char* name : {"luwnd-1-1.png", "luwnd-1-1-1.png"}) {
        std::string error;
        const std::string path = posix::write_new_file(
            [&](const render::PathExists& taken) {
                std::string chosen = render::free_picture_path(target(), 1, 1, taken);
                std::error_code refused;  // the name is someone else's file by now
                fs::create_symlink(victim(), chosen, refused);
                return chosen;
            },
            [&](std::FILE* file, std::string& reason) {
                return render::write_picture(picture(), file, PictureFormat::kPng, reason);
            },
            error);
        EXPECT_EQ(path, at(name)) << error;
        expect_png(name);
        expect_untouched();
    }
}

TEST_F(PictureFilesTest, ASaveToANamedFileReplacesAFileButNeverWritesThroughALink) {
    plant_link("link.png");
    EXPECT_EQ(save_named(at("link.png")), 0);
    EXPECT_NE(text_area().find("symbolic link"), std::string::npos) << text_area();
    expect_untouched();
    EXPECT_TRUE(fs::is_symlink(at("link.png")));

    std::ofstream(at("earlier.png")) << "an earlier picture";
    EXPECT_EQ(save_named(at("earlier.png")), 1) << text_area();
    expect_png("earlier.png");

    // A link put at the name while the picture is written is replaced, not followed.
    std::string error;
    EXPECT_TRUE(posix::replace_file(
        at("swapped.png"),
        [&](std::FILE* file, std::string& reason) {
            fs::create_symlink(victim(), at("swapped.png"));
            return render::write_picture(picture(), file, PictureFormat::kPng, reason);
        },
        error))
        << error;
    expect_png("swapped.png");
    expect_untouched();
    std::vector<std::string> names = left_files();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"earlier.png", "link.png", "swapped.png"}));
}

// Runs the writes in a child process whose files cannot grow past a few bytes, as on a
// full disk (writes fail with EFBIG); what it wrote to its error stream.
std::string with_small_files(const std::function<void()>& writes) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(pipe_ends[0]);
        dup2(pipe_ends[1], STDERR_FILENO);
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 200;
        setrlimit(RLIMIT_FSIZE, &limit);
        writes();
        std::fflush(stderr);
        _exit(0);
    }
    close(pipe_ends[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = read(pipe_ends[0], buffer, sizeof buffer)) > 0;) output.append(buffer, n);
    close(pipe_ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    return output;
}

TEST_F(PictureFilesTest, AWriteThatFailsLeavesNoFileAndSaysWhy) {
    std::ofstream(at("earlier.png")) << "an earlier picture";
    const std::string errors = with_small_files([&] {
        posix::PictureOutput(*core_, pictures_, target(), true).write_open();
        for (PictureFormat format :
             {PictureFormat::kPng, PictureFormat::kSvg, PictureFormat::kPdf}) {
            std::string error;
            posix::SavedPictures(dir_.string(), 1).save(picture(), 1, format, error);
            std::fprintf(stderr, "save: %s\n", error.c_str());
        }
        save_named(at("named.pdf"));
        save_named(at("earlier.png"));
        std::fprintf(stderr, "named: %s\n", text_area().c_str());
    });
    const std::string too_large = std::strerror(EFBIG);
    const std::string removed = too_large + "; the unfinished file is removed";
    EXPECT_NE(errors.find("luwnd: the picture of window 1 is not written: cannot write \"" +
                          at("luwnd-1-1.png") + "\": " + removed + "\n"),
              std::string::npos)
        << errors;
    for (const char* name : {"luwnd-1-1-1.png", "luwnd-1-1-1.svg", "luwnd-1-1-1.pdf"}) {
        EXPECT_NE(errors.find("save: cannot write \"" + at(name) + "\": " + removed),
                  std::string::npos)
            << name << "\n"
            << errors;
    }
    EXPECT_NE(errors.find("named: cannot write \"" + at("earlier.png") + "\": " + too_large),
              std::string::npos)
        << errors;
    // Nothing cut short is left, and the earlier file of a name the program gave is kept.
    EXPECT_EQ(left_files(), std::vector<std::string>{"earlier.png"});
    EXPECT_EQ(read_file(at("earlier.png")), "an earlier picture");
}

}  // namespace
}  // namespace luwnd::test
