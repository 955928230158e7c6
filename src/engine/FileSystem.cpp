#include "engine/FileSystem.h"

#include "engine/PosixFileSystem.h"

#include <atomic>

namespace tabulo {

namespace {

PosixFileSystem g_machine;
std::atomic<FileSystem*> g_current{&g_machine};

} // namespace

FileSystem& CurrentFileSystem() {
    return *g_current;
}

FileSystem& UseFileSystem(FileSystem& fs) {
    return *g_current.exchange(&fs);
}

} // namespace tabulo
