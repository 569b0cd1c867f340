#pragma once
// Files by the names the game uses ("resources\images\hud.png"): backslashes are the
// game's separators and become the system's here.

#include <cstddef>
#include <memory>
#include <string>

namespace platform {

std::string nativePath(const std::string& gamePath);

// A whole file mapped read-only into memory; the view stays valid until destroyed.
class MappedFile {
public:
    // Null if the file cannot be opened or mapped (an empty file maps to nothing).
    static std::unique_ptr<MappedFile> open(const std::string& gamePath);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    const unsigned char* data() const { return bytes; }
    std::size_t size() const { return length; }

private:
    MappedFile(const unsigned char* data, std::size_t size) : bytes(data), length(size) {}
    const unsigned char* bytes;
    std::size_t length;
};

// Makes the folder (and its parents) if it does not exist yet.
bool makeDirectories(const std::string& gamePath);

} // namespace platform
