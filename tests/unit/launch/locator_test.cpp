// The search list: its order, the places it skips, and how the search ends.
#include <string>
#include <vector>

#include "client/channel/locator.h"
#include "launch_fixture.h"

namespace lumora::test {
namespace {

using Paths = std::vector<std::string>;

class LocatorTest : public LaunchTest {
  protected:
    // Locates "prog" and returns the status it ended with (-1 when it found it).
    int locate(const char* name = "prog") {
        return exit_status_of([&] { found_ = locate_executable(name); });
    }
    // The places probed on the list; the install directory, probed last, is left out.
    Paths probed() {
        Paths paths = fake().probed_paths;
        if (!paths.empty() && *install_directory() != '\0' &&
            paths.back() == in(install_directory()))
            paths.pop_back();
        return paths;
    }
    std::string in(const std::string& directory) { return directory + kSep + "prog"; }

    static std::string installed() {
        return *install_directory() == '\0' ? "" : std::string(", ") + install_directory();
    }

    std::string found_;
};

TEST_F(LocatorTest, LooksInLumoraDirOwnDirectoryCurrentDirectoryThenPath) {
    fake().environment["LUMORADIR"] = "D";
    fake().environment["PATH"] = "F";
    std::snprintf(client_state().program_file_name, kPathSize, "E%sapp", kSep.c_str());

    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(probed(), (Paths{in("D"), in("E"), in("."), in("F")}));
    EXPECT_EQ(message(), "prog: not found on the search path.\nSearched: D, E, ., F" + installed());
}

TEST_F(LocatorTest, StopsAtTheFirstPlaceThatHasIt) {
    fake().environment["PATH"] = "F" + kList + "G";
    fake().existing_paths = {in("F"), in("G")};

    EXPECT_EQ(locate(), -1);
    EXPECT_EQ(found_, in("F"));
    EXPECT_EQ(probed(), (Paths{in("."), in("F")}));
    EXPECT_TRUE(fake().error_lines.empty());
}

TEST_F(LocatorTest, LumoraDirLosesLeadingBlanksAndBlanksAloneCountAsAbsent) {
    fake().environment["PATH"] = "F";
    fake().environment["LUMORADIR"] = "   D";
    locate();
    EXPECT_EQ(probed().front(), in("D"));

    fake().probed_paths.clear();
    fake().environment["LUMORADIR"] = "    ";
    locate();
    EXPECT_EQ(probed(), (Paths{in("."), in("F")}));
}

// The value and its NUL must fit into 259 bytes: 258 characters are used (with a one-letter
// name the candidate just fits), 259 are not.
TEST_F(LocatorTest, LumoraDirOf259CharactersIsIgnored) {
    fake().environment["PATH"] = "F";
    const std::string longest = std::string(257, 'd') + kSep;
    fake().environment["LUMORADIR"] = longest;
    locate("p");
    EXPECT_EQ(probed().front(), longest + "p");

    fake().probed_paths.clear();
    fake().environment["LUMORADIR"] = std::string(259, 'd');
    locate();
    EXPECT_EQ(probed(), (Paths{in("."), in("F")}));
}

TEST_F(LocatorTest, ElementsEndingWithASeparatorGetNoSecondOne) {
    fake().environment["PATH"] = "F" + kSep + kList + "G" + kSep + kSep;
    locate();
    EXPECT_EQ(probed(), (Paths{in("."), "F" + kSep + "prog", "G" + kSep + kSep + "prog"}));
}

TEST_F(LocatorTest, EmptyElementsAreSkipped) {
    fake().environment["PATH"] = kList + "F" + kList + kList + "G" + kList;
    locate();
    EXPECT_EQ(probed(), (Paths{in("."), in("F"), in("G")}));
}

TEST_F(LocatorTest, WithoutPathTheListEndsWithTheCurrentDirectory) {
    std::snprintf(client_state().program_file_name, kPathSize, "E%sapp", kSep.c_str());
    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(probed(), (Paths{in("E"), in(".")}));
}

TEST_F(LocatorTest, ProgramInTheRootKeepsTheRootAsItsDirectory) {
    std::snprintf(client_state().program_file_name, kPathSize, "%sapp", kSep.c_str());
    locate();
    EXPECT_EQ(probed(), (Paths{kSep + "prog", in(".")}));
}

// 256 + separator + "prog" needs 262 bytes; 254 needs exactly the 260 there are.
TEST_F(LocatorTest, CandidatesLongerThanAPathAreSkipped) {
    const std::string too_long(256, 't');
    const std::string longest(254, 'l');
    fake().environment["PATH"] = too_long + kList + longest + kList + "G";
    fake().existing_paths = {in(too_long)};
    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(probed(), (Paths{in("."), in(longest), in("G")}));
}

TEST_F(LocatorTest, NoPlaceAtAllEndsTheProgram) {
    EXPECT_EQ(locate(), 1);
    EXPECT_TRUE(probed().empty());
    EXPECT_EQ(message(), "Failed to get PATH");
}

TEST_F(LocatorTest, MessagesFollowTheCodePage) {
    client_state().ansi_code_page = 932;
    fake().environment["PATH"] = "F";
    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(message(),
              "\x83t\x83@\x83"
              "C\x83\x8b prog \x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1"
              "\nSearched: ., F" +
                  installed());
}

TEST_F(LocatorTest, TheInstallDirectoryIsTriedWhenNoPlaceOnTheListHasIt) {
    ASSERT_NE(*install_directory(), '\0');
    fake().environment["PATH"] = "F";
    fake().existing_paths = {in(install_directory())};
    EXPECT_EQ(locate(), -1);
    EXPECT_EQ(found_, in(install_directory()));
    EXPECT_EQ(fake().probed_paths, (Paths{in("."), in("F"), in(install_directory())}));
    EXPECT_TRUE(fake().error_lines.empty());
}

}  // namespace
}  // namespace lumora::test
