// `film FILE.mp4` films every frame from its line to the end of the
// scenario or to `film end`; whether the file can be written is checked
// before the first frame (runner.cpp).
#include "host/scenario/film_file.h"
#include "host/scenario/runner.h"

void ScenarioRunner::film(const Command& c)
{
    end_film();
    if (c.word(0) == "end")
        return;
    film_ = std::make_unique<FilmWriter>(output_path(c.word(0)), notes_);
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
