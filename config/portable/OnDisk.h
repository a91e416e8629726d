#pragma once
// Paths as the portable back end finds them on a Linux disk: '\\' and '/'
// both separate folders, and a name that does not stand as written is
// looked up in its folder without regard to letter case.
#include <sys/stat.h>

#include <string>

namespace platform {

std::string WithSlashes(const char* path);
bool Exists(const std::string& path, struct stat* info = nullptr);
// The path as it stands on disk.
std::string OnDisk(const char* path);

}  // namespace platform
