// The reporters' own rules: text a module or a scenario gives kept whole
// and safe in XML, messages split at their line, and every way a run can
// go counted in the JUnit file.
#include <gtest/gtest.h>

#include <sstream>

#include "host/scenario/junit_reporter.h"
#include "host/scenario/text_reporter.h"

namespace {

TEST(XmlEscaped, KeepsUtf8AndNamesWhatXmlCannotHold)
{
    const struct {
        const char* text;
        bool attribute;
        const char* expected;
    } cases[] = {
        {"<a & 'b'> \"c\"", true, "&lt;a &amp; &apos;b&apos;&gt; &quot;c&quot;"},
        {"line\nnext\ttab\r", true, "line&#10;next&#9;tab&#13;"},
        {"line\nnext\ttab", false, "line\nnext\ttab"},
        {"bell\x07 del\x7f", false, "bell\\x07 del\\x7F"},
        {"\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", false, "\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"},
        {"\xff\x80", false, "\\xFF\\x80"},                   // no UTF-8 at all
        {"\xc0\xaf", false, "\\xC0\\xAF"},                   // an overlong '/'
        {"\xed\xa0\x80", false, "\\xED\\xA0\\x80"},          // a surrogate
        {"\xf4\x90\x80\x80", false, "\\xF4\\x90\\x80\\x80"}, // beyond U+10FFFF
        {"cut \xe2\x82", false, "cut \\xE2\\x82"},           // a sequence cut short
    };
    for (const auto& c : cases)
        EXPECT_EQ(xml_escaped(c.text, c.attribute), c.expected) << c.text;
}

TEST(ProblemFromMessage, SplitsAtTheLineNumberAndKeepsWindowsPaths)
{
    const struct {
        const char* message;
        const char* where;
        const char* words;
    } cases[] = {
        {"s.txt:12: unknown command 'x'", "s.txt:12", "unknown command 'x'"},
        {"C:\\Flights\\s.txt:3: bad", "C:\\Flights\\s.txt:3", "bad"},
        {"s.txt: cannot be read", "", "s.txt: cannot be read"},
        {"... and 3 more bad lines", "", "... and 3 more bad lines"},
    };
    for (const auto& c : cases) {
        const RunProblem problem = problem_from_message(ProblemKind::refused, c.message);
        EXPECT_EQ(problem.where, c.where) << c.message;
        EXPECT_EQ(problem.message, c.words) << c.message;
        EXPECT_EQ(problem.text(), c.message);
    }
}

// A run that checked nothing must not read as passed: refusals, stops and
// crashes are cases of their own.
TEST(JUnitReporter, CountsEveryWayARunCanGo)
{
    JUnitReporter junit("s.txt");
    junit.expectation({.file = "s.txt", .line = 4, .held = true, .expected = "frame 3", .seen = "3"});
    junit.expectation({.file = "s.txt", .line = 5, .held = false, .expected = "frame 4", .seen = "3"});
    junit.problem({.kind = ProblemKind::stopped, .where = "s.txt:6", .message = "the point lies outside the face"});
    junit.problem({.kind = ProblemKind::output, .where = {}, .message = "t.jsonl: cannot be written: No space"});
    junit.crashed("access violation at 0x1000");
    std::ostringstream xml;
    junit.write(xml);
    const std::string text = xml.str();
    EXPECT_NE(text.find("<testsuite name=\"s.txt\" tests=\"5\" failures=\"2\" errors=\"2\">"), std::string::npos)
        << text;
    EXPECT_NE(text.find("name=\"s.txt:5\">\n      <failure type=\"expectation\" message=\"expected frame 4, saw 3\">"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("name=\"s.txt:6\">\n      <failure type=\"stopped\""), std::string::npos) << text;
    EXPECT_NE(text.find("name=\"s.txt\">\n      <error type=\"crash\""), std::string::npos) << text;
}

TEST(TextReporter, TellsHeldExpectationsOnlyWhenAskedAndRefusalsWithoutFigures)
{
    for (const bool verbose : {false, true}) {
        std::ostringstream out, errors;
        TextReporter text(out, errors, verbose);
        text.expectation({.file = "s.txt", .line = 4, .held = true, .expected = "frame 3", .seen = "3"});
        text.expectation({.file = "s.txt", .line = 5, .held = false, .expected = "frame 4", .seen = "3"});
        text.note("class FS98MAIN", NoteLevel::detail);
        EXPECT_EQ(errors.str(), "s.txt:5: expected frame 4, saw 3\n");
        EXPECT_EQ(out.str(), verbose ? "s.txt:4: held: frame 3\nclass FS98MAIN\n" : "");
    }
}

} // namespace
