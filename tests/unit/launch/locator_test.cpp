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
    Paths probed() { return fake().probed_paths; }
    std::string in(const std::string& directory) { return directory + kSep + "prog"; }
    // The places before, the current directory where this system searches it, then after.
    Paths around_dot(Paths before, const Paths& after) {
        if (platform::kSearchesCurrentDirectory) before.push_back(in("."));
        before.insert(before.end(), after.begin(), after.end());
        return before;
    }

    // The message's line of places searched, where this system lists them.
    static std::string searched(const std::string& places) {
        return platform::kNativeSearch.lists_places_searched ? "\nSearched: " + places : "";
    }

    std::string found_;
};

TEST_F(LocatorTest, LooksInLumoraDirOwnDirectoryThenPath) {
    fake().environment["LUMORADIR"] = "D";
    fake().environment["PATH"] = "F";
    std::snprintf(client_state().program_file_name, kPathSize, "E%sapp", kSep.c_str());

    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(probed(), around_dot({in("D"), in("E")}, {in("F")}));
    EXPECT_EQ(message(),
              "prog: not found on the search path." +
                  searched(platform::kSearchesCurrentDirectory ? "D, E, ., F" : "D, E, F"));
}

TEST_F(LocatorTest, StopsAtTheFirstPlaceThatHasIt) {
    fake().environment["PATH"] = "F" + kList + "G";
    fake().existing_paths = {in("F"), in("G")};

    EXPECT_EQ(locate(), -1);
    EXPECT_EQ(found_, in("F"));
    EXPECT_EQ(probed(), around_dot({}, {in("F")}));
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
    EXPECT_EQ(probed(), around_dot({}, {in("F")}));
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
    EXPECT_EQ(probed(), around_dot({}, {in("F")}));
}

TEST_F(LocatorTest, ElementsEndingWithASeparatorGetNoSecondOne) {
    fake().environment["PATH"] = "F" + kSep + kList + "G" + kSep + kSep;
    locate();
    EXPECT_EQ(probed(), around_dot({}, {"F" + kSep + "prog", "G" + kSep + kSep + "prog"}));
}

TEST_F(LocatorTest, EmptyElementsAreSkipped) {
    fake().environment["PATH"] = kList + "F" + kList + kList + "G" + kList;
    locate();
    EXPECT_EQ(probed(), around_dot({}, {in("F"), in("G")}));
}

TEST_F(LocatorTest, WithoutPathTheListEndsWithTheOwnDirectory) {
    std::snprintf(client_state().program_file_name, kPathSize, "E%sapp", kSep.c_str());
    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(probed(), around_dot({in("E")}, {}));
}

TEST_F(LocatorTest, ProgramInTheRootKeepsTheRootAsItsDirectory) {
    std::snprintf(client_state().program_file_name, kPathSize, "%sapp", kSep.c_str());
    locate();
    EXPECT_EQ(probed(), around_dot({kSep + "prog"}, {}));
}

// 256 + separator + "prog" needs 262 bytes; 254 needs exactly the 260 there are.
TEST_F(LocatorTest, CandidatesLongerThanAPathAreSkipped) {
    const std::string too_long(256, 't');
    const std::string longest(254, 'l');
    fake().environment["PATH"] = too_long + kList + longest + kList + "G";
    fake().existing_paths = {in(too_long)};
    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(probed(), around_dot({}, {in(longest), in("G")}));
}

TEST_F(LocatorTest, NoPlaceAtAllEndsTheProgram) {
    EXPECT_EQ(locate(), 1);
    EXPECT_TRUE(probed().empty());
    EXPECT_EQ(message(), "Failed to get PATH");
}

const char kNotFoundIn932[] =
    "\x83t\x83@\x83"
    "C\x83\x8b prog \x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1";

// Windows shows the known text alone, in English or Japanese.
TEST_F(LocatorTest, OnWindowsTheNotFoundMessageIsTheCatalogueTextUnderBothCodePages) {
    fake().conventions = platform::kWindowsSearch;
    fake().environment["PATH"] = "F";
    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(probed(), (Paths{".\\prog", "F\\prog"}));
    EXPECT_EQ(message(), "prog: not found on the search path.");

    fake().error_lines.clear();
    client_state().ansi_code_page = 932;
    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(message(), kNotFoundIn932);
}

// Linux adds the places searched, in English, under every code page.
TEST_F(LocatorTest, OnLinuxTheNotFoundMessageListsThePlacesUnderBothCodePages) {
    fake().conventions = platform::kPosixSearch;
    fake().environment["PATH"] = "F:G";
    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(probed(), (Paths{"F/prog", "G/prog"}));
    EXPECT_EQ(message(), "prog: not found on the search path.\nSearched: F, G");

    fake().error_lines.clear();
    client_state().ansi_code_page = 932;
    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(message(), std::string(kNotFoundIn932) + "\nSearched: F, G");
}

// Where the platform finds the window program installed beside the library, that place
// comes last, and is named with the others when it does not have it either.
TEST_F(LocatorTest, ThePlaceBesideTheLibraryIsTriedLast) {
    fake().conventions = platform::kPosixSearch;
    fake().library_programs = "/opt/lu/bin";
    fake().environment["LUMORADIR"] = "D";
    fake().environment["PATH"] = "F";
    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(probed(), (Paths{"D/prog", "F/prog", "/opt/lu/bin/prog"}));
    EXPECT_EQ(message(), "prog: not found on the search path.\nSearched: D, F, /opt/lu/bin");

    fake().probed_paths.clear();
    fake().existing_paths = {"/opt/lu/bin/prog"};
    EXPECT_EQ(locate(), -1);
    EXPECT_EQ(found_, "/opt/lu/bin/prog");
}

// Without such a place (always on Windows) nothing is tried after the list: no folder
// fixed when the library was built.
TEST_F(LocatorTest, WithoutThePlaceBesideTheLibraryTheListIsAll) {
    fake().conventions = platform::kWindowsSearch;
    fake().environment["PATH"] = "F";
    std::snprintf(client_state().program_file_name, kPathSize, "E\\app.exe");
    EXPECT_EQ(locate(), 1);
    EXPECT_EQ(probed(), (Paths{"E\\prog", ".\\prog", "F\\prog"}));
}

}  // namespace
}  // namespace lumora::test
