#pragma once

#include <string>

// The number of verses of the whole Bible: the largest table the program is
// meant to handle comfortably.
constexpr int BenchRowCount = 31102;

// Writes a new tip database at path with BenchRowCount unread tips: every
// book, chapter and verse in Bible order, texts of 100 to 200 characters of
// English-like words. The same rows on every run. Returns an empty text on
// success, else the engine's reason.
std::string makeBenchTable(const std::string &path);
