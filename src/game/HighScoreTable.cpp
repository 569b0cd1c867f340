#include "HighScoreTable.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/Files.h"

namespace {

constexpr int defaultScores[highScoreNS::ROWS] = {500, 400, 300, 250, 150, 100, 75, 50, 25, 10};
constexpr const char* defaultNames[highScoreNS::ROWS] = {"GRO", "CER", "USH", "GRO", "CER", "USH", "GRO", "CER", "USH", "GRO"};
// The table is twenty short lines; nothing past this much of a file is looked at.
constexpr std::streamsize readLimit = 4096;

bool isNameCharacter(unsigned char c) { return c > 32 && c != 127; }

// Splits the start of the file into whitespace-separated words.
std::vector<std::string> words(const std::string& text, std::size_t wanted)
{
    std::vector<std::string> result;
    std::string word;
    for (unsigned char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') {
            if (!word.empty()) result.push_back(word);
            word.clear();
            if (result.size() == wanted) return result;
        } else {
            word += static_cast<char>(c);
        }
    }
    if (!word.empty() && result.size() < wanted) result.push_back(word);
    return result;
}

bool parseScore(const std::string& word, int& value)
{
    if (word.empty() || word.size() > 11) return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(word.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < INT_MIN || parsed > INT_MAX) return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

HighScoreTable::HighScoreTable()
{
    setDefaults();
    std::ifstream probe(platform::nativePath(highScoreNS::HIGH_SCORE_FILE), std::ios::binary);
    if (!probe) {
        write();
        return;
    }
    probe.close();
    read();
}

void HighScoreTable::setDefaults()
{
    highScores.assign(defaultScores, defaultScores + highScoreNS::ROWS);
    highScoreNames.assign(defaultNames, defaultNames + highScoreNS::ROWS);
}

std::string HighScoreTable::cleanInitials(const std::string& typed)
{
    std::string clean;
    for (unsigned char c : typed) {
        if (isNameCharacter(c) && clean.size() < highScoreNS::MAX_INITIALS) clean += static_cast<char>(c);
    }
    return clean.empty() ? highScoreNS::NO_INITIALS : clean;
}

int HighScoreTable::read()
{
    std::ifstream file(platform::nativePath(highScoreNS::HIGH_SCORE_FILE), std::ios::binary);
    if (!file) {
        reportOnce(reportedRead, "read");
        return 0;
    }
    std::string text(static_cast<std::size_t>(readLimit), '\0');
    file.read(&text[0], readLimit);
    text.resize(static_cast<std::size_t>(file.gcount()));
    const std::vector<std::string> entries = words(text, 2 * highScoreNS::ROWS);

    // Read in order and stop at the first entry that is not what it should be:
    // everything from there on keeps the value it had.
    int read = 0;
    for (int row = 0; row < highScoreNS::ROWS; ++row, ++read) {
        int score = 0;
        if (static_cast<std::size_t>(read) >= entries.size() || !parseScore(entries[read], score)) return read;
        highScores[row] = score;
    }
    for (int row = 0; row < highScoreNS::ROWS; ++row, ++read) {
        if (static_cast<std::size_t>(read) >= entries.size()) return read;
        const std::string& name = entries[read];
        if (!std::all_of(name.begin(), name.end(), isNameCharacter)) return read;
        highScoreNames[row] = name.substr(0, highScoreNS::MAX_INITIALS);
    }
    return read;
}

bool HighScoreTable::write()
{
    if (!platform::makeDirectories(highScoreNS::SAVE_FOLDER)) {
        reportOnce(reportedWrite, "write");
        return false;
    }
    // Written beside the table and then put in its place, so that a crash in the
    // middle never leaves half a table behind.
    const std::string path = platform::nativePath(highScoreNS::HIGH_SCORE_FILE);
    const std::string temporary = path + ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        for (int score : highScores) file << score << "\r\n";
        for (const std::string& name : highScoreNames) file << name << "\r\n";
        file.flush();
        if (!file) {
            file.close();
            std::remove(temporary.c_str());
            reportOnce(reportedWrite, "write");
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        reportOnce(reportedWrite, "write");
        return false;
    }
    return true;
}

void HighScoreTable::reportOnce(bool& reported, const char* what)
{
    if (reported) return;
    reported = true;
    std::fprintf(stderr, "High scores: could not %s %s; the table is kept in memory.\n", what,
                 platform::nativePath(highScoreNS::HIGH_SCORE_FILE).c_str());
}

void HighScoreTable::submit(int score, const std::string& initials)
{
    // Scores and names move together, so every name keeps the score it was made with.
    std::vector<std::pair<int, std::string>> rows;
    for (int i = 0; i < highScoreNS::ROWS; ++i) rows.emplace_back(highScores[i], highScoreNames[i]);
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    if (rows.back().first < score) {
        const auto at = std::find_if(rows.begin(), rows.end(), [score](const auto& row) { return row.first <= score; });
        rows.insert(at, {score, cleanInitials(initials)});
        rows.pop_back();
    }
    for (int i = 0; i < highScoreNS::ROWS; ++i) {
        highScores[i] = rows[i].first;
        highScoreNames[i] = rows[i].second;
    }
    write();
}

void HighScoreTable::refresh() { read(); }
