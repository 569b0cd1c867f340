#pragma once
// The exception every fatal set-up failure throws; the entry point shows its message.

#include <exception>
#include <string>

namespace gameErrorNS {
constexpr int FATAL_ERROR = -1;
constexpr int WARNING = 1;
} // namespace gameErrorNS

class GameError : public std::exception {
public:
    GameError() noexcept : errorCode(gameErrorNS::FATAL_ERROR), message("Undefined Error in game.") {}
    GameError(int code, const std::string& text) : errorCode(code), message(text) {}
    GameError(const GameError& other) = default;
    GameError& operator=(const GameError& other) = default;
    ~GameError() noexcept override = default;

    const char* what() const noexcept override { return message.c_str(); }
    int getErrorCode() const noexcept { return errorCode; }
    const std::string& getMessage() const noexcept { return message; }

private:
    int errorCode;
    std::string message;
};
