#include "TextureManager.h"

#include <cctype>
#include <fstream>

#include "GameError.h"
#include "platform/Files.h"

TextureManager::TextureManager() : graphics(nullptr), initialized(false), hr(E_FAIL) {}

TextureManager::~TextureManager()
{
    for (auto& texture : textures) texture.reset();
}

bool TextureManager::initialize(Graphics* g, std::string file)
{
    graphics = g;
    for (char& c : file) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string listSuffix = ".txt";
    const std::size_t at = file.rfind(listSuffix);
    if (file.size() >= listSuffix.size() && at == file.size() - listSuffix.size()) {
        std::ifstream list(platform::nativePath(file));
        if (!list) return false;
        std::string name;
        // Only lines that end in a line feed count; a last unfinished line is left out.
        while (true) {
            std::getline(list, name);
            if (!list || list.eof()) break;
            fileNames.push_back(name);
            widths.push_back(0);
            heights.push_back(0);
            textures.emplace_back();
        }
    } else {
        fileNames.push_back(file);
        widths.push_back(0);
        heights.push_back(0);
        textures.emplace_back();
    }
    for (UINT i = 0; i < fileNames.size(); ++i) load(i);
    initialized = true;
    return true;
}

void TextureManager::load(UINT n)
{
    hr = graphics ? graphics->loadTexture(fileNames[n].c_str(), graphicsNS::TRANSCOLOR, widths[n], heights[n], textures[n])
                  : E_FAIL;
    if (FAILED(hr)) textures[n].reset();
}

void TextureManager::onLostDevice()
{
    if (!initialized) return;
    try {
        for (auto& texture : textures) texture.reset();
    } catch (...) {
        throw GameError(gameErrorNS::WARNING, "Warning, TextureManager onLostDevice attempted to access an invalid texture.");
    }
}

void TextureManager::onResetDevice()
{
    if (!initialized) return;
    for (UINT i = 0; i < fileNames.size(); ++i) load(i);
}
