#include "GameFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

#include "Platform.h"

namespace fs = std::filesystem;

GameFolder::GameFolder() : previous_(fs::current_path()) {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    // Always as long: the rows of paths at the platform's limit count on it.
    std::string digits = std::to_string(stamp % 1000000000);
    root_ = fs::temp_directory_path() /
            ("tw-" + std::string(9 - digits.size(), '0') + digits + "-" + std::to_string(counter++));
    fs::create_directories(root_);
    fs::current_path(root_);
}

GameFolder::~GameFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::permissions(root_, fs::perms::all, ignored);
    for (auto& entry : fs::recursive_directory_iterator(root_, ignored))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
}

void GameFolder::Write(const std::string& relative, const std::string& bytes) const {
    fs::path file = root_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    ASSERT_TRUE(out.good()) << file;
}

std::string GameFolder::Read(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool GameFolder::Exists(const std::string& relative) const {
    return fs::exists(root_ / relative);
}

std::string GameFolder::FullPath(const std::string& relative) const {
    FixedText<kMaxPath> full;
    platform::FullPath(relative.c_str(), full);
    return full.Get();
}
