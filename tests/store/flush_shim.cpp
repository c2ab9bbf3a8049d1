// Loaded in front of the C library (LD_PRELOAD) by the durability test. Every fsync and
// fdatasync is passed on; once one has succeeded, the line "flush PATH" (the path of the
// flushed file descriptor) is written to the file descriptor named by KORVEL_FLUSH_FD.
// When that is the process's standard output, the test reads the flushes in order with
// what the process itself prints.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

using FlushFunction = int (*)(int);

FlushFunction following(const char* name) {
    return reinterpret_cast<FlushFunction>(dlsym(RTLD_NEXT, name));
}

void report(int fd) {
    const char* target = std::getenv("KORVEL_FLUSH_FD");
    if (!target) return;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[1024];
    ssize_t n = readlink(link, path, sizeof path - 1);
    if (n < 0) n = 0;
    path[n] = '\0';
    // One write of less than a pipe buffer: never interleaved with other lines.
    char line[1100];
    const int length = std::snprintf(line, sizeof line, "flush %s\n", path);
    if (length > 0) (void)!write(std::atoi(target), line, static_cast<std::size_t>(length));
}

int flush(const char* name, int fd) {
    const FlushFunction real = following(name);
    const int result = real ? real(fd) : -1;
    if (result == 0) report(fd);
    return result;
}

} // namespace

extern "C" int fsync(int fd) {
    return flush("fsync", fd);
}

extern "C" int fdatasync(int fd) {
    return flush("fdatasync", fd);
}
