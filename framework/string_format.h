// printf-style formatting into a std::string, for the program's message texts.
#pragma once
#include <string>

std::string FormatString(const char* format, ...) __attribute__((format(printf, 1, 2)));
