#pragma once
// What a pack cut short (a killed program, a power cut) can leave beside a database, and
// its repair. A pack keeps a complete database at the database's path at every moment:
//   the work file ".TbB" is written (its header counts 0 records until all are written) and
//   flushed; then a copy of the old file, ".TbO", is written and flushed; the work file is
//   renamed over the database; ".TbO" is renamed to ".Bak"; the folder is flushed.
// So a ".TbB" left over means the database is still the old one, and a ".TbO" without a
// ".TbB" is a complete copy of the old file whose pack has finished. A running pack holds the
// lock of the file at the database's path from its start to its end (the old file until the
// swap, then the work file that took its place), so whoever holds that lock knows that no
// pack runs, and only then are the pack's files taken for leftovers.

#include "engine/FileName.h"
#include "engine/FileSystem.h"

#include <chrono>
#include <string>

namespace tabulo {

// Repairs, before an open: puts a database back when only its pack files remain, and clears
// the leftovers of a pack that is no longer running. patience: how long to wait for the lock
// that a running pack (or another copy's write) holds. Returns what was done, one sentence a
// line (CR LF); empty when there was nothing to do.
std::string RecoverCutShortPack(FileSystem& fs, const PackFileNames& names,
                                std::chrono::milliseconds patience);

// The same for a pack about to start, which holds the database file's lock already; it goes
// on without a word, as its own files replace what an earlier one left.
void ClearPackLeftovers(FileSystem& fs, const PackFileNames& names);

// Whether a pack of the database runs now: the lock of the file at its path stays busy for
// the patience, or that file changes meanwhile.
bool PackIsRunning(FileSystem& fs, const PackFileNames& names, std::chrono::milliseconds patience);

// A work file that a pack finished: a usable header counting at least one record, and exactly
// that many records after it.
bool IsFinishedWorkFile(FileSystem& fs, const FilePath& path);

} // namespace tabulo
