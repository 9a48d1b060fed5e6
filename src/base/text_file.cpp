#include "base/text_file.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace sonrel {

namespace {

// The file a path names, following a symbolic link, so that the rename
// replaces the linked file and leaves the link in place.
std::string resolvedTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char buf[PATH_MAX];
    return ::realpath(path.c_str(), buf) ? std::string(buf) : path;
}

// Permissions for the new file: those of the file it replaces, or what a
// plain create would give under the process's umask.
mode_t modeFor(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const std::string& data) {
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false; // a full disk or a file-size limit
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::string& data) {
    if (path.empty()) return false;
    const std::string target = resolvedTarget(path);
    std::vector<char> name(target.begin(), target.end());
    for (char c : std::string(".XXXXXX"))
        name.push_back(c);
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    const bool written =
        ::fchmod(fd, modeFor(target)) == 0 && writeAll(fd, data) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(name.data(), target.c_str()) != 0) {
        ::unlink(name.data());
        return false;
    }
    return true;
}

std::string readSmallFile(const std::string& path, std::size_t maxBytes) {
    // Opened without waiting: a named pipe would wait for a writer forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw FileError("cannot open " + path);
    struct stat st {};
    std::string text;
    const auto fail = [&](const char* why) {
        ::close(fd);
        throw FileError(path + ": " + why);
    };
    if (::fstat(fd, &st) != 0) fail("cannot read its state");
    if (!S_ISREG(st.st_mode)) fail("not a regular file");
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > maxBytes)
        fail("longer than any table");
    // One byte more than allowed shows a file that grew while it was read.
    text.resize(maxBytes + 1);
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail("read error");
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > maxBytes) fail("longer than any table");
    ::close(fd);
    text.resize(got);
    return text;
}

bool linesWithin(const std::string& text, std::size_t maxChars) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::size_t cr = end > start && text[end - 1] == '\r' ? 1 : 0;
        if (end - start - cr > maxChars) return false;
        start = end + 1;
    }
    return true;
}

std::string tableMark(int form) {
    return "Sonrel6 form" + std::to_string(form);
}

int tableMarkOf(const std::string& firstLine) {
    std::size_t end = firstLine.find_last_not_of(" \t\r");
    if (end == std::string::npos) return 0;
    const std::string prefix = "Sonrel6 form";
    std::size_t digits = end + 1;
    while (digits > 0 && firstLine[digits - 1] >= '0' && firstLine[digits - 1] <= '9')
        --digits;
    if (digits == end + 1 || end + 1 - digits > 2 || digits < prefix.size()) return 0;
    if (firstLine.compare(digits - prefix.size(), prefix.size(), prefix) != 0) return 0;
    return std::stoi(firstLine.substr(digits, end + 1 - digits));
}

bool getBoundedLine(std::istream& in, std::string& line, std::size_t maxChars) {
    line.clear();
    bool any = false;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        any = true;
        if (c == '\n') break;
        // One character more is read before refusing: the "\r" of a "\r\n".
        if (line.size() > maxChars) throw FileError("line longer than any table line");
        line.push_back(static_cast<char>(c));
    }
    if (line.size() > maxChars && line.back() != '\r')
        throw FileError("line longer than any table line");
    return any;
}

} // namespace sonrel
