// The one way every file the programs write is written. A regular file (or a new one) is written
// beside itself and renamed over the old one once whole, so a failed write leaves the earlier file as
// it was, and the folder is synced so that the rename outlives a power cut. Where the new file would
// not be the same file to its users (another owner or group, hard links, an access list or extended
// attributes), or the folder takes no new file while the file itself may be written, the file is
// emptied and written in place, then synced. A symlink stays a symlink and its target is written.
// Anything else that exists at the path (a character device such as /dev/null, a named pipe,
// /dev/stdout on a pipe) is opened and written as it is: a rename would put a regular file in the
// device's place, for every program of the machine. "-" is standard output, as in every Unix tool.
#pragma once

#include <QByteArray>
#include <QString>
#include <iostream>

// The name that means standard output.
inline const QString kStandardOutputName = QStringLiteral("-");

// Empty when the bytes were written whole; otherwise why not, naming the path
// ("/srv/x/PLU.TXT: the folder does not exist"). A folder, or a path in a folder that does not
// exist, is refused before anything is touched. standardOutput is where "-" goes.
QString writeOutputFile(const QString& path, const QByteArray& bytes,
                        std::ostream& standardOutput = std::cout);
