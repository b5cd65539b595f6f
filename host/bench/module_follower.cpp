#include "host/bench/module_follower.h"

bool FileSettling::look_due(double now_seconds)
{
    if (now_seconds < next_look_seconds_)
        return false;
    next_look_seconds_ = now_seconds + look_every_seconds;
    return true;
}

bool FileSettling::ready(const FileStamp& seen)
{
    const bool still = seen == last_;
    last_ = seen;
    if (!still || !seen.exists || seen == done_)
        return false;
    done_ = seen;
    return true;
}
