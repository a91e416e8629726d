// The portable back end starts no Windows program: there is nothing to watch.
#include "../Watch.h"

namespace Watch {

bool Possible() {
    return false;
}

void Record(LaunchOutcome, const LaunchCommand&, unsigned, Timeline&) {}

}  // namespace Watch
