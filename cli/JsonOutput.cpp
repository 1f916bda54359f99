#include "cli/JsonOutput.h"

#include "cli/Cli.h"
#include "text/Numbers.h"

#include <QJsonDocument>
#include <sstream>
#include <streambuf>

namespace {

// Forwards every character to the real stream's buffer and keeps it.
class TeeBuffer : public std::streambuf {
public:
    explicit TeeBuffer(std::streambuf* target) : target(target) {}
    std::string kept;

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        kept.push_back(traits_type::to_char_type(c));
        return target->sputc(traits_type::to_char_type(c));
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        kept.append(s, static_cast<size_t>(n));
        return target->sputn(s, n);
    }
    int sync() override { return target->pubsync(); }

private:
    std::streambuf* target;
};

// Drops everything written to it.
class NullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

} // namespace

struct JsonPortStreams::Buffers {
    explicit Buffers(std::ostream& err) : tee(err.rdbuf()), errStream(&tee), outStream(&null) {}
    TeeBuffer tee;
    NullBuffer null;
    std::ostream errStream;
    std::ostream outStream;
};

JsonPortStreams::JsonPortStreams(std::ostream& err) : buffers(std::make_unique<Buffers>(err)) {}
JsonPortStreams::~JsonPortStreams() = default;

std::ostream& JsonPortStreams::out() {
    return buffers->outStream;
}
std::ostream& JsonPortStreams::err() {
    return buffers->errStream;
}

std::string JsonPortStreams::line(const std::string& port, int exitCode, const QJsonObject& result) const {
    // Written field by field so that the keys keep the documented order (QJsonObject sorts them).
    auto compact = [](const QJsonValue& value) {
        QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        return array.mid(1, array.size() - 2).toStdString();
    };
    const bool ok = exitIsAnswer(exitCode);
    const QJsonValue error =
        ok ? QJsonValue() : QString::fromLocal8Bit(messagesOnOneLine(buffers->tee.kept, exitCode));
    return "{\"port\":" + compact(QString::fromLocal8Bit(port)) + ",\"ok\":" + (ok ? "true" : "false") +
           ",\"exit\":" + std::to_string(exitCode) + ",\"error\":" + compact(error) +
           ",\"result\":" + compact(result) + "}";
}

bool exitIsAnswer(int exitCode) {
    return exitCode == kExitOk || exitCode == kExitDiffers;
}

QString hexText(const uint8_t* bytes, size_t count) {
    QString text;
    for (size_t i = 0; i < count; ++i)
        text += (i ? QStringLiteral(" ") : QString()) +
                QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0'));
    return text.toUpper();
}

QJsonValue cellValue(const QString& text) {
    if (text.isEmpty())
        return QJsonValue();
    double value = 0;
    int error = 0;
    tryParseFloat(text, value, error);
    return error == 0 ? QJsonValue(value) : QJsonValue(text);
}
