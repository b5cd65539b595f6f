// The film's way out of the host: the encoder program (ffmpeg) started in
// the background, which connects back to the host over the loopback
// network twice, once for the pictures and once for the sound, and reads
// both as raw streams. A connection works the same on Windows, under Wine
// (where the encoder may be the Unix program itself) and natively, where a
// pipe into a Windows program started under Wine would not reach it.
//
// Bound at link time, like the module's sound platform: each host program
// links its system's binding (host/win32/film_pipe_win32.cpp,
// host/native/film_pipe_posix.cpp, host/web/film_pipe_none.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

using FilmSocket = std::intptr_t;
inline constexpr FilmSocket no_film_socket = -1;
// The running encoder, as the system names its process.
using FilmEncoder = std::intptr_t;
inline constexpr FilmEncoder no_film_encoder = -1;
// The encoder's exit status when it did not end in time, and when the
// system has none to give (a Unix encoder started under Wine).
inline constexpr int film_encoder_running = -1;
inline constexpr int film_encoder_status_unknown = -2;

struct FilmPipePlatform {
    // The encoder's program as the system starts it; empty where there is none.
    std::string (*find_encoder)();
    // A file's path as the encoder reads it: a Unix program under Wine
    // reads Unix paths.
    std::string (*encoder_path)(const std::string& path);
    // Starts the encoder on that command line without waiting for it;
    // no_film_encoder with the system's reason.
    FilmEncoder (*start_encoder)(const std::string& command_line, std::string& error);
    // Waits up to that long for the encoder to end: its exit status, 0
    // when its file is whole, film_encoder_running or
    // film_encoder_status_unknown. Called once, after which the process is
    // forgotten.
    int (*encoder_status)(FilmEncoder encoder, int milliseconds);
    // A listening socket on the loopback address, its port in `port`.
    FilmSocket (*listen_loopback)(int& port);
    // The first connection to the listener, or no_film_socket after that long.
    FilmSocket (*accept_within)(FilmSocket listener, int milliseconds);
    bool (*send_all)(FilmSocket connection, const void* bytes, std::size_t count);
    // Ends the stream: the encoder reads its end.
    void (*end_sending)(FilmSocket connection);
    // Waits up to that long for the encoder to close its end, which it
    // does once it has read every stream to its end, written its file and
    // ended; false when it did not.
    bool (*wait_closed)(FilmSocket connection, int milliseconds);
    void (*close)(FilmSocket socket);
};

const FilmPipePlatform& film_pipe_platform();
