// Writes a film of the panel: every frame's picture and the tone as sound,
// encoded by ffmpeg into an H.264 MP4 that browsers and players open
// (yuv420p, even width and height; a panel of odd size gets a dark edge).
// The frames go to the encoder from threads of their own, so a frame of
// the run costs a copy of its picture and nothing more; only when the
// encoder falls far behind does the run wait for it.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "host/base/output_file.h"
#include "host/panel/film_pipe.h"
#include "host/panel/film_sound_track.h"
#include "host/panel/frame_loop.h"
#include "host/raster/image.h"

// Byte chunks on their way to one of the encoder's connections, each made
// ready to send on the stream's own thread.
class FilmStream {
public:
    using Prepare = std::function<std::vector<std::uint8_t>(const std::vector<std::uint8_t>&)>;
    FilmStream(std::size_t most_bytes_waiting, Prepare prepare)
        : most_waiting_(most_bytes_waiting), prepare_(std::move(prepare))
    {
    }
    void start(FilmSocket listener, int accept_milliseconds);
    void push(std::vector<std::uint8_t> chunk);
    // Sends what is left and ends the stream; false when the connection
    // never came or broke.
    bool end();
    // Then waits for the encoder to close it; false when it did not.
    bool wait_closed(int milliseconds);

private:
    void run(FilmSocket listener, int accept_milliseconds);

    std::size_t most_waiting_;
    Prepare prepare_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::vector<std::uint8_t>> chunks_;
    std::size_t waiting_ = 0;
    bool ended_ = false;
    bool broken_ = false;
    FilmSocket connection_ = no_film_socket;
    std::thread thread_;
};

class FilmWriter : public FrameObserver {
public:
    // `report` hears, once, why no film is written, and where it is at the
    // end. The encoder writes the film as an output file
    // (host/base/output_file.h), put in place only when it ended well.
    FilmWriter(std::string path, std::ostream& report);
    ~FilmWriter() override;

    // The picture after a frame and that frame's sound calls. The first
    // frame starts the encoder at the picture's size and the run's pace,
    // which the film keeps.
    void add_frame(const Image& panel, const std::vector<std::string>& sound_calls, HostPlatform& platform,
                   double frames_per_second);
    // Every frame of the loop it watches.
    void frame_ran(FrameLoop& loop, const FrameResult& frame) override
    {
        add_frame(loop.picture(), frame.sound_requests, loop.platform(), loop.pace().frames_per_second);
    }
    // Ends the film; true when the encoder wrote it whole and it is in
    // place, or no frame was filmed; false when no film was written, which
    // `report` has heard.
    bool finish();

private:
    bool start(int width, int height, double frames_per_second);
    bool failure(const std::string& reason);

    std::string path_;
    OutputFile output_;
    FilmEncoder encoder_ = no_film_encoder;
    std::ostream& report_;
    double frames_per_second_ = 0.0;
    std::optional<FilmSoundTrack> sound_;
    std::unique_ptr<FilmStream> pictures_, samples_;
    int width_ = 0, height_ = 0; // even
    long frames_ = 0;
    bool failed_ = false; // said once; the run goes on without a film
    bool finished_ = false;
};
