#pragma once
// Single values of a profile file, each read into a text of fixed capacity.
// The file is named by its full path, always the last argument.
#include <cstddef>

#include "FixedText.h"

// How a value stood in the file.
enum class ValueState {
    Missing,  // no such file, section or key: out holds the fallback
    Whole,    // out holds the whole value
    Cut,      // longer than the capacity holds: out holds its first capacity-1 characters
};

namespace ProfileStore {

// The value, at most capacity-1 characters (capacity: the smaller of the
// given one and the text's), or the fallback when file, section or key is
// missing. Returns the count delivered: 0 for a key with an empty value.
std::size_t ReadValue(const char* section, const char* key, const char* fallback,
                      std::size_t capacity, Text& out, const char* path);

// As ReadValue, for a value that must not be used cut. A value that fits is
// delivered whole, also where the platform delivers a quoted value one
// character short when it just fills the buffer.
ValueState ReadWholeValue(const char* section, const char* key, const char* fallback, std::size_t capacity,
                          Text& out, const char* path);

// Creates file, section and key as needed; false when the file could not be
// written, and then nothing changed.
bool WriteValue(const char* section, const char* key, const char* value, const char* path);

}  // namespace ProfileStore
