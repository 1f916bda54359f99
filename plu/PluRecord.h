// One PLU on the wire: the read request (command 0x04) with its 54-byte reply record, and the write
// request (command 0x23) built from a table row. readPlu and writePlu perform one exchange each
// through a command runner: the main window passes its runCommand (message box and status display),
// the command-line tool the bare command with a message on stderr.
#pragma once

#include "link/FrameLink.h"
#include "plu/PluTable.h"

#include <cstdint>
#include <functional>

// Sends the request built on theLink with the given code; false when the exchange failed (the
// runner has reported it). Afterwards theLink's cursor is at reply byte 2.
using CommandRunner = std::function<bool(uint8_t code)>;

constexpr uint8_t kReadPluCommand = 0x04;
constexpr uint8_t kWritePluCommand = 0x23;
constexpr uint8_t kEndPluUploadCommand = 0x27;
constexpr uint8_t kPluRecordBytes = 54;
constexpr uint8_t kPluNameWidth = 30;

// readPlu's results.
constexpr int kPluRead = 0;
constexpr int kPluExchangeFailed = 1;
constexpr int kPluAbsent = 2;

// The 0x04 request payload for one PLU number.
void putPluQuery(FrameLink& link, uint16_t plu);
// Decodes the record at link's cursor into the 13 cells of row. False, with the row untouched, when
// the PLU is absent (a negative price; PLU 0 is shown whatever its price).
bool takePluRecord(FrameLink& link, uint16_t plu, PluTable& table, int row);
// The 0x23 request payload from row; throws ConversionError for a cell that does not convert.
void putPluRecord(FrameLink& link, const PluTable& table, int row);

// Reads PLU plu into row over theLink: kPluRead, kPluExchangeFailed or kPluAbsent.
int readPlu(const CommandRunner& runCommand, PluTable& table, uint16_t plu, uint16_t row);
// Writes row index + 1 over theLink. True when sent and acknowledged, or when the row's PRICE is
// empty (nothing is sent); false when the exchange failed. Throws ConversionError before sending.
bool writePlu(const CommandRunner& runCommand, const PluTable& table, uint16_t index);
