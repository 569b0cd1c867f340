// The files the screens load and the frame grid the game expects of each.
#include "pictures.h"

namespace art {

const std::vector<Picture>& pictures() {
    static const std::vector<Picture> list = {
        {"kelbrinlogo.png", 341, 250, 10, 18, kelbrinLogo},
        {"vantrelgames.png", 1024, 461, 3, 3, vantrelGames},
        {"titlescreen3.png", 1024, 768, 1, 1, titleBackground},
        {"titlescreen.png", 1024, 768, 2, 2, titleOverlays},
        {"titlescreenui.png", 1024, 768, 6, 6, titleButtons},
        {"instructions1.png", 1024, 4100, 2, 2, instructions},
        {"credits.png", 1024, 1400, 2, 2, credits},
        {"highscore.png", 1024, 768, 1, 1, highScore},
        {"victory.png", 1024, 768, 1, 1, victory},
        {"gameover.png", 1024, 768, 1, 1, gameOver},
        {"highscorebox.png", 564, 300, 1, 1, highScoreBox},
    };
    return list;
}

}  // namespace art
