#pragma once
// The one failure type of the program: a number and a description, as the classic runtime reports them.
#include <exception>
#include <string>

namespace tarvik {

// The classic runtime's numbers for the failures the program can meet.
enum FailureNumber : int {
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    BadFileMode = 54,
    FileAlreadyOpen = 55,
    DeviceIOError = 57,
    InputPastEndOfFile = 62,
    TooManyFiles = 67,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
};

struct Failure : std::exception {
    int Number;
    std::string Description;

    // Takes the runtime's own description for the number.
    explicit Failure(int number);
    Failure(int number, std::string description);

    const char* what() const noexcept override { return Description.c_str(); }
};

// "Run-time error 'N':", an empty line, then the description: what an unhandled failure shows.
std::string StandardFailureMessage(const Failure& failure);

}  // namespace tarvik
