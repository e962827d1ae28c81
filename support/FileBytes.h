#pragma once
// Opening and reading files with the classic runtime's failure numbers.
#include <cstdio>
#include <string>

#include "support/Failure.h"

namespace tarvik {

// fopen that raises the runtime's failure, and refuses directories.
std::FILE* OpenStream(const std::string& path, const char* fopenMode);

// Every byte of the file; a pipe or device giving more than 256 MiB is Path/File access error.
std::string ReadFileBytes(const std::string& path);

}  // namespace tarvik
