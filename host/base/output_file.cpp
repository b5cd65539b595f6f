#include "host/base/output_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "host/base/input_file.h"
#include "host/base/utf8_path.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* temporary_suffix = ".part";

// What is at `path` when it is there and is not a regular file.
std::optional<std::string> not_regular(const fs::path& path)
{
    std::error_code error;
    switch (fs::status(path, error).type()) {
    case fs::file_type::regular:
        return std::nullopt;
    case fs::file_type::directory:
        return "is a folder";
    case fs::file_type::character:
    case fs::file_type::block:
        return "is a device";
    case fs::file_type::fifo:
        return "is a FIFO";
    case fs::file_type::socket:
        return "is a socket";
    case fs::file_type::not_found:
        if (!listed_in_folder(path))
            return std::nullopt;
        [[fallthrough]];
    default:
        return "is not a regular file";
    }
}

} // namespace

std::optional<std::string> output_path_refusal(const std::string& path)
{
    if (const auto what = not_regular(utf8_path(path)))
        return path + ": " + *what + ", not a file the host may write";
    return std::nullopt;
}

std::string output_temporary_path(const std::string& path)
{
    return path + temporary_suffix;
}

bool CheckedFileBuffer::failed()
{
    if (reason_.empty())
        reason_ = std::strerror(errno);
    return false;
}

CheckedFileBuffer::int_type CheckedFileBuffer::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
}

std::streamsize CheckedFileBuffer::xsputn(const char* bytes, std::streamsize count)
{
    if (!reason_.empty())
        return 0;
    const std::size_t written = std::fwrite(bytes, 1, static_cast<std::size_t>(count), file_);
    if (written != static_cast<std::size_t>(count))
        failed();
    return static_cast<std::streamsize>(written);
}

int CheckedFileBuffer::sync()
{
    return reason_.empty() && std::fflush(file_) == 0 ? 0 : (failed(), -1);
}

CheckedFileBuffer::pos_type CheckedFileBuffer::seekoff(off_type offset, std::ios_base::seekdir way,
                                                       std::ios_base::openmode)
{
    const int whence = way == std::ios_base::beg ? SEEK_SET : way == std::ios_base::cur ? SEEK_CUR : SEEK_END;
    if (!reason_.empty() || std::fseek(file_, static_cast<long>(offset), whence) != 0)
        return (failed(), pos_type(off_type(-1)));
    return pos_type(off_type(std::ftell(file_)));
}

CheckedFileBuffer::pos_type CheckedFileBuffer::seekpos(pos_type at, std::ios_base::openmode mode)
{
    return seekoff(off_type(at), std::ios_base::beg, mode);
}

bool CheckedFileBuffer::close()
{
    // A full disk often shows only when the last bytes leave the C library.
    const bool flushed = std::fflush(file_) == 0 || failed();
    const bool closed = std::fclose(file_) == 0 || failed();
    return flushed && closed && reason_.empty();
}

OutputFile::OutputFile(std::string path) : path_(std::move(path)), temporary_(output_temporary_path(path_)) {}

OutputFile::~OutputFile()
{
    abandon();
}

std::string OutputFile::error() const
{
    if (error_.empty() && buffer_ != nullptr && !buffer_->reason().empty())
        return path_ + ": cannot be written: " + buffer_->reason();
    return error_;
}

bool OutputFile::fail(const std::string& reason)
{
    error_ = path_ + ": cannot be written: " + reason;
    abandon();
    return false;
}

bool OutputFile::open()
{
    if (const auto refused = output_path_refusal(path_)) {
        error_ = *refused;
        return false;
    }
    std::error_code error;
    if (fs::symlink_status(utf8_path(temporary_), error).type() != fs::file_type::not_found ||
        listed_in_folder(utf8_path(temporary_))) {
        error_ = path_ + ": cannot be written: " + temporary_ +
                 " is in the way (the file it is made in, left by a run that was stopped; move it away)";
        return false;
    }
    std::FILE* file = open_utf8_file(temporary_, "wb");
    if (file == nullptr) {
        error_ = path_ + ": cannot be written: " + std::strerror(errno);
        return false;
    }
    made_ = true;
    buffer_ = std::make_unique<CheckedFileBuffer>(file);
    stream_.rdbuf(buffer_.get());
    stream_.clear();
    return true;
}

bool OutputFile::close_temporary()
{
    const bool closed = buffer_->close();
    const std::string reason = buffer_->reason();
    stream_.rdbuf(nullptr);
    buffer_.reset();
    return closed || fail(reason);
}

bool OutputFile::commit()
{
    if (!made_)
        return error_.empty() ? fail("it was never opened") : false;
    if (is_open() && !close_temporary())
        return false;
    std::error_code error;
    fs::rename(utf8_path(temporary_), utf8_path(path_), error);
    if (error)
        return fail(error.message());
    made_ = false;
    return true;
}

void OutputFile::abandon()
{
    if (is_open()) {
        buffer_->close();
        stream_.rdbuf(nullptr);
        buffer_.reset();
    }
    std::error_code error;
    if (made_)
        fs::remove(utf8_path(temporary_), error);
    made_ = false;
}

