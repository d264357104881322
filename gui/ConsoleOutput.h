#pragma once

#include <string>

// Writes the text to standard output at once. When it cannot be written whole (a full disk, a
// closed descriptor, a pipe whose reader has gone), says so on standard error as
// "PROGRAM: write error: REASON" and returns false; the caller then exits with kExitWriteError.
bool WriteStandardOutput(const std::string& text, const std::string& program);

// The exit status of a program whose output could not be written, as spanwise-cli's.
constexpr int kExitWriteError = 4;
