#pragma once
// What a pack cut short (a killed program, a power cut) can leave beside a database, and
// its repair. A pack keeps a complete database at the database's path at every moment:
//   work file ".TbB" written (its header counts 0 records until all are written), flushed;
//   the old file given the second name ".TbO"; the work file renamed over the database;
//   ".TbO" renamed to ".Bak"; the folder flushed.
// A pack that runs holds the lock of the old file throughout, so a file that another copy is
// still working on is never touched.

#include "engine/FileName.h"

#include <chrono>
#include <string>

namespace tabulo {

// Repairs, before an open: puts a database back when only its pack files remain, and clears
// the leftovers of a pack that is no longer running. patience: how long to wait for the lock
// of a file that another copy may hold. Returns what was done, one sentence a line (CR LF);
// empty when there was nothing to do.
std::string RecoverCutShortPack(const PackFileNames& names, std::chrono::milliseconds patience);

// The same for a pack about to start, which holds the database file's lock already; it goes
// on without a word, as its own files replace what an earlier one left.
void ClearPackLeftovers(const PackFileNames& names);

// A work file that a pack finished: a usable header counting at least one record, and exactly
// that many records after it.
bool IsFinishedWorkFile(const std::string& path);

} // namespace tabulo
