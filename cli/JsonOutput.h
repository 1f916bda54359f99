// scalectl --format json: for every port one JSON object on a line of its own,
//
//   {"port": "COM1", "ok": true, "exit": 0, "error": null, "result": {...}}
//
// so that a configuration-management engine reads each scale's outcome without parsing texts. The
// job runs as in text mode; what it would print is dropped (standard output carries the objects
// alone), its messages still go to standard error and also become the object's "error". The
// "result" is what the job put into PortRun::result. The helpers below are the shared shapes of
// the commands' results.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

// A job's streams in JSON mode: out discards, err writes through to the real stream and keeps a
// copy for the port's "error".
class JsonPortStreams {
public:
    explicit JsonPortStreams(std::ostream& err);
    ~JsonPortStreams();
    JsonPortStreams(const JsonPortStreams&) = delete;
    JsonPortStreams& operator=(const JsonPortStreams&) = delete;

    std::ostream& out();
    std::ostream& err();
    // The port's object, compact, without the line end.
    std::string line(const std::string& port, int exitCode, const QJsonObject& result) const;

private:
    struct Buffers;
    std::unique_ptr<Buffers> buffers;
};

// True for the exit codes that are answers rather than failures: 0, and 5 (a diff that found
// differences).
bool exitIsAnswer(int exitCode);

// Bytes as upper-case hexadecimal pairs separated by blanks ("04 00 41").
QString hexText(const uint8_t* bytes, size_t count);
// A cell's text as a JSON number when it reads as one in the regional notation (the cores format
// with the regional separator), else as the text itself; an empty cell is null.
QJsonValue cellValue(const QString& text);
