// Whether a film can be written at a path: it is no folder, device or FIFO,
// and its folder takes the temporary file the film is made in (tried, and
// taken away again, so that a run that ends without a film leaves none and
// what was at the path stays as it was). Asked before the first frame of
// the film, so that a film that cannot be written stops the run before its
// flight.
#pragma once

#include <optional>
#include <string>

#include "host/base/output_file.h"

// Why not, naming the file; nullopt when it can.
inline std::optional<std::string> film_file_refusal(const std::string& path)
{
    OutputFile trial(path);
    if (!trial.open())
        return trial.error();
    return std::nullopt;
}
