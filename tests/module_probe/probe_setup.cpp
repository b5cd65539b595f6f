#include "probe_setup.h"

#include <fstream>

std::string tone_path(const ProbeSetup& setup)
{
    return setup.folder + "\\gauges\\zor_sound.wav";
}

bool write_file(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}
