#pragma once
// What the command-line modes print: texts of documents may hold control characters and escape sequences,
// which a terminal would obey instead of showing; and output that cannot be written is a failure.
#include <cstdio>
#include <string>
#include <string_view>

// The text with every control character but line feed and tab, and every byte that is not UTF-8, shown as
// "?"; "\r\n" line ends become "\n".
std::string TerminalSafe(std::string_view text);

// Writes the text whole and flushes; false with the system's reason in error otherwise.
bool WriteWhole(std::FILE* stream, const std::string& text, std::string& error);
