// The mount's read-only flag, as statvfs reports it.
#include "store/ReadOnlyMedia.h"

#include <QFile>
#include <sys/statvfs.h>

namespace store {

bool onReadOnlyMedia(const QString& file) {
    struct statvfs mount {};
    return statvfs(QFile::encodeName(file).constData(), &mount) == 0 && (mount.f_flag & ST_RDONLY) != 0;
}

} // namespace store
