#pragma once
// The ten best scores with the players' initials, kept in memory and in the file
// "saveFiles\HighScores.txt": ten scores, then the ten initials, one a line. A file
// that cannot be written or read never stops the game: the table lives on in memory.

#include <string>
#include <vector>

namespace highScoreNS {
constexpr const char* SAVE_FOLDER = "saveFiles";
constexpr const char* HIGH_SCORE_FILE = "saveFiles\\HighScores.txt";
constexpr int ROWS = 10;
// Shown, and stored, for a player who typed no initials: the file is read as
// whitespace-separated words, so a name may never be empty or hold a space.
constexpr const char* NO_INITIALS = "---";
constexpr std::size_t MAX_INITIALS = 3;
} // namespace highScoreNS

class HighScoreTable {
public:
    // Reads the file, or writes the default table when there is none.
    HighScoreTable();

    void submit(int score, const std::string& initials);
    // Reads the file again (it may have been changed by the other program); what
    // cannot be read keeps the table in memory.
    void refresh();

    const std::vector<int>& scores() const { return highScores; }
    const std::vector<std::string>& names() const { return highScoreNames; }

    static std::string cleanInitials(const std::string& typed);

private:
    void setDefaults();
    // Reads the file over the table; returns how many of its twenty entries were read.
    int read();
    bool write();
    void reportOnce(bool& reported, const char* what);

    std::vector<int> highScores;
    std::vector<std::string> highScoreNames;
    bool reportedWrite = false;
    bool reportedRead = false;
};
