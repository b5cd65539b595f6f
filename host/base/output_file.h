// A file the host writes (a film, a trace, a picture, a recording, a
// report): its bytes go to a temporary file beside the target, PATH.part,
// in the same folder so that putting it in place is one rename, and the
// target is replaced only by a whole file. Every write, flush and close is
// checked; on failure the temporary is taken away, the target stays as it
// was, and error() names the file and the system's reason.
//
// A target that is there and is not a regular file (a folder, a device, a
// FIFO) is refused by name before anything is written, and so is a
// PATH.part that is already there: the host never touches a file it did not
// make, and a bench that was killed leaves its partial recording there.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>

// Why a file cannot be written at `path` ("PATH: is a folder"), or
// nullopt when it can be: it is not there, or it is a regular file.
std::optional<std::string> output_path_refusal(const std::string& path);

// The temporary file beside `path` that becomes it.
std::string output_temporary_path(const std::string& path);

// The bytes of a stream into a C file, each write checked; the first
// failure's reason (the system's errno) is kept and every write after it
// fails too. Seekable, for a text rewritten at its end.
class CheckedFileBuffer : public std::streambuf {
public:
    explicit CheckedFileBuffer(std::FILE* file) : file_(file) {}
    // Flushes and closes the file; false, with the reason, when either fails.
    bool close();
    const std::string& reason() const { return reason_; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;
    pos_type seekoff(off_type offset, std::ios_base::seekdir way, std::ios_base::openmode) override;
    pos_type seekpos(pos_type at, std::ios_base::openmode mode) override;

private:
    bool failed(); // keeps errno's text as the reason, once

    std::FILE* file_;
    std::string reason_;
};

class OutputFile {
public:
    explicit OutputFile(std::string path);
    ~OutputFile(); // a file never committed is taken away
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Refuses the target or makes the temporary file; false with error().
    bool open();
    // Where the bytes go, once open.
    std::ostream& stream() { return stream_; }
    // The temporary's path, for another program (the encoder) to write,
    // and the host's own handle on it closed for that program; false with
    // error().
    const std::string& temporary_path() const { return temporary_; }
    bool hand_over() { return !is_open() || close_temporary(); }
    // Puts the whole file in place: flushed, closed and renamed over the
    // target; false with error(), the temporary taken away.
    bool commit();
    // Takes the temporary away; the target stays as it was.
    void abandon();

    const std::string& path() const { return path_; }
    // Empty while nothing failed; a write that failed is said at once.
    std::string error() const;
    bool is_open() const { return buffer_ != nullptr; }

private:
    bool fail(const std::string& reason);
    bool close_temporary();

    std::string path_, temporary_, error_;
    std::unique_ptr<CheckedFileBuffer> buffer_;
    std::ostream stream_{nullptr};
    bool made_ = false; // the temporary is there, of this file's making
};
