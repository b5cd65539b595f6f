// What a run tells the person who started it, as events rather than text:
// a headless run writes them as lines, a CI's JUnit file as test cases,
// the bench as report lines and its status strip. The runner and the
// sessions say what happened; each reporter says it its own way.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// One expectation judged: where its line is and what was seen, whether it
// held or not, so a CI can show held checks as passed tests.
struct ExpectationOutcome {
    // clang-format off
    std::string file;      // the scenario file, named as the run was given it
    int         line = 0;  // counted from 1
    bool        held = false;
    std::string expected;  // "needle angle 90 of ZOR_1"
    std::string seen;      // "89.5"
    // clang-format on
    std::string where() const { return file + ":" + std::to_string(line); }
};

// Why a run did not go as its scenario says.
enum class ProblemKind {
    refused, // found before the first frame: nothing flew
    stopped, // a line the run could not run: it stopped there
    output,  // a file it could not write: which, and why
};

struct RunProblem {
    ProblemKind kind;
    std::string where;   // "file:line" of the line to blame; empty for none
    std::string message; // in the user's words, without `where`
    // "where: message", or the message alone.
    std::string text() const { return where.empty() ? message : where + ": " + message; }
};

// A run that flew, told at its end.
struct RunSummary {
    // clang-format off
    long        frames = 0;
    std::size_t gauges = 0;
    double      median_frame_cost_us = 0.0;
    int         failures = 0;          // failed expectations
    bool        stopped = false;       // at a line it could not run, after frames flew
    bool        live = false;          // flown in the bench, which goes on after it
    std::size_t unknown_variables = 0; // looked up by the module, not kept by this host
    // clang-format on
};

// How much a note matters: `told` to everyone; `detail` only to whoever
// asks for it (--verbose), such as the window class the host registered.
enum class NoteLevel { told, detail };

class Reporter {
public:
    virtual ~Reporter() = default;
    // A run of `scenario` (its path as given) begins.
    virtual void run_started(const std::string& scenario) = 0;
    virtual void problem(const RunProblem& problem) = 0;
    virtual void expectation(const ExpectationOutcome& outcome) = 0;
    // A file the run wrote whole, named by the path the user gave.
    virtual void file_written(const std::string& path) = 0;
    virtual void note(const std::string& text, NoteLevel level = NoteLevel::told) = 0;
    // The module crashed in its gauge callbacks: the fault and where.
    virtual void crashed(const std::string& fault) = 0;
    // The run flew; not told for a run refused before its first frame or
    // one the module crashed.
    virtual void run_ended(const RunSummary& summary) = 0;
};

// Every event to each of several reporters, in order.
class ReporterFanOut : public Reporter {
public:
    void add(Reporter& reporter) { reporters_.push_back(&reporter); }
    void run_started(const std::string& scenario) override { tell(&Reporter::run_started, scenario); }
    void problem(const RunProblem& problem) override { tell(&Reporter::problem, problem); }
    void expectation(const ExpectationOutcome& outcome) override { tell(&Reporter::expectation, outcome); }
    void file_written(const std::string& path) override { tell(&Reporter::file_written, path); }
    void note(const std::string& text, NoteLevel level) override { tell(&Reporter::note, text, level); }
    void crashed(const std::string& fault) override { tell(&Reporter::crashed, fault); }
    void run_ended(const RunSummary& summary) override { tell(&Reporter::run_ended, summary); }

private:
    template <typename... Event, typename... Given>
    void tell(void (Reporter::*event)(Event...), const Given&... given)
    {
        for (Reporter* reporter : reporters_)
            (reporter->*event)(given...);
    }
    std::vector<Reporter*> reporters_;
};

// A parser's or a reader's message, "file:line: why", split into its
// line and its words; a message naming no line keeps its whole text.
RunProblem problem_from_message(ProblemKind kind, const std::string& message);

// A stream for the parts that say things as lines of text (a film, a panel
// file's window): each line becomes a note as it ends, and what is left
// unfinished when the stream goes.
class NoteStream : public std::ostream {
public:
    explicit NoteStream(Reporter& reporter) : std::ostream(&lines_), lines_(reporter) {}
    ~NoteStream() override { lines_.end(); }

private:
    class Lines : public std::streambuf {
    public:
        explicit Lines(Reporter& reporter) : reporter_(reporter) {}
        void end();

    protected:
        int_type overflow(int_type c) override;

    private:
        Reporter& reporter_;
        std::string line_;
    };
    Lines lines_;
};
