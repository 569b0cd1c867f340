#pragma once
// Shared set-up for the test programs: headless SDL drivers, the repository as the
// working directory (the game finds resources/ there), and small helpers.

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// Sets the headless drivers (unless the caller chose others) and moves to the repository root.
void prepareEnvironment();

std::filesystem::path repositoryRoot();

// A fresh, empty folder that is removed when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return dir; }

private:
    std::filesystem::path dir;
};

// A folder to run the game in: the repository's resources, and a saveFiles of its
// own, so that tests never share or touch the real high-score file. The working
// directory is the folder while the object lives.
class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    const std::filesystem::path& path() const { return dir.path(); }

private:
    TempDir dir;
};

// Writes an ARGB picture as PNG.
void writePng(const std::filesystem::path& file, int width, int height, const std::vector<std::uint32_t>& argb);

} // namespace testing_support
