// The two host programs' options, one row each: what the option takes,
// which program has it, what it needs beside it and what it does not go
// with. The parser checks a command line against these rows and the usage
// text is printed from them, so an option's rules and its help stay
// together.
#pragma once

// The programs, as bits of HostOption::programs.
enum HostProgram : unsigned {
    native_program = 1, // zor_host_native: the module's logic linked in
    win32_program = 2,  // zor_panel_host.exe: loads module files
};
inline constexpr unsigned both_programs = native_program | win32_program;

struct HostOption {
    const char* name;    // "--trace"; a name without dashes is the word given alone
    const char* value;   // what it takes, as the usage shows it; nullptr for none
    unsigned programs;   // HostProgram bits
    const char* needs;   // options of which one must be given too, blank-separated
    const char* refuses; // options it does not go with, blank-separated
    const char* help;
};

// The doctor checks a panel file and runs no frames: every option of a run
// is refused beside it rather than ignored.
inline constexpr HostOption host_options[] = {
    // clang-format off
    {"SCENARIO",     nullptr,       both_programs,  "",                "--check",         "the scenario to fly"},
    {"--module",     "FILE.gau",    win32_program,  "",                "--panel --check", "the gauge module to load; the one beside the program by default"},
    {"--bitmaps",    "FOLDER",      native_program, "",                "",                "the module's bitmaps as ID.bmp files; the build's by default"},
    {"--panel",      "PANEL.CFG",   both_programs,  "",                "--check",         "open a window of a simulator's panel file instead of placing gauges"},
    {"--section",    "WINDOW",      both_programs,  "--panel",         "",                "the panel file's window to open; its first by default"},
    {"--sim-folder", "FOLDER",      both_programs,  "--panel --check", "",                "the simulator's folder; three levels above the panel file's by default"},
    {"--check",      "PANEL.CFG",   win32_program,  "",                "",                "the doctor: check every window of a panel file, line by line"},
    {"--trace",      "FILE.jsonl",  both_programs,  "",                "--check",         "write every frame as a line of JSON"},
    {"--film",       "FILE.mp4",    both_programs,  "",                "--check",         "film the run, with the tone as its sound"},
    {"--out",        "FOLDER",      both_programs,  "",                "--check",         "where snapshots and films named in the scenario go; here by default"},
    {"--junit",      "FILE.xml",    both_programs,  "",                "--check --flights", "write the scenario's expectations as JUnit test cases, named FILE:LINE"},
    {"--verbose",    nullptr,       both_programs,  "",                "--check",         "say what a gauge maker asks for too: each expectation that held, the main window's class"},
    {"--flights",    "LIST.txt",    both_programs,  "",                "SCENARIO --trace --film --panel --check --window", "fly each line's SCENARIO TRACE, each on the module loaded afresh"},
    {"--window",     nullptr,       win32_program,  "",                "--check",         "the live bench window; the scenario is flown in it, then by hand"},
    {"--xray",       nullptr,       win32_program,  "--window",        "",                "start the bench in its X-ray view"},
    {"--report",     "FILE",        win32_program,  "--window",        "",                "the bench's report lines; standard output by default"},
    {"--seconds",    "N",           win32_program,  "--window",        "",                "close the bench after N seconds"},
    {"--record",     "SESSION.txt", win32_program,  "--window",        "",                "write the bench session as a scenario"},
    {"--watch",      nullptr,       win32_program,  "--window",        "--panel",         "follow the module file and reload it when it is rebuilt"},
    {"--help",       nullptr,       both_programs,  "",                "",                "print this text (also -h and /?)"},
    // clang-format on
};

// The other spellings of --help: those of other programs a user may try.
inline constexpr const char* help_spellings[] = {"--help", "-h", "/?"};

// The programs' own names, for an option one of them does not have.
inline constexpr const char* program_name(HostProgram program)
{
    return program == native_program ? "zor_host_native" : "zor_panel_host.exe";
}
