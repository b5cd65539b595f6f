#include "host/panel/film_writer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "host/panel/mp4_check.h"
#include "host/raster/contact_sheet.h"

namespace {

// Seconds the encoder has to connect, and to write its file once the
// streams have ended.
constexpr int accept_milliseconds = 30000;
constexpr int end_milliseconds = 120000;
// How far the encoder may fall behind before a frame waits for it.
constexpr std::size_t pictures_waiting_bytes = 256u << 20;
constexpr std::size_t samples_waiting_bytes = 16u << 20;
constexpr int rgb_bytes = 3;

std::string rate_text(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

// The picture as the encoder reads it: RGB rows at the film's even size,
// laid over the dark grey the contact sheet shows where nothing was drawn.
// `panel` holds the picture's RGBA pixels, `panel_width` of them a row (a
// panel keeps its size once open).
std::vector<std::uint8_t> rgb_frame(const std::vector<std::uint8_t>& panel, int panel_width, int width, int height)
{
    const int panel_height = static_cast<int>(panel.size() / sizeof(Rgba)) / std::max(panel_width, 1);
    const auto* pixels = reinterpret_cast<const Rgba*>(panel.data());
    std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * height * rgb_bytes);
    std::uint8_t* at = out.data();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, at += rgb_bytes) {
            Rgba shown = sheet_background;
            if (x < panel_width && y < panel_height)
                blend_pixel(shown, pixels[static_cast<std::size_t>(y) * panel_width + x]);
            at[0] = shown.r;
            at[1] = shown.g;
            at[2] = shown.b;
        }
    return out;
}

} // namespace

void FilmStream::start(FilmSocket listener, int accept_milliseconds)
{
    thread_ = std::thread([this, listener, accept_milliseconds] { run(listener, accept_milliseconds); });
}

void FilmStream::run(FilmSocket listener, int accept_milliseconds)
{
    const FilmPipePlatform& pipe = film_pipe_platform();
    const FilmSocket connection = pipe.accept_within(listener, accept_milliseconds);
    pipe.close(listener);
    std::unique_lock lock(mutex_);
    connection_ = connection;
    broken_ = connection == no_film_socket;
    for (;;) {
        changed_.wait(lock, [&] { return !chunks_.empty() || ended_; });
        if (chunks_.empty())
            return;
        std::vector<std::uint8_t> chunk = std::move(chunks_.front());
        chunks_.pop_front();
        waiting_ -= chunk.size();
        changed_.notify_all();
        if (broken_)
            continue;
        lock.unlock();
        const std::vector<std::uint8_t> ready = prepare_ ? prepare_(chunk) : std::move(chunk);
        const bool sent = pipe.send_all(connection, ready.data(), ready.size());
        lock.lock();
        broken_ = !sent;
    }
}

void FilmStream::push(std::vector<std::uint8_t> chunk)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return waiting_ < most_waiting_; });
    waiting_ += chunk.size();
    chunks_.push_back(std::move(chunk));
    changed_.notify_all();
}

bool FilmStream::end()
{
    {
        std::lock_guard lock(mutex_);
        ended_ = true;
        changed_.notify_all();
    }
    if (thread_.joinable())
        thread_.join();
    if (!broken_)
        film_pipe_platform().end_sending(connection_);
    return !broken_;
}

bool FilmStream::wait_closed(int milliseconds)
{
    const FilmPipePlatform& pipe = film_pipe_platform();
    const bool closed = !broken_ && pipe.wait_closed(connection_, milliseconds);
    pipe.close(connection_);
    connection_ = no_film_socket;
    return closed;
}

FilmWriter::FilmWriter(std::string path, std::ostream& report) : path_(std::move(path)), output_(path_), report_(report)
{
}

bool FilmWriter::failure(const std::string& reason)
{
    report_ << "film " << path_ << ": " << reason << "; " << path_ << " is left as it was\n";
    output_.abandon();
    failed_ = true;
    return false;
}

FilmWriter::~FilmWriter()
{
    finish();
}

bool FilmWriter::start(int width, int height, double frames_per_second)
{
    frames_per_second_ = frames_per_second;
    sound_.emplace(frames_per_second);
    const FilmPipePlatform& pipe = film_pipe_platform();
    const std::string encoder = pipe.find_encoder();
    if (encoder.empty())
        return failure("no ffmpeg found, so no film is written");
    if (!output_.open() || !output_.hand_over()) {
        report_ << output_.error() << "\n";
        return false;
    }
    width_ = width + width % 2;
    height_ = height + height % 2;
    int picture_port = 0, sound_port = 0;
    const FilmSocket picture_listener = pipe.listen_loopback(picture_port);
    const FilmSocket sound_listener = pipe.listen_loopback(sound_port);
    const std::string loopback = "tcp://127.0.0.1:";
    // Raw inputs need no probing: the encoder opens the second as soon as
    // the first is connected.
    const std::string raw_input = " -probesize 32 -analyzeduration 0";
    const std::string command = "\"" + encoder + "\" -nostdin -hide_banner -loglevel error -y" + raw_input +
        " -f rawvideo -pix_fmt rgb24 -video_size " + std::to_string(width_) + "x" + std::to_string(height_) +
        " -framerate " + rate_text(frames_per_second_) + " -i " + loopback + std::to_string(picture_port) + raw_input +
        " -f s16le -ar " + std::to_string(film_sound_rate) + " -ac " + std::to_string(film_sound_channels) + " -i " +
        loopback + std::to_string(sound_port) +
        " -map 0:v -map 1:a -c:v libx264 -preset veryfast -crf 18 -pix_fmt yuv420p"
        " -c:a aac -b:a 128k -movflags +faststart -f mp4 \"" +
        pipe.encoder_path(output_.temporary_path()) + "\"";
    std::string error;
    if (picture_listener == no_film_socket || sound_listener == no_film_socket) {
        error = "no loopback connection can be offered";
    } else if ((encoder_ = pipe.start_encoder(command, error)) != no_film_encoder) {
        pictures_ =
            std::make_unique<FilmStream>(pictures_waiting_bytes, [=, this](const std::vector<std::uint8_t>& rgba) {
                return rgb_frame(rgba, width, width_, height_);
            });
        samples_ = std::make_unique<FilmStream>(samples_waiting_bytes, nullptr);
        pictures_->start(picture_listener, accept_milliseconds);
        samples_->start(sound_listener, accept_milliseconds);
        return true;
    }
    pipe.close(picture_listener);
    pipe.close(sound_listener);
    return failure(encoder + " cannot be started (" + error + ")");
}

void FilmWriter::add_frame(const Image& panel, const std::vector<std::string>& sound_calls, HostPlatform& platform,
                           double frames_per_second)
{
    if (failed_ || finished_)
        return;
    if (frames_ == 0 && !start(panel.width, panel.height, frames_per_second)) {
        failed_ = true;
        return;
    }
    const auto* rgba = reinterpret_cast<const std::uint8_t*>(panel.pixels.data());
    pictures_->push({rgba, rgba + panel.pixels.size() * sizeof(Rgba)});
    const std::vector<std::int16_t> samples = sound_->frame(sound_calls, platform);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(samples.data());
    samples_->push({bytes, bytes + samples.size() * sizeof(std::int16_t)});
    ++frames_;
}

bool FilmWriter::finish()
{
    if (finished_)
        return !failed_;
    finished_ = true;
    if (failed_ || frames_ == 0)
        return !failed_;
    // The encoder ends only once both streams have ended.
    const auto last_frame = std::chrono::steady_clock::now();
    const bool pictures_sent = pictures_->end();
    const bool samples_sent = samples_->end();
    const bool pictures_closed = pictures_->wait_closed(end_milliseconds);
    const bool samples_closed = samples_->wait_closed(end_milliseconds);
    const int status = film_pipe_platform().encoder_status(encoder_, end_milliseconds);
    encoder_ = no_film_encoder;
    // The encoder's own last words, above on standard error, say why.
    if (status > 0)
        return failure("the encoder failed (exit status " + std::to_string(status) + ")");
    if (!(pictures_sent && samples_sent && pictures_closed && samples_closed))
        return failure("the encoder did not take the whole film");
    if (status == film_encoder_running)
        return failure("the encoder did not end");
    // Where no exit status can be had, the file itself must show it ended well.
    if (const auto broken = mp4_fault(output_.temporary_path()))
        return failure("the encoder left no whole film (" + *broken + ")");
    if (!output_.commit()) {
        report_ << output_.error() << "\n";
        failed_ = true;
        return false;
    }
    const double tail_ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - last_frame).count();
    report_ << "film: " << path_ << " (" << frames_ << " frames at " << rate_text(frames_per_second_)
            << " per second, written " << static_cast<long>(tail_ms) << " ms after its last frame)\n";
    return true;
}
