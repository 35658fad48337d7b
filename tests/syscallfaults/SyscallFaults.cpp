// A layer under a program that fails its real system calls, as trusted
// storage engines test themselves: loaded with LD_PRELOAD, it counts the
// program's calls of
//
//   open   open, open64, openat, openat64, creat, creat64 (those that open for writing)
//   write  write, pwrite, pwrite64, writev on a file the program opened for writing
//   sync   fsync, fdatasync on such a file
//   close  close of such a file (the file is closed all the same, as the system does)
//   rename rename, renameat, renameat2
//
// and makes the n-th of them fail with the errno chosen. Writes to standard
// output and error, and everything the program reads, are never counted;
// nor are files that the C library opens for itself (fopen).
//
//   SYSCALL_FAULTS_FAIL_AT=n      fail the n-th counted call (1 is the first); 0 or unset: none
//   SYSCALL_FAULTS_ERRNO=ENOSPC   with this errno: EIO (the default), ENOSPC, EDQUOT, EFBIG,
//                                 EACCES, EROFS, or a number
//   SYSCALL_FAULTS_CALLS=write,rename   count only these kinds (default: all five)
//   SYSCALL_FAULTS_REPORT=FILE    append "failed write #3 with ENOSPC" to FILE when the call
//                                 is failed, and "counted 17" when the program exits normally
//
// For example:
//
//   export LD_PRELOAD=build/tests/syscallfaults/libsyscallfaults.so
//   export SYSCALL_FAULTS_FAIL_AT=3 SYSCALL_FAULTS_ERRNO=ENOSPC SYSCALL_FAULTS_REPORT=/tmp/report
//   build/pgpack/pgpack pack koi.pgx --data-dir out
//   cat /tmp/report      # failed write #3 with ENOSPC
//
// A run whose report has no "failed" line was untouched: the program made
// fewer than n such calls. FaultWalk.h walks every n of a command that way.
// Under AddressSanitizer add verify_asan_link_order=0 to ASAN_OPTIONS.

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

enum Kind { Open = 1, Write = 2, Sync = 4, Close = 8, Rename = 16 };
const char* const KindNames[] = {"open", "write", "sync", "close", "rename"};

struct Settings {
    long failAt = 0;
    int error = EIO;
    const char* errorName = "EIO";
    unsigned kinds = Open | Write | Sync | Close | Rename;
    const char* report = nullptr;
};

const Settings& TheSettings() {
    static const Settings settings = [] {
        Settings s;
        if (const char* at = std::getenv("SYSCALL_FAULTS_FAIL_AT")) s.failAt = std::atol(at);
        if (const char* name = std::getenv("SYSCALL_FAULTS_ERRNO")) {
            static const struct {
                const char* name;
                int error;
            } known[] = {{"EIO", EIO},     {"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT},
                         {"EFBIG", EFBIG}, {"EACCES", EACCES}, {"EROFS", EROFS}};
            for (const auto& k : known)
                if (std::strcmp(name, k.name) == 0) s.error = k.error, s.errorName = k.name;
            if (std::atoi(name) > 0) s.error = std::atoi(name), s.errorName = name;
        }
        if (const char* kinds = std::getenv("SYSCALL_FAULTS_CALLS")) {
            s.kinds = 0;
            for (unsigned i = 0; i < 5; ++i)
                if (std::strstr(kinds, KindNames[i])) s.kinds |= 1u << i;
        }
        s.report = std::getenv("SYSCALL_FAULTS_REPORT");
        return s;
    }();
    return settings;
}

std::atomic<long> counted{0};

// The files the program opened for writing, by descriptor.
constexpr int TrackedFiles = 65536;
std::atomic<bool> writing[TrackedFiles];

bool Writing(int fd) {
    return fd >= 0 && fd < TrackedFiles && writing[fd].load();
}

void Track(int fd, bool on) {
    if (fd >= 0 && fd < TrackedFiles) writing[fd].store(on);
}

bool OpensForWriting(int flags) {
    return (flags & O_ACCMODE) != O_RDONLY || (flags & (O_CREAT | O_TRUNC));
}

// A line at the end of the report, written with the bare system calls so
// that the layer never counts itself.
void Report(const char* line) {
    const char* path = TheSettings().report;
    if (!path) return;
    const int fd =
        int(syscall(SYS_openat, AT_FDCWD, path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (fd < 0) return;
    syscall(SYS_write, fd, line, std::strlen(line));
    syscall(SYS_close, fd);
}

// Counts one call of kind; true when this is the one to fail, with errno set.
bool Fails(Kind kind, const char* name) {
    const Settings& s = TheSettings();
    if (!(s.kinds & kind)) return false;
    const long n = ++counted;
    if (n != s.failAt) return false;
    char line[128];
    std::snprintf(line, sizeof line, "failed %s #%ld with %s\n", name, n, s.errorName);
    Report(line);
    errno = s.error;
    return true;
}

__attribute__((destructor)) void ReportCount() {
    char line[64];
    std::snprintf(line, sizeof line, "counted %ld\n", counted.load());
    Report(line);
}

template <typename F> F Real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

#define REAL(name) static const auto real = Real<decltype(&::name)>(#name)

mode_t ModeOf(int flags, va_list args) {
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(args, int)) : 0;
}

template <typename Call> int Opened(int flags, const char* name, Call call) {
    const bool forWriting = OpensForWriting(flags);
    if (forWriting && Fails(Open, name)) return -1;
    const int fd = call();
    if (fd >= 0) Track(fd, forWriting);
    return fd;
}

} // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    REAL(open);
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeOf(flags, args);
    va_end(args);
    return Opened(flags, "open", [&] { return real(path, flags, mode); });
}

int open64(const char* path, int flags, ...) {
    REAL(open64);
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeOf(flags, args);
    va_end(args);
    return Opened(flags, "open", [&] { return real(path, flags, mode); });
}

int openat(int dir, const char* path, int flags, ...) {
    REAL(openat);
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeOf(flags, args);
    va_end(args);
    return Opened(flags, "open", [&] { return real(dir, path, flags, mode); });
}

int openat64(int dir, const char* path, int flags, ...) {
    REAL(openat64);
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeOf(flags, args);
    va_end(args);
    return Opened(flags, "open", [&] { return real(dir, path, flags, mode); });
}

// What a program built with _FORTIFY_SOURCE calls for an open without a mode.
int __open_2(const char* path, int flags) {
    return open(path, flags);
}
int __open64_2(const char* path, int flags) {
    return open64(path, flags);
}
int __openat_2(int dir, const char* path, int flags) {
    return openat(dir, path, flags);
}
int __openat64_2(int dir, const char* path, int flags) {
    return openat64(dir, path, flags);
}

int creat(const char* path, mode_t mode) {
    return open(path, O_CREAT | O_WRONLY | O_TRUNC, mode);
}
int creat64(const char* path, mode_t mode) {
    return open64(path, O_CREAT | O_WRONLY | O_TRUNC, mode);
}

ssize_t write(int fd, const void* data, size_t size) {
    REAL(write);
    if (Writing(fd) && Fails(Write, "write")) return -1;
    return real(fd, data, size);
}

ssize_t pwrite(int fd, const void* data, size_t size, off_t offset) {
    REAL(pwrite);
    if (Writing(fd) && Fails(Write, "write")) return -1;
    return real(fd, data, size, offset);
}

ssize_t pwrite64(int fd, const void* data, size_t size, off64_t offset) {
    REAL(pwrite64);
    if (Writing(fd) && Fails(Write, "write")) return -1;
    return real(fd, data, size, offset);
}

ssize_t writev(int fd, const struct iovec* parts, int count) {
    REAL(writev);
    if (Writing(fd) && Fails(Write, "write")) return -1;
    return real(fd, parts, count);
}

int fsync(int fd) {
    REAL(fsync);
    if (Writing(fd) && Fails(Sync, "fsync")) return -1;
    return real(fd);
}

int fdatasync(int fd) {
    REAL(fdatasync);
    if (Writing(fd) && Fails(Sync, "fdatasync")) return -1;
    return real(fd);
}

int close(int fd) {
    REAL(close);
    if (!Writing(fd)) return real(fd);
    Track(fd, false);
    const bool fails = Fails(Close, "close");
    const int error = errno;
    // As the system does: the descriptor is gone even when close fails.
    const int result = real(fd);
    if (!fails) return result;
    errno = error;
    return -1;
}

int rename(const char* from, const char* to) {
    REAL(rename);
    if (Fails(Rename, "rename")) return -1;
    return real(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to) {
    REAL(renameat);
    if (Fails(Rename, "renameat")) return -1;
    return real(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    REAL(renameat2);
    if (Fails(Rename, "renameat2")) return -1;
    return real(fromDir, from, toDir, to, flags);
}

} // extern "C"
