#include "DisplayModes.h"

const Edition* EditionNamed(const Text& edition) {
    for (const Edition& known : kEditions)
        if (edition.Equals(known.name)) return &known;
    return nullptr;
}

namespace {

const Edition& EditionOrFirst(const Text& edition) {
    const Edition* known = EditionNamed(edition);
    return known ? *known : kEditions[0];
}

}  // namespace

std::size_t OfferedResolutions(const Text& edition) {
    return EditionOrFirst(edition).resolutions;
}

bool OffersDeepColour(const Text& edition) {
    return EditionOrFirst(edition).deepColour;
}
