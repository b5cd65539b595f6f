// A text that grows at its end, whose last lines (the tail) may be written
// again while they grow, kept in memory and, as it changes, in a file: the
// file holds the whole text after every change (longer writes cover
// shorter ones with blanks), so it is complete whenever it is read.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

class GrowingText {
public:
    // The file must be seekable and written as bytes; it may be null.
    explicit GrowingText(std::ostream* file) : file_(file) {}

    // Lines after the tail, which stays as it is.
    void append(const std::string& lines);
    // The tail written again.
    void set_tail(std::string lines);
    // The tail stays as it is; what comes next goes after it.
    void keep_tail() { tail_start_ = text_.size(); }
    // A word written again in its place, as long as the one it replaces.
    void overwrite(std::size_t at, const std::string& word);
    void flush();

    std::size_t size() const { return text_.size(); }
    const std::string& text() const { return text_; }

private:
    void write_at(std::size_t at, const std::string& bytes);

    std::ostream* file_;
    std::string text_;
    std::size_t tail_start_ = 0;
};
