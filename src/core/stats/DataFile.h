#pragma once
// The plain-text data files of the table dialogs: numbers (or formulas) separated by anything that cannot be
// part of one, read row by row into the data columns, and written one row a line.
#include <istream>
#include <string>
#include <vector>

using TDataRows = std::vector<std::vector<std::string>>;

// At most this many tokens are read into the point table, and into the sample table.
constexpr int TableFileTokenLimit = 1000;
constexpr int SampleFileTokenLimit = 15000;

// A token is a maximal run of "(", ")", "*", "+", "-", ".", "/", "0".."9", "A".."Z", "^", "a".."z"; every
// other character (blanks, tabs, line ends, commas, semicolons, letters outside ASCII) only separates tokens.
// Reading stops after maxTokens.
std::vector<std::string> ReadDataTokens(std::istream& in, int maxTokens);
// The tokens in rows of `columns` cells, left to right; the last row is padded with empty cells.
TDataRows RowsOfTokens(const std::vector<std::string>& tokens, int columns);
// Each cell followed by one blank, each row ending with CR LF.
std::string DataFileText(const TDataRows& rows);

// False when the file cannot be opened or read ("Помилка читання з файлу!"); rows then stay as they were.
bool ReadDataFile(const std::string& fileName, int columns, int maxTokens, TDataRows& rows);
// False when the file cannot be written whole ("Помилка запису у файл!").
bool WriteDataFile(const std::string& fileName, const TDataRows& rows);
