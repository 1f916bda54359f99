// Whether a file lies on media that cannot change while it is read: a file system mounted
// read-only (a CD, a read-only share, a snapshot). Only there may a reader tell SQLite that the
// file never changes and read it without locks.
#pragma once

#include <QString>

namespace store {

bool onReadOnlyMedia(const QString& file);

} // namespace store
