// The scenario language as data: what `parse` makes of text, what it
// refuses and how it says so, and that `print` writes what `parse` reads
// back as the same program, for every scenario in the tree.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>

#include "host/script/argument_reader.h"
#include "host/script/parse.h"
#include "host/script/print.h"

namespace {

ParseResult parse_text(const std::string& text)
{
    return parse(text, "s.txt");
}

// The one error a one-line text gets, or "" when it parses.
std::string error_of(const std::string& line)
{
    const ParseResult read = parse_text(line);
    return read.errors.empty() ? "" : read.errors.front();
}

TEST(ScriptParse, ReadsWordsQuotesCommentsAndLineNumbers)
{
    const ParseResult read = parse_text("\xEF\xBB\xBF# heading\n\nexpect tooltip ZOR_1 340 310 \" 700\"  # comment\r\n"
                                        "click ZOR_1#2 45 315\tright\n");
    ASSERT_TRUE(read.ok()) << read.report();
    ASSERT_EQ(read.program.commands.size(), 2u);
    const Command& tooltip = read.program.commands[0];
    EXPECT_EQ(tooltip.verb, Verb::expect_tooltip);
    EXPECT_EQ(tooltip.where(), "s.txt:3");
    EXPECT_EQ(tooltip.gauge(0), "ZOR_1");
    EXPECT_EQ(tooltip.number(2), 310);
    EXPECT_EQ(tooltip.word(3), " 700");
    const Command& click = read.program.commands[1];
    EXPECT_EQ(click.line, 4);
    EXPECT_EQ(click.gauge(0), "ZOR_1#2") << "a second copy is named without quotes";
    EXPECT_EQ(click.word(3), "right");
}

TEST(ScriptParse, RefusesEachBadLineWithItsReason)
{
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"frames 5 7 junk", "s.txt:1: '7' follows the last argument; usage: frames COUNT"},
        {"release now", "s.txt:1: 'now' follows the last argument; usage: release"},
        {"frames 0x10", "s.txt:1: '0x10' is not a number"},
        {"frames 1e999", "s.txt:1: '1e999' is not a number"},
        {"frames nan", "s.txt:1: 'nan' is not a number of frames from 0 to 1000000"},
        {"frames", "s.txt:1: usage: frames COUNT"},
        {"pause nan", "s.txt:1: 'nan' is not a finite number"},
        {"ramp altitude 0 nan 5", "s.txt:1: 'nan' is not a finite number"},
        {"expect angle ZOR_1 nan", "s.txt:1: 'nan' is not a finite number"},
        {"expect variable altitude -inf", "s.txt:1: '-inf' is not a finite number"},
        {"expect pixel ZOR_1 1 1 0 0 256", "s.txt:1: '256' is not a colour level from 0 to 255"},
        {"expect key 5",
         "s.txt:1: '5' is not one of the words this takes; usage: expect key EVENT ARGUMENT | "
         "expect key none"},
        {"expect frame ZOR_1 0 1", "s.txt:1: '0' is not an element number from 1 to 1000000"},
        {"set altitud 5", "s.txt:1: 'altitud' names no host variable"},
        {"click ZOR_1 1 1 middle", "s.txt:1: 'middle' is no mouse button"},
        {"realtime of", "s.txt:1: 'of' is not one of the words this takes; usage: realtime on|off"},
        {"frobnicate on", "s.txt:1: unknown command 'frobnicate'"},
        {"fames 5", "s.txt:1: unknown command 'fames'; did you mean 'frames'?"},
        {"expect angel ZOR_1 5", "s.txt:1: unknown expectation 'angel'; did you mean 'angle'?"},
        {"expect", "s.txt:1: usage: expect WHAT ..."},
        {"place ZOR_1 0 0 \"60", "s.txt:1: a quoted word has no closing quote"},
        {"moment a\"b", "s.txt:1: a quote inside the word 'a\"b'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(error_of(c.line), c.error) << c.line;
}

TEST(ScriptParse, TakesWhatTheModuleMustSurviveAndWhatIsDecimal)
{
    for (const char* line : {"set altitude nan", "set altitude -inf", "set 12345 1", "frames +1.0e1", "frames .5e1",
                             "pause -1", "snapshot a.png xray", "snapshot a.png ZOR_1 xray", "expect key none",
                             "expect sound play 0", "expect frame ZOR_1 7 none", "moment  two   words "})
        EXPECT_EQ(error_of(line), "") << line;
    EXPECT_TRUE(std::isnan(parse_text("set altitude NaN").program.commands[0].number(1)));
    EXPECT_EQ(parse_text("moment  two   words ").program.commands[0].word(0), "two words");
}

TEST(ScriptParse, TellsEveryBadLineUpToTwentyThenCountsTheRest)
{
    std::string text = "frames 1\n";
    for (int i = 0; i < 25; ++i)
        text += "frames x\n";
    const ParseResult read = parse_text(text);
    EXPECT_EQ(read.error_count, 25u);
    ASSERT_EQ(read.errors.size(), errors_told);
    EXPECT_EQ(read.errors.front(), "s.txt:2: 'x' is not a number");
    EXPECT_EQ(read.errors.back(), "s.txt:21: 'x' is not a number");
    EXPECT_TRUE(read.report().ends_with("... and 5 more bad lines\n")) << read.report();
    EXPECT_EQ(read.program.commands.size(), 1u);
}

TEST(ScriptParse, ARecordingWithoutItsEndWasCut)
{
    const struct {
        const char* text;
        const char* report;
    } cases[] = {
        {"recording begin\nframes 1\nrecording end\n", ""},
        {"frames 1\nrecording end\n", ""},
        {"recording begin\nframes 1\n",
         "s.txt:2: the recording stops after this line without its end (recording end): the file was cut\n"},
        {"recording begin\nrecording end\nframes 1\nframes 2\n", "s.txt:3: the recording ended at line 2\n"},
        {"frames 1\nrecording begin\nrecording end\n", "s.txt:2: a recording begins before any other command\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse_text(c.text).report(), c.report) << c.text;

    const ParseResult unmarked = parse_text("# bench session recorded 2026-01-01 with X\nframes 1\n");
    EXPECT_TRUE(unmarked.ok());
    EXPECT_EQ(unmarked.notes,
              std::vector<std::string>{
                  "s.txt: recorded before recordings had an end mark; whether it is whole cannot be told"});
    EXPECT_TRUE(parse_text("recording begin\n# bench session recorded\nrecording end\n").notes.empty());
}

TEST(ScriptParse, AFileThatCannotBeReadIsOneErrorNamingIt)
{
    const std::string folder = std::filesystem::current_path().string();
    EXPECT_EQ(parse_file(folder).report(), folder + ": is a folder, not a file\n");
    EXPECT_EQ(parse_file(folder + "/none.txt").report(), folder + "/none.txt: is not there\n");
}

// The printer finds the shortest digits itself (the web build's library has
// no std::to_chars for doubles); where the library has it, both agree.
TEST(ScriptPrint, NumbersAsTheLibrarysShortestFormPrintsThem)
{
    std::mt19937_64 random(24);
    std::uniform_real_distribution<double> nearby(-20000.0, 20000.0);
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (i % 2 == 0)
            value = i % 4 == 0 ? nearby(random) : std::round(nearby(random) * 100.0) / 100.0;
        if (!std::isfinite(value))
            continue;
        char text[64];
        const bool whole = value == std::floor(value) && std::fabs(value) < 1e16;
        const auto written = whole ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed)
                                   : std::to_chars(text, text + sizeof text, value);
        ASSERT_EQ(print_number(value), std::string(text, written.ptr)) << bits;
    }
}

TEST(ScriptPrint, NumbersInTheShortestFormThatReadsBackTheSame)
{
    const double tiny = std::numeric_limits<double>::denorm_min();
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.1, "0.1"},
        {120.00000000000003, "120.00000000000003"},
        {1000000, "1000000"},
        {-0.0, "-0"},
        {1e300, "1e+300"},
        {tiny, "5e-324"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {2.5, "2.5"},
        {-1013.25, "-1013.25"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(print_number(c.value), c.text);
        const auto back = decimal_number(c.text);
        ASSERT_TRUE(back) << c.text;
        EXPECT_EQ(*back, c.value) << c.text;
        EXPECT_EQ(std::signbit(*back), std::signbit(c.value)) << c.text;
    }
}

TEST(ScriptPrint, QuotesAWordOnlyWhenItMustAndWritesWhatParseReads)
{
    const Command moment{.verb = Verb::moment, .arguments = {std::string("# not a comment")}, .file = {}, .line = 0};
    EXPECT_EQ(print(moment), "moment \"# not a comment\"");
    const Command set{.verb = Verb::set, .arguments = {HostVariable{0x1234}, 5.0}, .file = {}, .line = 0};
    EXPECT_EQ(print(set), "set 4660 5");
    const Command click{.verb = Verb::click,
                        .arguments = {GaugeName{"ZOR_1#2"}, 45.0, 315.0, std::string("left")},
                        .file = {},
                        .line = 0};
    EXPECT_EQ(print(click), "click ZOR_1#2 45 315 left");
    const Command tooltip{.verb = Verb::expect_tooltip,
                          .arguments = {GaugeName{"ZOR_1"}, 1.0, 2.0, std::string("")},
                          .file = {},
                          .line = 0};
    EXPECT_EQ(print(tooltip), "expect tooltip ZOR_1 1 2 \"\"");
}

// Every scenario the tree holds, and every fuzz seed that parses.
TEST(ScriptRoundTrip, EveryScenarioInTheTreePrintsToTheSameProgram)
{
    std::vector<std::filesystem::path> files;
    for (const char* folder : {ZOR_SCENARIO_DIR, ZOR_SCENARIO_CORPUS_DIR})
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            files.push_back(entry.path());
    int programs = 0, commands = 0;
    for (const auto& file : files) {
        const ParseResult read = parse_file(file.string());
        if (!read.ok())
            continue;
        const std::string printed = print(read.program);
        const ParseResult again = parse(printed, file.string());
        ASSERT_TRUE(again.ok()) << again.report() << printed;
        EXPECT_EQ(again.program, read.program) << file << "\n" << printed;
        EXPECT_EQ(print(again.program), printed) << file;
        ++programs;
        commands += static_cast<int>(read.program.commands.size());
    }
    // Every scenario of scenarios/ parses; the fuzz seeds hold broken ones.
    EXPECT_GE(programs, 9);
    std::cout << "round trip: " << programs << " programs, " << commands << " commands\n";
}

} // namespace
