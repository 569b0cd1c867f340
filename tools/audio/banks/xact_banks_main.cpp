// xact-banks: writes "Wave Bank.xwb" and "Sound Bank.xsb" from 16-bit PCM WAV files.
//
//   xact-banks --out DIR {--effect NAME WAV | --music NAME WAV}...
//
// Cue indices follow the order of the arguments.

#include "XactBanks.h"

#include <cstring>
#include <iostream>

namespace {

int usage(const char* why) {
    std::cerr << "xact-banks: " << why << "\n"
              << "usage: xact-banks --out DIR {--effect NAME WAV | --music NAME WAV}...\n"
              << "  --effect  a sound that plays once (category Default)\n"
              << "  --music   a sound that loops until stopped (category Music)\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string outDir;
    std::vector<audio::CueSource> sources;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--out") == 0) {
            if (i + 1 >= argc) return usage("--out needs a directory");
            outDir = argv[++i];
        } else if (std::strcmp(arg, "--effect") == 0 || std::strcmp(arg, "--music") == 0) {
            if (i + 2 >= argc) return usage("a cue needs a name and a WAV file");
            const auto kind = arg[2] == 'm' ? audio::CueKind::Music : audio::CueKind::Effect;
            sources.push_back({argv[i + 1], kind, argv[i + 2]});
            i += 2;
        } else {
            return usage((std::string("unknown argument ") + arg).c_str());
        }
    }
    if (outDir.empty()) return usage("no --out directory");
    if (sources.empty()) return usage("no cues");

    try {
        audio::writeBanks(audio::loadCues(sources), outDir);
    } catch (const audio::BankError& e) {
        std::cerr << "xact-banks: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
