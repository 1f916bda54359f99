// A transfer that keeps the scale's record: what each exchange proves goes into the scale's record
// as soon as it succeeded, and a PLU about to be written is forgotten first, so that a write that
// dies on the way leaves the PLU unknown rather than recorded with its old fields.
#pragma once

#include "plu/PluTransfer.h"
#include "store/ScaleRecords.h"

#include <map>

// Sets hooks.unsure and hooks.proved to keep `records` (the scale already selected; null: no record
// is kept) and to put every image proved into `seen` (what a read of the scale found, or the rows a
// write got acknowledged).
void keepRecord(TransferHooks& hooks, store::ScaleRecords* records, std::map<int, QByteArray>& seen);
