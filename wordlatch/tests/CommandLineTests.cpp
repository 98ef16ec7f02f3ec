// The program's command line: what opens at start, and what is answered at once.
#include "CommandLine.h"

#include <gtest/gtest.h>

namespace wl {
namespace {

TEST(CommandLineTest, OpensOnePuzzleForSolvingOrConstructionAndAnswersTheRest) {
    const struct {
        std::vector<std::string> Args;
        TCommandLine::TAction Action;
        std::string File;
        bool Edit;
        std::string FirstLine;
    } cases[] = {
        {{}, TCommandLine::Run, "", false, ""},
        {{"SUNDAY.XWD"}, TCommandLine::Run, "SUNDAY.XWD", false, ""},
        {{"--edit", "a.puz"}, TCommandLine::Run, "a.puz", true, ""},
        {{"b.ipuz", "--edit"}, TCommandLine::Run, "b.ipuz", true, ""},
        {{"--", "--edit"}, TCommandLine::Run, "--edit", false, ""},
        {{"--version", "x.xwd"}, TCommandLine::Version, "", false, "wordlatch 4.2"},
        {{"x.xwd", "--help"}, TCommandLine::Help, "", false, "Usage: wordlatch [--edit] [FILE]"},
        {{"--edit"}, TCommandLine::Wrong, "", false, "wordlatch: --edit needs a FILE"},
        {{"a.xwd", "b.xwd"}, TCommandLine::Wrong, "", false, "wordlatch: one puzzle at a time"},
        {{"-x"}, TCommandLine::Wrong, "", false, "wordlatch: unknown option -x"},
    };
    for (const auto& c : cases) {
        const TCommandLine line = ParseCommandLine(c.Args, "4.2");
        const std::string args = testing::PrintToString(c.Args);
        EXPECT_EQ(line.Action, c.Action) << args;
        EXPECT_EQ(line.File, c.File) << args;
        EXPECT_EQ(line.Edit, c.Edit) << args;
        EXPECT_EQ(line.Text.substr(0, line.Text.find('\n')), c.FirstLine) << args;
    }
}

} // namespace
} // namespace wl
