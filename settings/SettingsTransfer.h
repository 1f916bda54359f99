// The settings on the wire and the two fixed sequences of 54 exchanges that copy them to the scale
// (SEND) and from it (LOAD): the settings record, four clerk names, eight receipt lines, forty
// department names and the tax table, in that order. Each sequence stops at the first exchange that
// fails; what was sent stays sent, and what was read is already in the record.
#pragma once

#include "link/Command.h"
#include "settings/Settings.h"

#include <cstdint>
#include <optional>

constexpr uint8_t kSendSettingsCommand = 0x22;
constexpr uint8_t kSendClerkCommand = 0x25;
constexpr uint8_t kSendLineCommand = 0x21;
constexpr uint8_t kSendDepartmentCommand = 0x26;
constexpr uint8_t kSendTaxesCommand = 0x28;
constexpr uint8_t kReadSettingsCommand = 0x05;
constexpr uint8_t kReadClerkCommand = 0x06;
constexpr uint8_t kReadLineCommand = 0x0A;
constexpr uint8_t kReadDepartmentCommand = 0x09;
constexpr uint8_t kReadTaxesCommand = 0x0B;

constexpr uint8_t kBarcodeWidth = 16;
constexpr uint8_t kCurrencyWidth = 3;
constexpr uint8_t kClerkNameWidth = 16;
constexpr uint8_t kReceiptLineWidth = 32;
constexpr uint8_t kDepartmentWidth = 16;
constexpr int kSettingsExchangeCount = 1 + kClerkNameCount + kReceiptLineCount + kDepartmentNameCount + 1;

// The currency as it travels: "EUR" goes as the single byte 0x80, the euro sign of the code page.
std::string currencyBytes(const QString& currency);
// The euro sign alone, which a currency field that held "EUR" shows while it is being sent.
QString euroSign();

// The 0x22 payload, the 56-byte settings record. Throws ConversionError for a baud rate or darkness
// that is no whole number or a rate that is no decimal number, in that order, before anything is put.
void putSettingsRecord(FrameLink& link, const Settings& settings);
// The 0x28 payload, the eight rates in hundredths; throws ConversionError for a rate that is no
// decimal number (an empty one included).
void putTaxTable(FrameLink& link, const Settings& settings);
// Decodes the record at the link's cursor into settings, each value as its control would take it.
void takeSettingsRecord(FrameLink& link, Settings& settings);

// SEND. False when an exchange failed (the runner has reported it). Throws ConversionError as the
// put functions do: from the record before the first exchange, from the tax table after the 53rd.
bool sendSettings(const ScaleLine& line, const Settings& settings);
// LOAD into settings. False when an exchange failed; the values read before it are in settings.
bool loadSettings(const ScaleLine& line, Settings& settings);

// The scale's current rate in hundredths, read with one 0x05; nothing when the exchange failed.
std::optional<int32_t> readScaleRate(const ScaleLine& line);
