#pragma once
// A temporary game folder that is the current directory while a test runs.
#include <filesystem>
#include <string>

class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    // Writes a file below the folder (making its folders), bytes as given.
    void Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    // The platform's full path of a path relative to the folder.
    std::string FullPath(const std::string& relative) const;

private:
    std::filesystem::path root_;
    std::filesystem::path previous_;
};
