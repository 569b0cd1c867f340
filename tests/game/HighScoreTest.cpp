#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/HighScoreTable.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Each case runs in a folder of its own, where "saveFiles" is the game's save folder.
class HighScores : public ::testing::Test {
protected:
    void SetUp() override { fs::current_path(dir.path()); }
    void TearDown() override { fs::current_path(testing_support::repositoryRoot()); }

    fs::path file() const { return dir.path() / "saveFiles" / "HighScores.txt"; }
    std::string fileText() const
    {
        std::ifstream in(file(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void writeFile(const std::string& text) const
    {
        fs::create_directories(dir.path() / "saveFiles");
        std::ofstream(file(), std::ios::binary) << text;
    }

    testing_support::TempDir dir;
};

const std::vector<int> defaultScores{500, 400, 300, 250, 150, 100, 75, 50, 25, 10};
const std::vector<std::string> defaultNames{"GRO", "CER", "USH", "GRO", "CER", "USH", "GRO", "CER", "USH", "GRO"};
const std::string defaultFile =
    "500\r\n400\r\n300\r\n250\r\n150\r\n100\r\n75\r\n50\r\n25\r\n10\r\n"
    "GRO\r\nCER\r\nUSH\r\nGRO\r\nCER\r\nUSH\r\nGRO\r\nCER\r\nUSH\r\nGRO\r\n";

TEST_F(HighScores, WithNoFileTheDefaultTableIsWrittenInTwentyLines)
{
    HighScoreTable table;
    EXPECT_EQ(table.scores(), defaultScores);
    EXPECT_EQ(table.names(), defaultNames);
    EXPECT_EQ(fileText(), defaultFile);
}

struct SubmitCase {
    const char* name;
    int score;
    std::vector<int> scores;
    std::vector<std::string> names;
};

class Submission : public HighScores, public ::testing::WithParamInterface<SubmitCase> {};

TEST_P(Submission, NamesStayWithTheirScoresAndTheTableKeepsTenRows)
{
    const SubmitCase& c = GetParam();
    HighScoreTable table;
    table.submit(c.score, "NEW");
    EXPECT_EQ(table.scores(), c.scores);
    EXPECT_EQ(table.names(), c.names);
    HighScoreTable reread; // what the file holds now
    EXPECT_EQ(reread.scores(), c.scores);
    EXPECT_EQ(reread.names(), c.names);
    const std::string text = fileText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);
}

INSTANTIATE_TEST_SUITE_P(
    HighScoreTable, Submission,
    ::testing::Values(
        SubmitCase{"Sixty", 60, {500, 400, 300, 250, 150, 100, 75, 60, 50, 25},
                   {"GRO", "CER", "USH", "GRO", "CER", "USH", "GRO", "NEW", "CER", "USH"}},
        // Equal to the tenth score: it does not enter, and nobody's initials move.
        SubmitCase{"Ten", 10, defaultScores, defaultNames},
        // Equal to a score in the table: above the older one, once.
        SubmitCase{"Hundred", 100, {500, 400, 300, 250, 150, 100, 100, 75, 50, 25},
                   {"GRO", "CER", "USH", "GRO", "CER", "NEW", "USH", "GRO", "CER", "USH"}},
        SubmitCase{"Five", 5, defaultScores, defaultNames},
        SubmitCase{"Best", 9999, {9999, 500, 400, 300, 250, 150, 100, 75, 50, 25},
                   {"NEW", "GRO", "CER", "USH", "GRO", "CER", "USH", "GRO", "CER", "USH"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct InitialsCase {
    const char* name;
    std::string typed;
    std::string stored;
};

class Initials : public HighScores, public ::testing::WithParamInterface<InitialsCase> {};

TEST_P(Initials, SurviveTheFileWithoutShiftingAnyName)
{
    const InitialsCase& c = GetParam();
    {
        HighScoreTable table;
        table.submit(1000, c.typed);
        table.submit(450, "ZZZ");
    }
    HighScoreTable reread;
    EXPECT_EQ(reread.names()[0], c.stored);
    EXPECT_EQ(reread.names()[2], "ZZZ") << "the names after it are where they belong";
    EXPECT_EQ(reread.names()[9], "CER") << "two entries pushed the last two names out";
    EXPECT_EQ(reread.scores()[0], 1000);
}

INSTANTIATE_TEST_SUITE_P(HighScoreTable, Initials,
                         ::testing::Values(InitialsCase{"ThreeLetters", "abc", "abc"},
                                           InitialsCase{"TwoLettersAndEnter", "ab\r", "ab"},
                                           InitialsCase{"EnterAlone", "\r", "---"},
                                           InitialsCase{"Nothing", "", "---"},
                                           InitialsCase{"Spaces", "a b", "ab"},
                                           InitialsCase{"ControlCharacters", "\x1b\t\n", "---"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FileCase {
    const char* name;
    std::string contents;
    std::vector<int> scores;
    std::vector<std::string> names;
};

class DamagedFile : public HighScores, public ::testing::WithParamInterface<FileCase> {};

TEST_P(DamagedFile, LeavesWhatCannotBeReadAtTheDefaults)
{
    const FileCase& c = GetParam();
    writeFile(c.contents);
    HighScoreTable table;
    EXPECT_EQ(table.scores(), c.scores);
    EXPECT_EQ(table.names(), c.names);
    table.submit(20000, "WIN");
    EXPECT_EQ(table.scores()[0], 20000);
}

INSTANTIATE_TEST_SUITE_P(
    HighScoreTable, DamagedFile,
    ::testing::Values(
        FileCase{"LineFeedsOnly", "9\n8\n7\n6\n5\n4\n3\n2\n1\n0\nA\nB\nC\nD\nE\nF\nG\nH\nI\nJ\n", {9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
                 {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}},
        FileCase{"Truncated", "900\r\n800\r\n70", {900, 800, 70, 250, 150, 100, 75, 50, 25, 10}, defaultNames},
        FileCase{"Empty", "", defaultScores, defaultNames},
        FileCase{"TooLargeForAnInt", "99999999999999999999\r\n1\r\n", defaultScores, defaultNames},
        FileCase{"NotANumber", "700\r\nlots\r\n", {700, 400, 300, 250, 150, 100, 75, 50, 25, 10}, defaultNames},
        FileCase{"BinaryJunk", std::string("\x01\xff\x00\x7f junk", 10), defaultScores, defaultNames},
        FileCase{"NamesMissing", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\nONE\n", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                 {"ONE", "CER", "USH", "GRO", "CER", "USH", "GRO", "CER", "USH", "GRO"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HighScores, AHugeFileIsReadOnlyAsFarAsTheTable)
{
    std::string big = defaultFile;
    big.append(10 * 1024 * 1024, 'x');
    writeFile(big);
    HighScoreTable table;
    EXPECT_EQ(table.scores(), defaultScores);
    EXPECT_EQ(table.names(), defaultNames);
}

TEST_F(HighScores, AMissingFolderIsMadeAndAnUnwritableOneKeepsTheTableInMemory)
{
    {
        HighScoreTable table;
        EXPECT_TRUE(fs::exists(file()));
    }
    fs::remove_all(dir.path() / "saveFiles");
    std::ofstream(dir.path() / "saveFiles") << "a file where the folder should be";
    testing::internal::CaptureStderr();
    HighScoreTable table;
    table.submit(600, "MEM");
    table.submit(700, "TWO");
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(table.scores()[0], 700);
    EXPECT_EQ(table.names()[1], "MEM");
    EXPECT_NE(errors.find("High scores"), std::string::npos);
    EXPECT_EQ(errors.find("High scores"), errors.rfind("High scores")) << "reported once";
}

TEST_F(HighScores, AFailedWriteLeavesTheOldFileWhole)
{
    HighScoreTable table;
    // A folder in the way of the temporary file makes the write fail before the swap.
    fs::create_directories(file().string() + ".new");
    testing::internal::CaptureStderr();
    table.submit(999, "BAD");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(fileText(), defaultFile);
}

} // namespace
