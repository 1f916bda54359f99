// One PLU on the wire: the read request (command 0x04) with its 54-byte reply record, and the write
// request (command 0x23) built from a table row. readPlu and writePlu perform one exchange each
// through a command runner: the main window passes its runCommand (message box and status display),
// the command-line tool the bare command with a message on stderr.
#pragma once

#include "link/Command.h"
#include "plu/PluTable.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <functional>

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

// A PLU as the scale holds it after a write of a row: its number and the written fields, the 44
// bytes from price to valid date of the 0x23 request, exactly as they go on the wire. Two rows hold
// the same PLU when these bytes agree, whatever their texts ("1.5" and "1.50"). Empty fields: the
// scale holds no such PLU (a negative price; PLU 0 is always held).
struct PluImage {
    uint16_t plu;
    QByteArray fields;
    bool present() const { return !fields.isEmpty(); }
};
constexpr int kPluWrittenBytes = 44;

// The image of row as a write would leave it on the scale; throws ConversionError like putPluRecord.
PluImage pluImage(const PluTable& table, int row);
// The texts of the written fields, PRICE to Valid Date (columns 1 to 9), as a read of the PLU would
// show them in the table and the PLU file write them.
QStringList pluImageTexts(const QByteArray& fields);

// Reads PLU plu into row over the line: kPluRead, kPluExchangeFailed or kPluAbsent.
int readPlu(const ScaleLine& line, PluTable& table, uint16_t plu, uint16_t row);
// The first column of the row whose text a write cannot convert (NUM, PRICE, CODE ...), -1 when
// every one converts: where to point an operator whose file a push refused.
int unconvertibleColumn(const PluTable& table, int row);
// Writes row index + 1 over the line. True when sent and acknowledged, or when the row's PRICE is
// empty (nothing is sent); false when the exchange failed. Throws ConversionError before sending.
bool writePlu(const ScaleLine& line, const PluTable& table, uint16_t index);
