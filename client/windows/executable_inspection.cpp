#include "executable_inspection.h"

#include "client/channel/messages.h"
#include "client/platform/conventions.h"

namespace lumora {

namespace {

// Sizes and fields of the PE/COFF headers that are read.
constexpr std::uint32_t kDosHeaderSize = 64;
constexpr std::uint32_t kDosStubStart = 64;
constexpr std::uint32_t kNtOffsetField = 60;
constexpr std::uint32_t kSignatureSize = 4;
constexpr std::uint32_t kFileHeaderSize = 20;
constexpr std::uint32_t kOptionalHeaderSize = 224;
constexpr std::uint32_t kSubsystemField = 68;
constexpr std::uint32_t kDosMagic = 0x5A4D;     // "MZ"
constexpr std::uint32_t kNtSignature = 0x4550;  // "PE" and two NULs
constexpr std::uint32_t kGuiSubsystem = 2;

std::uint32_t little_endian(const std::uint8_t* at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | at[i];
    return value;
}

// Closes the file however the inspection ends, a test's caught exit included.
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(platform::FileHandle handle) : handle_(handle) {}
    ~ReadOnlyFile() { platform::current().close_file(handle_); }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    platform::FileHandle handle() const { return handle_; }

  private:
    platform::FileHandle handle_;
};

[[noreturn]] void fail_with(const char* text) {
    report_message(kLevelError, "%s", text);
    end_program(1);
}

unsigned long last_error() {
    return platform::current().last_error();
}

}  // namespace

void read_exact(platform::FileHandle file, void* buffer, std::uint32_t count) {
    std::uint32_t got = 0;
    if (!platform::current().read_file(file, buffer, count, got)) {
        report_message(kLevelError, localized(MessageId::ReadFileFailed), last_error());
        end_program(1);
    }
    if (got != count) {
        report_message(kLevelError, localized(MessageId::WrongByteCount),
                       static_cast<unsigned long>(count), static_cast<unsigned long>(got));
        end_program(1);
    }
}

int is_gui_program(const char* path) {
    platform::Platform& os = platform::current();
    const platform::FileHandle handle = os.open_file(path);
    if (handle == platform::kNoFile) {
        report_message(kLevelError, localized(MessageId::CouldNotOpen), path, last_error());
        end_program(1);
    }
    ReadOnlyFile file(handle);
    std::uint8_t dos[kDosHeaderSize];
    read_exact(file.handle(), dos, kDosHeaderSize);
    if (little_endian(dos, 2) != kDosMagic) {
        report_message(kLevelError, localized(MessageId::NotUnderstood), path);
        end_program(1);
    }
    std::uint8_t stub[kDosStubStart];
    read_exact(file.handle(), stub, sizeof stub);
    const auto nt_offset = static_cast<std::int32_t>(little_endian(dos + kNtOffsetField, 4));
    if (!os.seek_file(file.handle(), nt_offset)) {
        report_message(kLevelError, localized(MessageId::SetFilePointerFailed), last_error());
        end_program(1);
    }
    std::uint8_t signature[kSignatureSize];
    read_exact(file.handle(), signature, kSignatureSize);
    if (little_endian(signature, 4) != kNtSignature)
        fail_with(localized(MessageId::MissingSignature));
    std::uint8_t file_header[kFileHeaderSize];
    read_exact(file.handle(), file_header, kFileHeaderSize);
    std::uint8_t optional_header[kOptionalHeaderSize];
    read_exact(file.handle(), optional_header, kOptionalHeaderSize);
    return little_endian(optional_header + kSubsystemField, 2) == kGuiSubsystem ? 1 : 0;
}

int message_box_wanted(const char* program_file_name) {
    if (!platform::kProgramsHaveSubsystem) return 0;
    return is_gui_program(program_file_name);
}

}  // namespace lumora
