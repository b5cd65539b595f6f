#include "host/bench/growing_text.h"

void GrowingText::append(const std::string& lines)
{
    keep_tail();
    write_at(text_.size(), lines);
    text_ += lines;
    tail_start_ = text_.size();
}

void GrowingText::set_tail(std::string lines)
{
    const std::size_t written = text_.size() - tail_start_;
    if (lines.size() < written && !lines.empty())
        lines.insert(lines.size() - 1, written - lines.size(), ' ');
    text_.resize(tail_start_);
    write_at(tail_start_, lines);
    text_ += lines;
}

void GrowingText::overwrite(std::size_t at, const std::string& word)
{
    text_.replace(at, word.size(), word);
    write_at(at, word);
}

void GrowingText::flush()
{
    if (file_ != nullptr)
        file_->flush();
}

void GrowingText::write_at(std::size_t at, const std::string& bytes)
{
    if (file_ == nullptr)
        return;
    file_->seekp(static_cast<std::streamoff>(at));
    file_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
