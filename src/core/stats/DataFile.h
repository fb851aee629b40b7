#pragma once
// The plain-text data files of the table dialogs: numbers (or formulas) separated by anything that cannot be
// part of one, read row by row into the data columns, and written one row a line.
#include <string>
#include <vector>

// The data cells of a grid, row by row (no row numbers, no header).
using TGridRows = std::vector<std::vector<std::string>>;

// At most this many tokens are read into the point table.
constexpr int TableFileTokens = 1000;

// A token is a maximal run of "(", ")", "*", "+", "-", ".", "/", "0".."9", "A".."Z", "^", "a".."z"; every
// other character (blanks, tabs, line ends, commas, semicolons, letters outside ASCII) only separates tokens.
// At most maxTokens.
std::vector<std::string> DataFileTokens(const std::string& text, int maxTokens);
// Tokens into rows of the given width, left to right; the last row may be partly empty. One empty row for
// no tokens.
TGridRows TokensToRows(const std::vector<std::string>& tokens, int columns);
// One line per row, each cell followed by a blank, lines ended by CR LF.
std::string DataFileText(const TGridRows& rows);
// False when the file cannot be opened or read ("Помилка читання з файлу!"); rows then stay as they were.
bool ReadDataFile(const std::string& fileName, int maxTokens, int columns, TGridRows& rows);
// False when the file cannot be written whole ("Помилка запису у файл!"); an old file then stays.
bool WriteDataFile(const std::string& fileName, const TGridRows& rows);
