// Reading the subsystem from PE headers: crafted files read through this system's own file
// calls, and the failures a real file system cannot be made to show, through the fake.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "client/windows/executable_inspection.h"
#include "launch_fixture.h"

namespace lumora::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The fake, except that files are real and read by the native backend.
class RealFilesPlatform : public platform::FakePlatform {
  public:
    platform::FileHandle open_file(const char* path) override {
        const platform::FileHandle file = native().open_file(path);
        if (file == platform::kNoFile) error = native().last_error();
        return file;
    }
    bool seek_file(platform::FileHandle file, std::int32_t offset) override {
        if (native().seek_file(file, offset)) return true;
        error = native().last_error();
        return false;
    }
    bool read_file(platform::FileHandle file, void* buffer, std::uint32_t count,
                   std::uint32_t& bytes_read) override {
        return native().read_file(file, buffer, count, bytes_read);
    }
    void close_file(platform::FileHandle file) override {
        ++closed;
        native().close_file(file);
    }
    int closed = 0;

  private:
    static platform::Platform& native() { return platform::native(); }
};

void put16(Bytes& image, std::size_t at, std::uint32_t value) {
    image[at] = static_cast<std::uint8_t>(value);
    image[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(Bytes& image, std::size_t at, std::uint32_t value) {
    put16(image, at, value & 0xFFFF);
    put16(image, at + 2, value >> 16);
}

// The smallest image the inspection accepts: DOS header, stub, signature at nt, file
// header and a 32-bit optional header with the subsystem.
Bytes pe_image(std::uint32_t subsystem, std::uint32_t nt = 0x80) {
    Bytes image(nt + 4 + 20 + 224, 0);
    image[0] = 'M';
    image[1] = 'Z';
    put32(image, 60, nt);
    image[nt] = 'P';
    image[nt + 1] = 'E';
    put16(image, nt + 4 + 20 + 68, subsystem);
    return image;
}

class InspectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_client_state();
        client_state().use_message_box = 0;
        platform::install(&platform_);
        path_ = (std::filesystem::temp_directory_path() /
                 ("lumora-pe-" + std::to_string(++counter_) + ".exe"))
                    .string();
    }
    void TearDown() override {
        platform::install(nullptr);
        reset_client_state();
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }

    void write(const Bytes& bytes) {
        std::ofstream out(path_, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    // The inspection's result, or the exit status plus 100 when it ended the program.
    int inspect(const std::string& path) {
        try {
            return is_gui_program(path.c_str());
        } catch (const platform::FakeExit& e) {
            return 100 + e.status;
        }
    }
    int inspect(const Bytes& bytes) {
        write(bytes);
        return inspect(path_);
    }
    std::string message() {
        const auto& lines = platform_.error_lines;
        return lines.size() == 1 ? lines[0] : "<" + std::to_string(lines.size()) + " messages>";
    }

    RealFilesPlatform platform_;
    std::string path_;
    static inline int counter_ = 0;
};

TEST_F(InspectionTest, OnlyTheGuiSubsystemCounts) {
    EXPECT_EQ(inspect(pe_image(2)), 1);
    EXPECT_EQ(inspect(pe_image(3)), 0);
    EXPECT_EQ(inspect(pe_image(9)), 0);
    EXPECT_EQ(inspect(pe_image(0x0102)), 0);  // the whole 16-bit field, not its low byte
    EXPECT_EQ(inspect(pe_image(2, 0x400)), 1);
    EXPECT_EQ(platform_.closed, 5);
    EXPECT_TRUE(platform_.error_lines.empty());
}

TEST_F(InspectionTest, AFileWithoutTheDosMagicIsNotUnderstood) {
    Bytes image = pe_image(2);
    image[1] = 'X';
    EXPECT_EQ(inspect(image), 101);
    EXPECT_EQ(message(), "Sorry, I do not understand the file " + path_ + ".");
    EXPECT_EQ(platform_.closed, 1);
}

TEST_F(InspectionTest, AShortFileFailsOnTheStub) {
    Bytes image = pe_image(2);
    image.resize(100);
    EXPECT_EQ(inspect(image), 101);
    EXPECT_EQ(message(), "Read the wrong number of bytes, expected 64, got 36.");
}

TEST_F(InspectionTest, AnNtOffsetPastTheEndReadsNothing) {
    Bytes image = pe_image(2);
    put32(image, 60, 5000);
    EXPECT_EQ(inspect(image), 101);
    EXPECT_EQ(message(), "Read the wrong number of bytes, expected 4, got 0.");
}

TEST_F(InspectionTest, AMissingSignatureIsAnUnknownFileType) {
    Bytes image = pe_image(2);
    put32(image, 60, 0x40);
    EXPECT_EQ(inspect(image), 101);
    EXPECT_EQ(message(), "Missing NT signature. Unknown file type.");
}

TEST_F(InspectionTest, ACutOptionalHeaderFails) {
    Bytes image = pe_image(2);
    image.resize(image.size() - 24);
    EXPECT_EQ(inspect(image), 101);
    EXPECT_EQ(message(), "Read the wrong number of bytes, expected 224, got 200.");
}

TEST_F(InspectionTest, ANegativeNtOffsetCannotBeReached) {
    Bytes image = pe_image(2);
    put32(image, 60, 0xFFFFFFF0);
    EXPECT_EQ(inspect(image), 101);
    EXPECT_EQ(message().rfind("SetFilePointer failed, error ", 0), 0u) << message();
    EXPECT_NE(message(), "SetFilePointer failed, error 0.");
}

TEST_F(InspectionTest, AMissingFileCannotBeOpened) {
    EXPECT_EQ(inspect(path_ + ".missing"), 101);
    EXPECT_EQ(message(), "Could not open " + path_ + ".missing [err=2].");
    EXPECT_EQ(platform_.closed, 0);
}

using ScriptedInspectionTest = LaunchTest;

TEST_F(ScriptedInspectionTest, AFailedReadIsReportedWithItsErrorAndTheFileClosed) {
    fake().files["prog"] = pe_image(2);
    fake().fail_read = true;
    EXPECT_EQ(exit_status_of([] { is_gui_program("prog"); }), 1);
    EXPECT_EQ(message(), "ReadFile failed [err=30].");
    EXPECT_EQ(fake().open_files, 0);
}

TEST_F(ScriptedInspectionTest, JapaneseTextsUnderCodePage932) {
    client_state().ansi_code_page = 932;
    fake().files["prog"] = Bytes(200, 0);
    EXPECT_EQ(exit_status_of([] { is_gui_program("prog"); }), 1);
    EXPECT_EQ(message(),
              "prog \x82\xcd\x94\xbb\x95\xca\x95s\x94\\\x82\xcc\x83t\x83@\x83"
              "C\x83\x8b\x82\xc5\x82\xb7");
}

TEST_F(ScriptedInspectionTest, MessagesAppearInABoxUntilTheProgramKindIsKnown) {
    client_state().use_message_box = 1;
    EXPECT_EQ(exit_status_of([] { is_gui_program("absent"); }), 1);
    ASSERT_EQ(fake().boxes.size(), 1u);
    EXPECT_EQ(fake().boxes[0].text, "Could not open absent [err=2].");
    EXPECT_EQ(fake().boxes[0].style, platform::kBoxError);
}

// Where executables carry no subsystem, nothing is read at all.
TEST_F(ScriptedInspectionTest, MessageBoxWantedOnlyForGuiPrograms) {
    fake().files["gui"] = pe_image(2);
    fake().files["console"] = pe_image(3);
    EXPECT_EQ(message_box_wanted("console"), 0);
    EXPECT_EQ(message_box_wanted("gui"), platform::kProgramsHaveSubsystem ? 1 : 0);
    EXPECT_EQ(fake().open_files, 0);
}

}  // namespace
}  // namespace lumora::test
