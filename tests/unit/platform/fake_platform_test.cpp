// The fake backend: installation, the in-process core behind it, and its records and
// scripts, which the client's unit tests rely on.
#include "client/platform/fake/fake_platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace lumora::platform {
namespace {

std::string text_at(const MappedView& view) {
    return std::string(reinterpret_cast<const char*>(view.data),
                       strnlen(reinterpret_cast<const char*>(view.data), view.size));
}

std::vector<std::uint8_t> probe(char digit, std::uint32_t value) {
    std::vector<std::uint8_t> bytes = {'O', ',', static_cast<std::uint8_t>(digit), 0};
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return bytes;
}

TEST(FakePlatformScope, InstallsTheFakeAndRestoresTheNativeBackend) {
    Platform* before = &current();
    EXPECT_EQ(before, &native());
    {
        FakePlatformScope scope;
        EXPECT_EQ(&current(), &scope.fake);
    }
    EXPECT_EQ(&current(), &native());
}

TEST(FakePlatformServer, PublishesTheIdleHeaderInTheFirstProcessBlock) {
    FakePlatformScope scope;
    luwnd::CoreConfig config;
    config.connection_id = 7;
    EXPECT_EQ(scope.fake.start_server(config), 1);
    const MappedView view = current().open_block("LuWnd1");
    ASSERT_NE(view.data, nullptr);
    EXPECT_EQ(text_at(view).rfind("0,19543,7,0,9,9,9a", 0), 0u) << text_at(view);
    EXPECT_TRUE(current().is_window_alive(FakePlatform::kServerHandle));
    EXPECT_FALSE(current().is_window_alive(FakePlatform::kServerHandle + 1));
}

TEST(FakePlatformServer, HandsCommandsToTheCoreAndRecordsTheExactBytes) {
    FakePlatformScope scope;
    luwnd::CoreConfig config;
    config.connection_id = 9;
    scope.fake.start_server(config);
    const auto bytes = probe('0', 2304);
    EXPECT_EQ(current().deliver_message(FakePlatform::kServerHandle, 1, bytes.data(), 8).result,
              224);
    const char handshake[] = "K,9,/tmp;prog;Version  0.99.9a";
    EXPECT_EQ(current()
                  .deliver_message(FakePlatform::kServerHandle, 1, handshake, sizeof handshake)
                  .result,
              9);
    ASSERT_EQ(scope.fake.deliveries.size(), 2u);
    const Delivery& first = scope.fake.deliveries[0];
    EXPECT_EQ(first.tag, 1u);
    EXPECT_EQ(first.length, 8u);
    EXPECT_EQ(first.bytes, bytes);
    EXPECT_EQ(first.result, 224);
    EXPECT_EQ(scope.fake.deliveries[1].bytes.size(), sizeof handshake);
}

TEST(FakePlatformServer, ScriptedResultsComeFirstThenTheCoreAnswersAgain) {
    FakePlatformScope scope;
    scope.fake.start_server();
    scope.fake.results = {INT32_MIN + 1, INT32_MIN};
    const auto bytes = probe('0', 2304);
    const auto handle = FakePlatform::kServerHandle;
    const Reply first = current().deliver_message(handle, 1, bytes.data(), 8);
    EXPECT_EQ(first.result, INT32_MIN + 1);
    EXPECT_TRUE(first.answered);
    const Reply second = current().deliver_message(handle, 1, bytes.data(), 8);
    EXPECT_EQ(second.result, INT32_MIN);
    EXPECT_TRUE(second.answered);
    EXPECT_EQ(current().deliver_message(handle, 1, bytes.data(), 8).result, 224);
    EXPECT_EQ(scope.fake.deliveries.size(), 3u);
}

TEST(FakePlatformServer, CommandsToOtherHandlesOrWithoutServerGetNoAnswer) {
    FakePlatformScope scope;
    const char command[] = "B#";
    const Reply none = current().deliver_message(FakePlatform::kServerHandle, 1, command, 3);
    EXPECT_FALSE(none.answered);
    EXPECT_EQ(none.result, 0);
    scope.fake.start_server();
    EXPECT_FALSE(current().deliver_message(42, 1, command, 3).answered);
}

// A window process that a test ends while it has the command answers nothing, unless the
// test scripted the answer it gave before it went.
TEST(FakePlatformServer, AServerEndedDuringACommandAnswersOnlyWhatWasScripted) {
    FakePlatformScope scope;
    scope.fake.start_server();
    scope.fake.on_deliver = [&](const Delivery&) {
        scope.fake.dead.insert(FakePlatform::kServerHandle);
    };
    const char command[] = "L,1,";
    EXPECT_FALSE(current().deliver_message(FakePlatform::kServerHandle, 1, command, 5).answered);
    scope.fake.results = {INT32_MIN};
    const Reply scripted = current().deliver_message(FakePlatform::kServerHandle, 1, command, 5);
    EXPECT_TRUE(scripted.answered);
    EXPECT_EQ(scripted.result, INT32_MIN);
}

TEST(FakePlatformBlocks, TestsPublishTheirOwnBlocksAndSeeParamSnapshots) {
    FakePlatformScope scope;
    scope.fake.start_server();
    std::uint8_t* header = scope.fake.host().create_block("LuWnd2", 64);
    std::strcpy(reinterpret_cast<char*>(header), "1,77,3,1,0,0,0");
    EXPECT_EQ(text_at(current().open_block("LuWnd2")), "1,77,3,1,0,0,0");

    std::uint8_t* window = scope.fake.host().create_block("LuWnd1:3", 2304);
    const std::int32_t slots[3] = {22, -5, 70000};
    for (int slot = 0; slot < 3; ++slot) {
        const auto value = static_cast<std::uint32_t>(slots[slot]);
        for (int i = 0; i < 4; ++i) {
            window[224 + 4 * slot + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    }
    scope.fake.results = {5};
    const char command[] = "B#";
    EXPECT_EQ(current().deliver_message(FakePlatform::kServerHandle, 1, command, 3).result, 5);
    const Delivery& delivery = scope.fake.deliveries.back();
    ASSERT_TRUE(delivery.has_params);
    EXPECT_EQ(delivery.param1, 22);
    EXPECT_EQ(delivery.param2, -5);
    EXPECT_EQ(delivery.param3, 70000);
}

TEST(FakePlatformBlocks, MissingBlocksAndFailingUnmapsReportErrors) {
    FakePlatformScope scope;
    const MappedView missing = current().open_block("LuWnd5");
    EXPECT_EQ(missing.data, nullptr);
    EXPECT_EQ(missing.size, 0u);
    EXPECT_EQ(current().last_error(), 2u);
    EXPECT_EQ(scope.fake.opened, std::vector<std::string>{"LuWnd5"});

    scope.fake.host().create_block("LuWnd1", 16);
    const MappedView view = current().open_block("LuWnd1");
    EXPECT_EQ(view.size, 16u);
    EXPECT_TRUE(current().unmap_block(view));
    scope.fake.fail_unmap = true;
    scope.fake.error = 487;
    EXPECT_FALSE(current().unmap_block(view));
    EXPECT_EQ(current().last_error(), 487u);
    EXPECT_EQ(scope.fake.unmapped, 1);
}

TEST(FakePlatformHandles, AliveAndDeadSetsOverrideTheDefault) {
    FakePlatformScope scope;
    EXPECT_FALSE(current().is_window_alive(FakePlatform::kServerHandle));
    scope.fake.start_server();
    scope.fake.alive.insert(655);
    EXPECT_TRUE(current().is_window_alive(655));
    scope.fake.dead.insert(FakePlatform::kServerHandle);
    EXPECT_FALSE(current().is_window_alive(FakePlatform::kServerHandle));
}

TEST(FakePlatformConsole, RecordsMessagesAndPlaysScriptedInput) {
    FakePlatformScope scope;
    FakePlatform& fake = scope.fake;
    fake.box_answers = {kAnswerAbort};
    EXPECT_EQ(current().message_box("first", kBoxWarning), kAnswerAbort);
    EXPECT_EQ(current().message_box("second", kBoxError), 0);
    ASSERT_EQ(fake.boxes.size(), 2u);
    EXPECT_EQ(fake.boxes[0].text, "first");
    EXPECT_EQ(fake.boxes[1].style, kBoxError);

    current().write_error_line("The window was closed.");
    EXPECT_EQ(fake.error_lines, std::vector<std::string>{"The window was closed."});

    fake.input = "8\n";
    EXPECT_EQ(current().read_input_char(), '8');
    EXPECT_EQ(current().read_input_char(), '\n');
    EXPECT_EQ(current().read_input_char(), -1);

    fake.keys = {'q', 'x'};
    EXPECT_NE(current().poll_key(), 0);
    EXPECT_EQ(current().read_key(false), 'q');
    EXPECT_EQ(current().read_key(true), 'x');
    EXPECT_EQ(current().poll_key(), 0);
    EXPECT_EQ(current().read_key(true), -1);
    current().write_output("> ");
    EXPECT_EQ(fake.output, "x> ");
}

TEST(FakePlatformConsole, ExitThrowsWithTheStatus) {
    FakePlatformScope scope;
    try {
        current().exit_program(1);
        FAIL() << "exit_program returned";
    } catch (const FakeExit& exit) {
        EXPECT_EQ(exit.status, 1);
    }
}

}  // namespace
}  // namespace lumora::platform

namespace lumora::platform {
namespace {

// The same size conventions as the native backends, so the client code meets no surprise.
TEST(FakePlatformSurroundings, EnvironmentModuleNameAndDirectoryFollowTheSizeRules) {
    FakePlatform fake;
    fake.environment["PATH"] = "abc";
    char buffer[8] = {};
    EXPECT_EQ(fake.get_environment("PATH", nullptr, 0), 4u);
    EXPECT_EQ(fake.get_environment("PATH", buffer, 3), 4u);
    EXPECT_EQ(fake.get_environment("PATH", buffer, 4), 3u);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(fake.get_environment("HOME", buffer, 8), 0u);

    fake.module_file = "C:\\app\\prog.exe";
    EXPECT_EQ(fake.module_file_name(buffer, sizeof buffer), 8u);
    EXPECT_STREQ(buffer, "C:\\app\\");
    fake.directory = "work";
    EXPECT_EQ(fake.current_directory(buffer, 4), 5u);
    EXPECT_EQ(fake.current_directory(buffer, 5), 4u);
}

TEST(FakePlatformSurroundings, ScriptedFilesReadAndFailOnRequest) {
    FakePlatform fake;
    fake.files["f"] = {1, 2, 3, 4, 5};
    EXPECT_EQ(fake.open_file("g"), kNoFile);
    const FileHandle file = fake.open_file("f");
    ASSERT_NE(file, kNoFile);
    EXPECT_EQ(fake.open_files, 1);
    std::uint8_t bytes[8] = {};
    std::uint32_t got = 0;
    ASSERT_TRUE(fake.seek_file(file, 3));
    ASSERT_TRUE(fake.read_file(file, bytes, 8, got));
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(bytes[0], 4);
    ASSERT_TRUE(fake.seek_file(file, 100));
    ASSERT_TRUE(fake.read_file(file, bytes, 8, got));
    EXPECT_EQ(got, 0u);
    EXPECT_FALSE(fake.seek_file(file, -1));
    fake.fail_read = true;
    EXPECT_FALSE(fake.read_file(file, bytes, 1, got));
    fake.close_file(file);
    fake.close_file(file);
    EXPECT_EQ(fake.open_files, 0);
    EXPECT_FALSE(fake.read_file(file, bytes, 1, got));
}

TEST(FakePlatformSurroundings, LaunchesAskTheLocatorAndAreRecorded) {
    FakePlatform fake;
    std::vector<std::string> seen;
    fake.on_launch = [&](const Launch& launch) { seen.push_back(launch.program); };
    EXPECT_EQ(fake.launch_window_process(" /t", [] { return "D/luwnd"; }), 0);
    EXPECT_EQ(fake.launch_window_process(nullptr, nullptr), 0);
    ASSERT_EQ(fake.launches.size(), 2u);
    EXPECT_EQ(fake.launches[0].options, " /t");
    EXPECT_EQ(seen, (std::vector<std::string>{"D/luwnd", ""}));
}

}  // namespace
}  // namespace lumora::platform
