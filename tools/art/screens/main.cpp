// Writes every screen picture into the folder given (default resources/images).
#include "pictures.h"

#include <cstdio>
#include <exception>
#include <string>
#include <sys/stat.h>

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : "resources/images";
    mkdir(dir.c_str(), 0755);
    try {
        art::initFonts();
        for (const art::Picture& p : art::pictures()) {
            art::Surface s = p.make();
            art::writePng(s.get(), dir + "/" + p.file);
        }
        art::shutdownFonts();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "screen-art: %s\n", e.what());
        return 1;
    }
    return 0;
}
