#include "../Files.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

std::string nativePath(const std::string& gamePath)
{
    std::string path = gamePath;
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

std::unique_ptr<MappedFile> MappedFile::open(const std::string& gamePath)
{
    const int fd = ::open(nativePath(gamePath).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) {
        ::close(fd);
        return nullptr;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    void* view = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd); // the mapping keeps the file's pages reachable on its own
    if (view == MAP_FAILED) return nullptr;
    return std::unique_ptr<MappedFile>(new MappedFile(static_cast<const unsigned char*>(view), size));
}

MappedFile::~MappedFile()
{
    if (bytes) munmap(const_cast<unsigned char*>(bytes), length);
}

bool makeDirectories(const std::string& gamePath)
{
    const std::string path = nativePath(gamePath);
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i != path.size() && path[i] != '/') continue;
        const std::string part = path.substr(0, i);
        if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace platform
