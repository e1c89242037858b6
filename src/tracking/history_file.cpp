// File access for the history, through std::filesystem so UTF-8 names work on every system.
#include "tracking/history_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "tracking/history_line.h"
#include "text/path_split.h"
#include "text/utf8.h"

namespace fs = std::filesystem;

namespace {

// The last byte of a file, or nothing when it is empty or cannot be read.
std::optional<char> LastByte(const fs::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in || in.tellg() <= 0) return std::nullopt;
    in.seekg(-1, std::ios::end);
    char last = 0;
    if (!in.get(last)) return std::nullopt;
    return last;
}

}  // namespace

fs::path PathFromUtf8(std::string_view text) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

std::optional<HistoryRecord> DecodeHistoryLine(std::string_view rawLine,
                                               const LegacyDecoder& legacy) {
    const std::optional<HistoryLine> line = ParseHistoryLine(rawLine);
    if (!line) return std::nullopt;
    HistoryRecord record{line->day, std::string(line->path)};
    if (legacy && !IsValidUtf8(record.path)) record.path = legacy(record.path);
    return record;
}

bool HistoryFile::Locate(std::string_view programPath) {
    path_.clear();
    if (programPath.empty()) return false;
    path_ = ReplaceExtension(programPath, "dat");
    if (!FileExists(path_)) WriteTextFile(path_, {}, true);
    return true;
}

bool HistoryFile::Append(std::string_view line) const {
    if (path_.empty()) return false;
    const std::optional<char> last = LastByte(PathFromUtf8(path_));
    if (last && *last != '\n') {
        std::string mended = "\r\n";
        mended += line;
        return WriteTextFile(path_, mended, false);
    }
    return WriteTextFile(path_, line, false);
}

bool HistoryFile::ReadLines(const std::function<void(std::string_view)>& onLine) const {
    if (path_.empty()) return false;
    std::ifstream in(PathFromUtf8(path_), std::ios::binary);
    if (!in) return false;

    std::vector<char> buffer(1 << 16);
    std::string pending;  // a line split across two reads
    bool first = true;
    while (true) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const std::streamsize got = in.gcount();
        if (in.bad()) return false;
        std::string_view chunk(buffer.data(), static_cast<size_t>(got));
        if (first) chunk = WithoutByteOrderMark(chunk);
        first = false;
        size_t start = 0;
        for (size_t end; (end = chunk.find('\n', start)) != std::string_view::npos; start = end + 1) {
            std::string_view line = chunk.substr(start, end - start);
            if (!pending.empty()) {
                pending += line;
                line = pending;
            }
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            onLine(line);
            pending.clear();
        }
        pending += chunk.substr(start);
        if (got == 0 || in.eof()) break;
    }
    if (!pending.empty()) {
        std::string_view line = pending;
        if (line.back() == '\r') line.remove_suffix(1);
        onLine(line);
    }
    return true;
}

bool HistoryFile::Rewrite(std::string_view content) const {
    if (path_.empty()) return false;
    const std::string temporary = path_ + ".new";
    if (!WriteTextFile(temporary, content, true)) {
        std::error_code ignored;
        fs::remove(PathFromUtf8(temporary), ignored);
        return false;
    }
    std::error_code error;
    fs::rename(PathFromUtf8(temporary), PathFromUtf8(path_), error);
    if (error) {
        fs::remove(PathFromUtf8(temporary), error);
        return false;
    }
    return true;
}

bool FileExists(std::string_view path) {
    if (path.empty()) return false;
    std::error_code error;
    return fs::exists(PathFromUtf8(path), error);
}

bool WriteTextFile(std::string_view path, std::string_view text, bool truncate) {
    std::ofstream out(PathFromUtf8(path),
                      std::ios::binary | (truncate ? std::ios::trunc : std::ios::app));
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    const bool written = static_cast<bool>(out);
    out.close();
    return written && !out.fail();
}
