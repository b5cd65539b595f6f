// The film pipe on Windows: ffmpeg.exe found on PATH and started with
// CreateProcessA, Winsock connections on 127.0.0.1. Under Wine, where the
// Windows PATH holds no ffmpeg.exe, the Unix ffmpeg is started by its Unix
// path, which Wine's CreateProcess runs as a Unix program; it then reads
// Unix paths, which Wine's own export converts to.
#include "host/panel/film_pipe.h"

#include <winsock2.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr const char* encoder_exe = "ffmpeg.exe";
// Where a Debian machine under Wine keeps the Unix program, as seen from
// Windows and as Wine starts it.
constexpr const char* unix_encoder_seen = "Z:\\usr\\bin\\ffmpeg";
constexpr const char* unix_encoder = "/usr/bin/ffmpeg";

using UnixFileName = char*(CDECL*)(LPCWSTR);

// Wine's path conversion, present only under Wine.
UnixFileName wine_unix_file_name()
{
    return reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
}

bool under_wine_with_unix_encoder = false;

std::string find_encoder()
{
    char found[MAX_PATH];
    if (SearchPathA(nullptr, encoder_exe, nullptr, sizeof found, found, nullptr) != 0)
        return found;
    if (wine_unix_file_name() != nullptr && GetFileAttributesA(unix_encoder_seen) != INVALID_FILE_ATTRIBUTES) {
        under_wine_with_unix_encoder = true;
        return unix_encoder;
    }
    return "";
}

std::string encoder_path(const std::string& path)
{
    const UnixFileName convert = wine_unix_file_name();
    if (!under_wine_with_unix_encoder || convert == nullptr)
        return path;
    char full[MAX_PATH];
    if (GetFullPathNameA(path.c_str(), sizeof full, full, nullptr) == 0)
        return path;
    wchar_t wide[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, full, -1, wide, MAX_PATH) == 0)
        return path;
    char* unix_path = convert(wide);
    if (unix_path == nullptr)
        return path;
    std::string out = unix_path;
    HeapFree(GetProcessHeap(), 0, unix_path);
    return out;
}

FilmEncoder start_encoder(const std::string& command_line, std::string& error)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::vector<char> line(command_line.begin(), command_line.end());
    line.push_back('\0');
    // The encoder shares the host's console, where it says what went wrong.
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        error = "Windows error " + std::to_string(GetLastError());
        return no_film_encoder;
    }
    if (started.hThread != nullptr)
        CloseHandle(started.hThread);
    return reinterpret_cast<FilmEncoder>(started.hProcess);
}

int encoder_status(FilmEncoder encoder, int milliseconds)
{
    const auto process = reinterpret_cast<HANDLE>(encoder);
    DWORD status = 0;
    // Wine gives a Unix program a handle that cannot be waited on.
    const DWORD waited = WaitForSingleObject(process, static_cast<DWORD>(milliseconds));
    const bool ended = waited == WAIT_OBJECT_0 && GetExitCodeProcess(process, &status);
    CloseHandle(process);
    if (waited == WAIT_FAILED)
        return film_encoder_status_unknown;
    return ended ? static_cast<int>(status) : film_encoder_running;
}

bool winsock_ready()
{
    static const bool ready = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return ready;
}

FilmSocket listen_loopback(int& port)
{
    if (!winsock_ready())
        return no_film_socket;
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    if (listener == INVALID_SOCKET || bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(listener, 1) != 0 || getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        if (listener != INVALID_SOCKET)
            closesocket(listener);
        return no_film_socket;
    }
    port = ntohs(address.sin_port);
    return static_cast<FilmSocket>(listener);
}

FilmSocket accept_within(FilmSocket listener, int milliseconds)
{
    fd_set waiting;
    FD_ZERO(&waiting);
    FD_SET(static_cast<SOCKET>(listener), &waiting);
    timeval limit{milliseconds / 1000, (milliseconds % 1000) * 1000};
    if (select(0, &waiting, nullptr, nullptr, &limit) <= 0)
        return no_film_socket;
    const SOCKET connection = accept(static_cast<SOCKET>(listener), nullptr, nullptr);
    return connection == INVALID_SOCKET ? no_film_socket : static_cast<FilmSocket>(connection);
}

bool send_all(FilmSocket connection, const void* bytes, std::size_t count)
{
    // Winsock sends at most an int's worth at once.
    constexpr std::size_t most_at_once = 1 << 20;
    const auto* at = static_cast<const char*>(bytes);
    while (count > 0) {
        const int sent =
            send(static_cast<SOCKET>(connection), at, static_cast<int>(count < most_at_once ? count : most_at_once), 0);
        if (sent <= 0)
            return false;
        at += sent;
        count -= static_cast<std::size_t>(sent);
    }
    return true;
}

void end_sending(FilmSocket connection)
{
    shutdown(static_cast<SOCKET>(connection), SD_SEND);
}

bool wait_closed(FilmSocket connection, int milliseconds)
{
    for (;;) {
        fd_set waiting;
        FD_ZERO(&waiting);
        FD_SET(static_cast<SOCKET>(connection), &waiting);
        timeval limit{milliseconds / 1000, (milliseconds % 1000) * 1000};
        if (select(0, &waiting, nullptr, nullptr, &limit) <= 0)
            return false;
        char byte = 0;
        if (recv(static_cast<SOCKET>(connection), &byte, 1, 0) <= 0)
            return true;
    }
}

void close_socket(FilmSocket socket)
{
    if (socket != no_film_socket)
        closesocket(static_cast<SOCKET>(socket));
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
