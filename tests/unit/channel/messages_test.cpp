// Where messages appear, when they detach, and the Japanese texts of the catalogue.
#include <string>
#include <vector>

#include "channel_fixture.h"
#include "client/channel/messages.h"
#include "client/channel/version_checks.h"
#include "client/platform/platform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace lumora::test {
namespace {

using MessagesTest = ChannelTest;

TEST_F(MessagesTest, ConsoleWarningLeavesWindowsOpenErrorDetaches) {
    connect();
    open(2);
    open(3);
    report_message(kLevelWarning, "careful %d", 1);
    EXPECT_EQ(fake().error_lines, std::vector<std::string>{"careful 1"});
    EXPECT_EQ(block_table().open_count, 2);
    report_message(kLevelError, "broken");
    EXPECT_EQ(block_table().open_count, 0);
    EXPECT_EQ(block_table().window_handle, 0);
    EXPECT_TRUE(fake().boxes.empty());
}

TEST_F(MessagesTest, ErrorBoxShowsOkAndNeverDetaches) {
    connect();
    open(2);
    client_state().use_message_box = 1;
    fake().box_answers = {platform::kAnswerAbort};
    report_message(kLevelError, "bad");
    ASSERT_EQ(fake().boxes.size(), 1u);
    EXPECT_EQ(fake().boxes[0].style, 0x40010u);
    EXPECT_EQ(block_table().open_count, 1);
    EXPECT_TRUE(fake().error_lines.empty());
}

TEST_F(MessagesTest, WarningBoxDetachesOnlyOnAbortWithWindowsOpen) {
    connect();
    open(2);
    client_state().use_message_box = 1;
    fake().box_answers = {4 /* retry */, 5 /* ignore */, 0 /* box failed */};
    for (int i = 0; i < 3; ++i) report_message(kLevelWarning, "w");
    EXPECT_EQ(block_table().open_count, 1);
    EXPECT_EQ(fake().boxes.at(0).style, 0x40012u);
    fake().box_answers = {platform::kAnswerAbort};
    report_message(kLevelWarning, "w");
    EXPECT_EQ(block_table().open_count, 0);
    // With nothing open, Abort does nothing more: the connection stays.
    reset_client_state();
    client_state().use_message_box = 1;
    fake().host().destroy_block("LuWnd1");
    connect();
    fake().box_answers = {platform::kAnswerAbort};
    report_message(kLevelWarning, "w");
    EXPECT_NE(block_table().window_handle, 0);
}

TEST_F(MessagesTest, DetachInAConsoleProgramWithAQuotedCommandLineWaitsForEnter) {
    connect();
    open(2);
    client_state().quoted_command_line = 1;
    fake().input = "\n";
    report_message(kLevelError, "x");
    EXPECT_EQ(fake().output, "> ");
    // detach sends no 'L'
    for (const auto& d : fake().deliveries) EXPECT_NE(d.bytes.at(0), 'L');
}

TEST_F(MessagesTest, LongTextIsCutTo263Characters) {
    const std::string text(1000, 'm');
    report_message(kLevelWarning, "%s", text.c_str());
    EXPECT_EQ(fake().error_lines.at(0).size(), 263u);
}

TEST_F(MessagesTest, JapaneseTextUnderCodePage932) {
    connect();
    open(2);
    client_state().ansi_code_page = 932;
    fake().dead.insert(block_table().window_handle);
    exit_status_of([] { deliver_command(3); });
    EXPECT_EQ(fake().error_lines.at(0), message_texts(MessageId::WindowClosed).japanese);
    EXPECT_STREQ(message_text(MessageId::WindowClosed, 1252), "The window was closed.");
    EXPECT_STREQ(message_text(MessageId::BufferOverflow, 932), "Internal buffer overflow[%s]");
}

// Decodes Shift-JIS bytes to UTF-8 with the system's own converter.
std::string from_shift_jis(const char* text) {
#ifdef _WIN32
    int wide_size = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (wide_size <= 0) return "<invalid>";
    std::wstring wide(static_cast<std::size_t>(wide_size), L'\0');
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, -1, wide.data(), wide_size);
    int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, out.data(), size, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
#else
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return "<no converter>";
    std::string in(text);
    std::string out(in.size() * 4 + 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    std::size_t src_left = in.size();
    std::size_t dst_left = out.size();
    const std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1)) return "<invalid>";
    out.resize(out.size() - dst_left);
    return out;
#endif
}

struct Wording {
    MessageId id;
    const char* utf8;
};

// The Japanese wordings as they are meant to read (UTF-8 source text).
const Wording kWordings[] = {
    {MessageId::GetPathFailed, "環境変数 PATH の取得に失敗しました"},
    {MessageId::NotOnSearchPath, "ファイル %s が見つかりません"},
    {MessageId::UnmapFailed, "UnmapViewOfFile に失敗しました [err=%d]"},
    {MessageId::CommunicationFailed, "グラフィクス・ウィンドウとの通信に失敗しました"},
    {MessageId::EndedAbnormally, "異常終了"},
    {MessageId::BufferOverflow, "Internal buffer overflow[%s]"},
    {MessageId::LaunchFailed,
     "%s の起動に失敗しました．\n%s のプロセスの残骸が残っている可能性があります"},
    {MessageId::WindowClosed, "ウィンドウが閉じられました"},
    {MessageId::ProgramOlderFields, "ライブラリ [%s] より古い %s が使われています"},
    {MessageId::LibraryOlder, "%s [%s] より古いライブラリ [%s] が使われています"},
    {MessageId::ProgramOlder, "ライブラリ [%s] より古い %s [%s] が使われています"},
    {MessageId::IncompatibleVersion, "ライブラリのバージョンが不正です"},
    {MessageId::NotSupported, "対応していないシステムです（理由コード = %d）。"},
    {MessageId::CannotExecute, "%s が見つかりません"},
    {MessageId::InitializeFailed, "グラフィクス・ウィンドウの初期化に失敗しました"},
    {MessageId::OpenFailed, "グラフィクス・ウィンドウのオープンに失敗しました"},
    {MessageId::OpenWindowFailed, "ウィンドウ # %d のオープンに失敗しました"},
    {MessageId::JoinFailed, "'ジョイン'に失敗しました [ %s ]"},
    {MessageId::NoWindowFound, "指定されたウィンドウがみつかりません"},
    {MessageId::JoinQuestion, "[ %d:%d %s ] に追加して描画（ジョイン）を行いますか？"},
    {MessageId::CouldNotOpen, "ファイル %s のオープンに失敗しました [err=%lu]"},
    {MessageId::NotUnderstood, "%s は判別不能のファイルです"},
    {MessageId::SetFilePointerFailed, "SetFilePointer failed, error %lu."},
    {MessageId::MissingSignature, "Missing NT signature. Unknown file type."},
    {MessageId::ReadFileFailed, "ファイルの読み込みに失敗しました [err=%lu]"},
    {MessageId::WrongByteCount, "Read the wrong number of bytes, expected %lu, got %lu."},
};

TEST(MessageCatalogue, EveryJapaneseTextDecodesToItsWording) {
    for (const Wording& w : kWordings) {
        const MessageText& texts = message_texts(w.id);
        const char* stored = texts.japanese != nullptr ? texts.japanese : texts.english;
        EXPECT_EQ(from_shift_jis(stored), w.utf8) << texts.english;
    }
    EXPECT_EQ(std::size(kWordings), static_cast<std::size_t>(MessageId::Count));
}

}  // namespace
}  // namespace lumora::test
