#pragma once
// A settings file the program cannot use, or a value in it that it cannot: the message names the
// file, and the key and its value when one is at fault.
#include <exception>
#include <string>

namespace tarvik {

struct SettingsProblem : std::exception {
    std::string Message;
    explicit SettingsProblem(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }
};

}  // namespace tarvik
