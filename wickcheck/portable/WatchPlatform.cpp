// The portable back end starts no Windows program: there is nothing to watch.
#include "../Watch.h"

namespace Watch {

bool Record(LaunchOutcome, const LaunchCommand&, unsigned, Timeline&) {
    return false;
}

}  // namespace Watch
