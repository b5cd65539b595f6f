// The bench following its module file: a newer build takes the running
// module's place, and the session so far, flown again at full speed, brings
// the module's own state back (breakers, knobs, settings): the recording,
// the log of the commands applied so far, through an executor of its own
// on a loop of its own, which nothing records.
#include <sstream>

#include "host/bench/session.h"
#include "host/script/parse.h"

void BenchSession::follow_module_file()
{
    if (options_.follower == nullptr || crash_)
        return;
    std::string refused;
    const std::optional<ModuleOffer> offer = options_.follower->newer_module(seconds_since_start(), refused);
    if (offer) {
        reload(*offer);
    } else if (!refused.empty()) {
        report_ << "module not reloaded: " << refused << std::endl;
        bench_.set_note("module not reloaded: " + refused);
    }
}

void BenchSession::reload(const ModuleOffer& offer)
{
    if (const auto refused = module_refusal(offer.module)) {
        options_.follower->refuse();
        report_ << "module not reloaded: " << *refused << std::endl;
        bench_.set_note("module not reloaded: " + *refused);
        return;
    }
    const auto started = screen_.now();
    // The panel as it was stays on the screen should the new module crash.
    if (last_picture_ != nullptr) {
        kept_picture_ = *last_picture_;
        last_picture_ = &kept_picture_;
    }
    // Whatever happens from here, the old module's gauges end the way the
    // host ends them, with their kill codes.
    executor_.set_listener(nullptr);
    if (!guarded([&] { panel_.life.close(); }))
        return;
    options_.follower->take();
    panel_.start_over(offer.module);
    if (const auto refused = panel_.modules.connect()) {
        crashed("the new module cannot be driven: " + *refused);
        return;
    }
    tooltip_rest_ = TooltipRest{};

    const ParseResult session = parse(options_.recorder->text_so_far_closed(), "the session so far");
    std::ostringstream differences;
    FrameLoop restoring(panel_, platform_);
    ScenarioRunner runner(restoring, {.output_folder = ".", .watch = {}, .restoring = true}, differences);
    ScenarioResult result;
    if (!guarded([&] {
            if (session.ok())
                result = runner.run(session.program);
            panel_.life.open();
        }))
        return;
    loop_.panel_ran_elsewhere();
    options_.recorder->comment("module reloaded after frame " + std::to_string(panel_.life.frame_number()) + ": " +
                               offer.description);
    executor_.set_listener(options_.recorder);

    const auto took = std::chrono::duration<double, std::milli>(screen_.now() - started).count();
    report_ << "module reloaded: " << offer.description << "; " << result.frames << " frames flown again in "
            << static_cast<long>(took) << " ms";
    if (result.failures > 0)
        report_ << ", marks that show otherwise now: " << result.failures;
    if (!session.ok() || result.script_error)
        report_ << ", the session did not fly again: " << (session.ok() ? differences.str() : session.report());
    report_ << std::endl;
    bench_.set_note("module reloaded: " + offer.description);
}
