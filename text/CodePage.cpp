#include "text/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString fromCp1250(const std::string& bytes) {
    QStringDecoder decode("windows-1250", QStringDecoder::Flag::Stateless);
    return decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string toCp1250(const QString& text) {
    QStringEncoder encode("windows-1250", QStringEncoder::Flag::Stateless);
    QByteArray bytes = encode(text);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::string toCp1250Line(const QString& text) {
    QString oneLine = text;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return toCp1250(oneLine);
}
