// The web build's binding of the film pipe: a page, and Node running the
// host's program, start no encoder, so a film is said to be impossible
// there and the run writes everything else.
#include "host/panel/film_pipe.h"

namespace {

std::string no_encoder()
{
    return {};
}

std::string same_path(const std::string& path)
{
    return path;
}

FilmEncoder cannot_start(const std::string&, std::string& error)
{
    error = "the web build starts no programs";
    return no_film_encoder;
}

int no_status(FilmEncoder, int)
{
    return film_encoder_status_unknown;
}

FilmSocket no_listener(int&)
{
    return no_film_socket;
}

FilmSocket no_connection(FilmSocket, int)
{
    return no_film_socket;
}

bool cannot_send(FilmSocket, const void*, std::size_t)
{
    return false;
}

void nothing_to_end(FilmSocket) {}

bool never_closed(FilmSocket, int)
{
    return false;
}

} // namespace

const FilmPipePlatform& film_pipe_platform()
{
    static const FilmPipePlatform platform{.find_encoder = no_encoder,
                                           .encoder_path = same_path,
                                           .start_encoder = cannot_start,
                                           .encoder_status = no_status,
                                           .listen_loopback = no_listener,
                                           .accept_within = no_connection,
                                           .send_all = cannot_send,
                                           .end_sending = nothing_to_end,
                                           .wait_closed = never_closed,
                                           .close = nothing_to_end};
    return platform;
}
