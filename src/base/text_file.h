#pragma once
// The data tables' files on disk: written whole through a temporary file
// renamed over the target, read back only from regular files of a bounded size.
#include <cstddef>
#include <istream>
#include <stdexcept>
#include <string>

namespace sonrel {

struct FileError : std::runtime_error {
    explicit FileError(const std::string& what) : std::runtime_error(what) {}
};

// Writes data to a temporary file in the target's folder, flushes it to the
// disk and renames it over path (over the file a symbolic link names). A new
// file gets the usual permissions, an existing one keeps its own. False when
// anything fails; the temporary file is then removed and an existing file
// stays as it was.
bool writeFileAtomically(const std::string& path, const std::string& data);

// The whole content of a regular file of at most maxBytes. Throws FileError
// for a missing file, anything that is not a regular file (a named pipe, a
// device such as /dev/zero, also through a link; opened without waiting for
// a writer) and a file longer than maxBytes.
std::string readSmallFile(const std::string& path, std::size_t maxBytes);

// Data tables: no line of a table is longer than kMaxTableLine characters,
// and a table has at most three head lines, twenty rows and the line of the
// period not received.
constexpr std::size_t kMaxTableLine = 4096;
constexpr std::size_t kMaxTableBytes = 24 * (kMaxTableLine + 2);

// True when no line of text is longer than maxChars (its "\r\n" or "\n" not
// counted): a table that breaks the limit is not written, as it could not
// be read back.
bool linesWithin(const std::string& text, std::size_t maxChars);

// The tail of a table's first line that names the window that wrote it
// ("Sonrel6 form9"), and the window a first line names (0: none, a table
// written before the tables were marked).
std::string tableMark(int form);
int tableMarkOf(const std::string& firstLine);

// std::getline that refuses a line longer than maxChars (a "\r" before its
// "\n" not counted) with FileError instead of reading it whole.
bool getBoundedLine(std::istream& in, std::string& line, std::size_t maxChars);

} // namespace sonrel
