#include "DisplayModes.h"

std::size_t OfferedResolutions(const Text& edition) {
    if (edition.Equals("Maxor")) return 9;
    if (edition.Equals("Tessi")) return 7;
    if (edition.Equals("Varo")) return 6;
    return 5;
}

bool OffersDeepColour(const Text& edition) {
    return edition.Equals("Maxor");
}
