// `film FILE.mp4` films every frame from its line on, `film end` stops.
#include <fstream>

#include "host/scenario/runner.h"

void ScenarioRunner::film(const Words& w)
{
    if (w[1] == "end")
        end_film();
    else
        start_film(w[1]);
}

// A film that cannot be written is an error at its line, before any frame
// of it runs.
void ScenarioRunner::start_film(const std::string& name)
{
    end_film();
    const std::string path = output_path(name);
    if (!std::ofstream(path, std::ios::binary | std::ios::trunc))
        return script_error("cannot write " + path);
    film_ = std::make_unique<FilmWriter>(path, fps_, report_);
}

void ScenarioRunner::end_film()
{
    if (film_)
        film_->finish();
    film_.reset();
}
