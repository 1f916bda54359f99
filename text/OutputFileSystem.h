// What the one file writer asks of the operating system: one source file per system supplies these
// functions (chosen in CMake), the choices between them are made in OutputFile.cpp. Paths are
// already resolved: a symlink's target, never the link itself.
#pragma once

#include <QByteArray>
#include <QString>

namespace outputfile {

enum class Found { Nothing, Folder, RegularFile, Other };

// What is at path; on Found::Nothing with a non-empty error, why it could not be told.
Found lookAt(const QString& path, QString& error);

enum class Existing {
    AsItIs, // a device or a pipe: written from where it stands
    Whole,  // a regular file: emptied first, and on the disk before the write counts as done
};
// Writes into what exists at path, creating nothing. Empty when the bytes were written whole,
// otherwise the system's reason.
QString writeExisting(const QString& path, const QByteArray& bytes, Existing how);

enum class Replaced {
    Done,          // a temporary file beside path, renamed over it, the folder synced
    Failed,        // error says why
    WouldLose,     // the file has what a new file in its place would not: another owner or group,
                   // another name (a hard link), an access list or extended attributes
    FolderRefused, // the folder takes no new file (no right to it, a read-only medium)
};
Replaced writeReplacing(const QString& path, const QByteArray& bytes, QString& error);

} // namespace outputfile
