// The film pipe on a POSIX system: ffmpeg found on PATH, started through
// posix_spawnp, and TCP sockets on 127.0.0.1.
#include "host/panel/film_pipe.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

extern char** environ;

namespace {

constexpr const char* encoder_program = "ffmpeg";

std::string find_encoder()
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':'))
        if (!folder.empty() && access((folder + "/" + encoder_program).c_str(), X_OK) == 0)
            return folder + "/" + encoder_program;
    return "";
}

std::string encoder_path(const std::string& path)
{
    return path;
}

// The command line's words: blanks apart, "..." around a word with blanks.
std::vector<std::string> words_of(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, any = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (c == ' ' && !quoted) {
            if (any)
                words.push_back(word);
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any)
        words.push_back(word);
    return words;
}

FilmEncoder start_encoder(const std::string& command_line, std::string& error)
{
    // The encoder may end before the host has sent everything; that is an
    // error to report, not a signal to die of.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> words = words_of(command_line);
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int status = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (status != 0)
        error = std::strerror(status);
    return status == 0 ? static_cast<FilmEncoder>(pid) : no_film_encoder;
}

int encoder_status(FilmEncoder encoder, int milliseconds)
{
    constexpr int poll_milliseconds = 10;
    for (int waited = 0;; waited += poll_milliseconds) {
        int status = 0;
        const pid_t ended = waitpid(static_cast<pid_t>(encoder), &status, WNOHANG);
        if (ended < 0 && errno == EINTR)
            continue;
        if (ended < 0)
            return film_encoder_running;
        if (ended > 0)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        if (waited >= milliseconds)
            return film_encoder_running;
        usleep(poll_milliseconds * 1000);
    }
}

FilmSocket listen_loopback(int& port)
{
    const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(listener, 1) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        if (listener >= 0)
            ::close(listener);
        return no_film_socket;
    }
    port = ntohs(address.sin_port);
    return listener;
}

FilmSocket accept_within(FilmSocket listener, int milliseconds)
{
    pollfd waiting{.fd = static_cast<int>(listener), .events = POLLIN, .revents = 0};
    if (poll(&waiting, 1, milliseconds) <= 0)
        return no_film_socket;
    const int connection = accept4(static_cast<int>(listener), nullptr, nullptr, SOCK_CLOEXEC);
    return connection < 0 ? no_film_socket : connection;
}

bool send_all(FilmSocket connection, const void* bytes, std::size_t count)
{
    const auto* at = static_cast<const char*>(bytes);
    while (count > 0) {
        const ssize_t sent = send(static_cast<int>(connection), at, count, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        at += sent;
        count -= static_cast<std::size_t>(sent);
    }
    return true;
}

void end_sending(FilmSocket connection)
{
    shutdown(static_cast<int>(connection), SHUT_WR);
}

bool wait_closed(FilmSocket connection, int milliseconds)
{
    pollfd waiting{.fd = static_cast<int>(connection), .events = POLLIN, .revents = 0};
    char byte = 0;
    while (poll(&waiting, 1, milliseconds) > 0)
        if (recv(static_cast<int>(connection), &byte, 1, 0) <= 0)
            return true;
    return false;
}

void close_socket(FilmSocket socket)
{
    if (socket != no_film_socket)
        ::close(static_cast<int>(socket));
}

} // namespace

const FilmPipePlatform& film_pipe_platform()
{
    static const FilmPipePlatform platform = {
        // clang-format off
        .find_encoder    = find_encoder,
        .encoder_path    = encoder_path,
        .start_encoder   = start_encoder,
        .encoder_status  = encoder_status,
        .listen_loopback = listen_loopback,
        .accept_within   = accept_within,
        .send_all        = send_all,
        .end_sending     = end_sending,
        .wait_closed     = wait_closed,
        .close           = close_socket,
        // clang-format on
    };
    return platform;
}
