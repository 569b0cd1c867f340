#include "Replay.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <sstream>

#include "platform/Direct3D.h"
#include "platform/Messages.h"
#include "platform/Timer.h"

namespace app {

namespace {

struct Name {
    const char* name;
    unsigned value;
};

constexpr Name keyNames[] = {
    {"LEFT", VK_LEFT},   {"RIGHT", VK_RIGHT}, {"UP", VK_UP},     {"DOWN", VK_DOWN},   {"RETURN", VK_RETURN},
    {"ESCAPE", VK_ESCAPE}, {"SPACE", VK_SPACE}, {"HOME", VK_HOME}, {"PRIOR", VK_PRIOR}, {"NEXT", VK_NEXT},
    {"BACK", VK_BACK},   {"MENU", VK_MENU},   {"OEM_3", VK_OEM_3},
};

constexpr Name buttonNames[] = {
    {"UP", XINPUT_GAMEPAD_DPAD_UP},       {"DOWN", XINPUT_GAMEPAD_DPAD_DOWN},
    {"LEFT", XINPUT_GAMEPAD_DPAD_LEFT},   {"RIGHT", XINPUT_GAMEPAD_DPAD_RIGHT},
    {"START", XINPUT_GAMEPAD_START},      {"BACK", XINPUT_GAMEPAD_BACK},
    {"A", XINPUT_GAMEPAD_A},              {"B", XINPUT_GAMEPAD_B},
    {"X", XINPUT_GAMEPAD_X},              {"Y", XINPUT_GAMEPAD_Y},
    {"RSHOULDER", XINPUT_GAMEPAD_RIGHT_SHOULDER}, {"LSHOULDER", XINPUT_GAMEPAD_LEFT_SHOULDER},
};

bool number(const std::string& word, long low, long high, long& value)
{
    if (word.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(word.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high) return false;
    value = parsed;
    return true;
}

bool keyCode(const std::string& word, UINT& key)
{
    for (const Name& n : keyNames) {
        if (word == n.name) {
            key = n.value;
            return true;
        }
    }
    if (word.size() == 1 && ((word[0] >= 'A' && word[0] <= 'Z') || (word[0] >= '0' && word[0] <= '9'))) {
        key = static_cast<UINT>(word[0]);
        return true;
    }
    long value = 0;
    if ((word[0] >= '0' && word[0] <= '9') && number(word, 1, 255, value)) {
        key = static_cast<UINT>(value);
        return true;
    }
    return false;
}

bool buttonBits(const std::string& word, WORD& bits)
{
    long value = 0;
    if (word.rfind("0x", 0) == 0 || word.rfind("0X", 0) == 0) {
        if (!number(word, 0, 0xFFFF, value)) return false;
        bits = static_cast<WORD>(value);
        return true;
    }
    bits = 0;
    std::stringstream names(word);
    std::string part;
    while (std::getline(names, part, '|')) {
        bool found = false;
        for (const Name& n : buttonNames) {
            if (part == n.name) {
                bits |= static_cast<WORD>(n.value);
                found = true;
            }
        }
        if (!found) return false;
    }
    return true;
}

std::string fail(int line, const std::string& why) { return "line " + std::to_string(line) + ": " + why; }

std::string jsonString(const std::string& s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string jsonNumber(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

const char* jsonBool(bool value) { return value ? "true" : "false"; }

} // namespace

bool ReplayScript::parse(const std::string& text, ReplayScript& script, std::string& error)
{
    script.list.clear();
    std::stringstream lines(text);
    std::string rawLine;
    int lineNumber = 0;
    while (std::getline(lines, rawLine)) {
        ++lineNumber;
        if (!rawLine.empty() && rawLine.back() == '\r') rawLine.pop_back();
        std::string line = rawLine;
        const bool typing = line.rfind("type ", 0) == 0;
        // A "#" starts a comment everywhere but inside the text of a type command.
        if (!typing) line = line.substr(0, line.find('#'));
        std::stringstream words(line);
        std::string verb;
        if (!(words >> verb)) continue;
        std::vector<std::string> args;
        for (std::string w; words >> w;) args.push_back(w);

        ReplayCommand c{};
        c.line = lineNumber;
        auto expect = [&](std::size_t low, std::size_t high) {
            if (args.size() < low || args.size() > high) {
                error = fail(lineNumber, "'" + verb + "' takes " + (low == high ? std::to_string(low) : std::to_string(low) + " to " + std::to_string(high)) + " argument" + (high == 1 ? "" : "s"));
                return false;
            }
            return true;
        };
        if (verb == "frametime") {
            if (!expect(1, 1)) return false;
            char* end = nullptr;
            c.seconds = std::strtod(args[0].c_str(), &end);
            if (*end != '\0' || !(c.seconds > 0) || c.seconds > 10) {
                error = fail(lineNumber, "frame time must be a number of seconds above 0 and at most 10");
                return false;
            }
            c.kind = ReplayCommand::FRAMETIME;
        } else if (verb == "run") {
            if (!expect(1, 1)) return false;
            if (!number(args[0], 0, 10000000, c.count)) {
                error = fail(lineNumber, "run needs a whole number of frames");
                return false;
            }
            c.kind = ReplayCommand::RUN;
        } else if (verb == "press" || verb == "hold" || verb == "release" || verb == "repeat") {
            if (!expect(1, 1)) return false;
            if (!keyCode(args[0], c.key)) {
                error = fail(lineNumber, "unknown key '" + args[0] + "'");
                return false;
            }
            c.kind = verb == "press" ? ReplayCommand::PRESS
                     : verb == "hold" ? ReplayCommand::HOLD
                     : verb == "release" ? ReplayCommand::RELEASE : ReplayCommand::REPEAT;
        } else if (verb == "type") {
            c.kind = ReplayCommand::TYPE;
            c.text = rawLine.substr(5);
        } else if (verb == "pad") {
            if (!expect(1, 3)) return false;
            if (args[0] == "none") {
                if (args.size() != 1) {
                    error = fail(lineNumber, "'pad none' takes nothing after it");
                    return false;
                }
                c.kind = ReplayCommand::PAD_NONE;
            } else {
                c.kind = ReplayCommand::PAD;
                if (!buttonBits(args[0], c.buttons)) {
                    error = fail(lineNumber, "unknown buttons '" + args[0] + "'");
                    return false;
                }
                long lt = 0, rt = 0;
                if (args.size() == 2) {
                    error = fail(lineNumber, "give both triggers or neither");
                    return false;
                }
                if (args.size() == 3 && (!number(args[1], 0, 255, lt) || !number(args[2], 0, 255, rt))) {
                    error = fail(lineNumber, "triggers go from 0 to 255");
                    return false;
                }
                c.leftTrigger = static_cast<BYTE>(lt);
                c.rightTrigger = static_cast<BYTE>(rt);
            }
        } else if (verb == "shot") {
            if (!expect(1, 1)) return false;
            c.kind = ReplayCommand::SHOT;
            c.text = args[0];
        } else if (verb == "state" || verb == "quit") {
            if (!expect(0, 0)) return false;
            c.kind = verb == "state" ? ReplayCommand::STATE : ReplayCommand::QUIT;
        } else {
            error = fail(lineNumber, "unknown command '" + verb + "'");
            return false;
        }
        script.list.push_back(c);
    }
    return true;
}

std::string ReplayScript::describe(Session& session, Grocerush& game)
{
    std::ostringstream s;
    s << "{\"frame\":" << session.framesRun() << ",\"time\":" << jsonNumber(platform::virtualClockSeconds());
    s << ",\"active\":[";
    bool first = true;
    for (const auto& state : game.getStates()) {
        if (!state->getActive()) continue;
        s << (first ? "" : ",") << jsonString(state->getName());
        first = false;
    }
    Player& player = *game.getPlayer();
    s << "],\"score\":" << player.score << ",\"secondsLeft\":" << game.secondsLeft
      << ",\"clockRunning\":" << jsonBool(game.clockRunning) << ",\"collectedCount\":" << game.collectedCount
      << ",\"collected\":[";
    first = true;
    for (std::size_t kind = 0; kind < game.productCollected.size(); ++kind) {
        if (!game.productCollected[kind]) continue;
        s << (first ? "" : ",") << kind;
        first = false;
    }
    s << "],\"player\":{\"x\":" << jsonNumber(player.getX()) << ",\"y\":" << jsonNumber(player.getY())
      << ",\"speed\":" << jsonNumber(player.speed) << ",\"frame\":" << player.getCurrentFrame()
      << ",\"startTimer\":" << jsonNumber(player.startTimer) << "}";
    s << ",\"listTally\":" << game.listTally << ",\"boostActive\":" << jsonBool(game.boostActive)
      << ",\"basketWeight\":" << game.basketWeight << ",\"weighed\":" << jsonBool(game.weighed)
      << ",\"onScales\":" << jsonBool(game.onScales) << ",\"scalesTimer\":" << jsonNumber(game.scalesTimer)
      << ",\"binPromptHidden\":" << jsonBool(game.binPromptHidden) << ",\"gameOverShown\":" << jsonBool(game.gameOverShown)
      << ",\"menuVisible\":" << jsonBool(game.menuVisible) << ",\"instructionsScroll\":" << jsonNumber(game.instructionsScroll)
      << ",\"paused\":" << jsonBool(game.getPaused()) << ",\"fpsOn\":" << jsonBool(game.getFpsOn())
      << ",\"consoleVisible\":" << jsonBool(game.getConsole() && game.getConsole()->getVisible()) << ",\"highScores\":[";
    const auto& scores = game.getHighScores().scores();
    const auto& names = game.getHighScores().names();
    for (std::size_t row = 0; row < scores.size(); ++row) {
        s << (row ? "," : "") << "[" << scores[row] << "," << jsonString(names[row]) << "]";
    }
    s << "]}";
    return s.str();
}

bool ReplayScript::run(Session& session, Grocerush& game, std::ostream& out, std::ostream& errors) const
{
    for (const ReplayCommand& c : list) {
        if (session.quit()) break;
        switch (c.kind) {
        case ReplayCommand::FRAMETIME: session.setFrameTime(c.seconds); break;
        case ReplayCommand::RUN: session.frames(static_cast<int>(c.count)); break;
        case ReplayCommand::PRESS: session.press(c.key); break;
        case ReplayCommand::HOLD:
        case ReplayCommand::REPEAT: session.keyDown(c.key); break;
        case ReplayCommand::RELEASE: session.keyUp(c.key); break;
        case ReplayCommand::TYPE: session.typeText(c.text); break;
        case ReplayCommand::PAD: session.pad(c.buttons, c.leftTrigger, c.rightTrigger); break;
        case ReplayCommand::PAD_NONE: session.padNone(); break;
        case ReplayCommand::STATE: out << describe(session, game) << "\n" << std::flush; break;
        case ReplayCommand::QUIT: return true;
        case ReplayCommand::SHOT: {
            std::vector<std::uint32_t> pixels;
            int width = 0, height = 0;
            IDirect3DDevice9* device = game.getGraphics() ? game.getGraphics()->getDevice() : nullptr;
            if (!device || !platform::lastFrame(*device, pixels, width, height)
                || !platform::savePng(c.text.c_str(), pixels, width, height)) {
                errors << "line " << c.line << ": could not write the screenshot " << c.text << "\n";
                return false;
            }
            break;
        }
        }
    }
    return true;
}

} // namespace app
