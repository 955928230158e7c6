#pragma once
// The counting of file steps behind DbFile's test seams: which step is taken now, whether it
// is to fail (or to kill the process), and the log of the steps taken. Internal to DbFile.

#include "engine/DbFile.h"

#include <string>

namespace tabulo::filesteps {

// Counts one step. True when it is to fail: errno and the last error are then set to the
// injected error. Kills the process when the step is armed to do so.
bool Fails(FileStep step, const std::string& path, const std::string& to = {});

// Records a real failure of the calling thread (errno) as its last error; returns false.
bool Failed();
int LastError();

} // namespace tabulo::filesteps
