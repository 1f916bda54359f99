// The command-line tool's "plu" commands, over the already opened theLink. They run the same record
// and transfer code as the PLU tab; messages go to stderr with the program's own texts.
//
// Exit codes: 0 done, 1 "Communication Error!", 3 a bad input file
// ("error in input file", or a cell that does not convert), 4 "I/O Error!", 64 a range outside 1 to
// 1799 (2 stays the tool's "Cannot initialize COM port!").
#pragma once

#include <string>

// Reads PLU 0, PLU 1800 and PLUs from to to, as Load From SCALE does, and writes them as a PLU text
// file to outFile (stdout when empty). Nothing is written when an exchange fails.
int pluPull(int from, int to, const std::string& outFile);

// Loads file with the rules of Load From DISK, then sends every row under its own NUM in file order
// (command 0x23) and closes the upload (0x27). A bad file is refused before anything is sent.
int pluPush(const std::string& file);
