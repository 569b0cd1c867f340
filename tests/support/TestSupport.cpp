#include "TestSupport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <random>

namespace testing_support {

void prepareEnvironment()
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // Pixel results must not depend on the machine's graphics driver.
    setenv("SDL_RENDER_DRIVER", "software", 0);
    std::filesystem::current_path(repositoryRoot());
}

std::filesystem::path repositoryRoot() { return GROCERUSH_SOURCE_DIR; }

TempDir::TempDir()
{
    std::random_device device;
    dir = std::filesystem::temp_directory_path() / ("grocerush-test-" + std::to_string(getpid()) + "-" + std::to_string(device()));
    std::filesystem::create_directories(dir);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(dir, ignored);
}

GameFolder::GameFolder()
{
    std::filesystem::create_directory_symlink(repositoryRoot() / "resources", dir.path() / "resources");
    std::filesystem::current_path(dir.path());
}

GameFolder::~GameFolder() { std::filesystem::current_path(repositoryRoot()); }

void writePng(const std::filesystem::path& file, int width, int height, const std::vector<std::uint32_t>& argb)
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(argb.data()), width, height, 32,
                                                              width * 4, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(IMG_SavePNG(surface, file.string().c_str()), 0);
    SDL_FreeSurface(surface);
}

} // namespace testing_support

namespace {
struct Environment : ::testing::Environment {
    void SetUp() override { testing_support::prepareEnvironment(); }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new Environment);
} // namespace
