// A client with a fake platform for the launch tests: messages go to the error stream, and
// paths are written with this system's separators.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "client/channel/client_state.h"
#include "client/platform/conventions.h"
#include "client/platform/fake/fake_platform.h"

namespace lumora::test {

// The separators of this system, as texts.
inline const std::string kSep(1, platform::kDirectorySeparator);
inline const std::string kList(1, platform::kListSeparator);

class LaunchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_client_state();
        client_state().use_message_box = 0;
    }
    void TearDown() override { reset_client_state(); }

    platform::FakePlatform& fake() { return scope_.fake; }

    // Runs f and returns the status it ended the program with (-1 when it returned).
    template <class F>
    int exit_status_of(F f) {
        try {
            f();
        } catch (const platform::FakeExit& e) {
            return e.status;
        }
        return -1;
    }

    // The one message shown, or a note that there was none or more than one.
    std::string message() {
        const auto& lines = fake().error_lines;
        if (lines.size() != 1) return "<" + std::to_string(lines.size()) + " messages>";
        return lines.front();
    }

  private:
    platform::FakePlatformScope scope_;
};

}  // namespace lumora::test
