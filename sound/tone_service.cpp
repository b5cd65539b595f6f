#include "sound/tone_service.h"

#include <cstdint>

#include "sound/alert_tone_player.h"
#include "sound/host_window.h"
#include "sound/sound_path.h"

namespace {

constexpr std::int32_t full_volume_hundredths_db = 0;

} // namespace

void tone_service_install()
{
    create_sound_device(find_host_window());
    char* path = build_sound_path(alert_tone_relative_path);
    load_tone(path);
    free_sound_path(path);
}

void tone_service_initialize()
{
    set_tone_volume(full_volume_hundredths_db);
}

void tone_service_kill()
{
    release_tone();
    release_sound_device();
}
