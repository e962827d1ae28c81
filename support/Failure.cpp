#include "support/Failure.h"

namespace tarvik {

namespace {

std::string classicDescription(int number) {
    switch (number) {
    case Overflow: return "Overflow";
    case DivisionByZero: return "Division by zero";
    case TypeMismatch: return "Type mismatch";
    case BadFileNameOrNumber: return "Bad file name or number";
    case FileNotFound: return "File not found";
    case BadFileMode: return "Bad file mode";
    case FileAlreadyOpen: return "File already open";
    case DeviceIOError: return "Device I/O error";
    case InputPastEndOfFile: return "Input past end of file";
    case TooManyFiles: return "Too many files";
    case PermissionDenied: return "Permission denied";
    case PathFileAccessError: return "Path/File access error";
    case PathNotFound: return "Path not found";
    default: return "Application-defined or object-defined error";
    }
}

}  // namespace

Failure::Failure(int number) : Number(number), Description(classicDescription(number)) {}

Failure::Failure(int number, std::string description)
    : Number(number), Description(std::move(description)) {}

std::string StandardFailureMessage(const Failure& failure) {
    return "Run-time error '" + std::to_string(failure.Number) + "':\n\n" + failure.Description;
}

}  // namespace tarvik
