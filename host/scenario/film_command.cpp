// `film FILE.mp4` films every frame from its line to the end of the
// scenario or to `film end`.
#include "host/scenario/film_file.h"
#include "host/scenario/runner.h"

void ScenarioRunner::film(const Words& w)
{
    const bool ending = w[1] == "end";
    const std::string path = output_path(w[1]);
    // A film that cannot be written is an error at its line while the
    // scenario is checked, before any frame flies.
    if (const auto refused = ending ? std::nullopt : film_file_refusal(path))
        return output_failure(*refused);
    if (only_checking())
        return;
    end_film();
    if (ending)
        return;
    film_ = std::make_unique<FilmWriter>(path, report_);
    loop_.add_observer(*film_);
}

void ScenarioRunner::end_film()
{
    if (!film_)
        return;
    loop_.remove_observer(*film_);
    // The film has said why it is not written.
    if (!film_->finish())
        result_.output_failed = true;
    film_.reset();
}
