// The bench following its module file while it runs (`--watch`): the
// program looks at the file, loads a newer build beside the running module,
// and hands it over; the session ends the old gauges, lets the old module
// go and brings the panel back on the new one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/panel/platform.h"

struct ModuleOffer {
    LoadedModule module;
    std::string description; // its file: name, size, time, version
};

class ModuleFollower {
public:
    virtual ~ModuleFollower() = default;
    // Called between frames. A newer build, loaded beside the running
    // module; nullopt when there is none, with `refused` saying why when a
    // changed file could not be loaded.
    virtual std::optional<ModuleOffer> newer_module(double now_seconds, std::string& refused) = 0;
    // The offer is taken: the old module's gauges have ended, so it is
    // unloaded and the new one takes its place.
    virtual void take() = 0;
    // The offer cannot be driven: it is unloaded, the old one stays.
    virtual void refuse() = 0;
};

// What a look at the file saw.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t time = 0; // of the last write, in the system's units
    bool operator==(const FileStamp&) const = default;
};

// When a changed file is ready to load: it is looked at about once a
// second, and taken once two looks in a row saw it the same (a build still
// writing it changes it between looks). A file taken is not tried again
// until it changes once more, whether it loaded or not.
class FileSettling {
public:
    static constexpr double look_every_seconds = 1.0;

    explicit FileSettling(FileStamp loaded) : done_(loaded), last_(loaded) {}
    bool look_due(double now_seconds);
    // After a look: true when this version of the file is to be tried now.
    bool ready(const FileStamp& seen);

private:
    FileStamp done_;
    FileStamp last_;
    double next_look_seconds_ = 0.0;
};
