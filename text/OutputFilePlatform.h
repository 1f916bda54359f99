// What the output writer (OutputFile.cpp) asks of the operating system: one source file per system,
// chosen in CMake (OutputFilePosix.cpp, OutputFileWin32.cpp).
#pragma once

#include <QByteArray>
#include <QString>

// What a path names, a link counting as what it points to: nothing yet, a folder, a regular file,
// or something else (a device, a pipe); Unknown when the system cannot tell (`why` says why).
enum class PathKind { Missing, Folder, RegularFile, Other, Unknown };
PathKind pathKind(const QString& path, QString& why);

// Writes `bytes` to a device or a pipe that exists, as it is; never creates anything in its place.
// Returns the failure, empty when done.
QString writeAsItIs(const QString& path, const QByteArray& bytes);

inline QString outputFailure(const QString& path, const QString& why) {
    return path + QStringLiteral(": ") + why;
}
