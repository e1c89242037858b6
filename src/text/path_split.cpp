// Path splitting with _splitpath's rules, so every reader of a path agrees on its extension.
#include "text/path_split.h"

namespace {

struct PathViews {
    std::string_view drive, folder, baseName, extension;
};

PathViews SplitPathViews(std::string_view path) {
    PathViews parts;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        path.remove_prefix(2);
    }
    const size_t lastSeparator = path.find_last_of("\\/");
    if (lastSeparator != std::string_view::npos) {
        parts.folder = path.substr(0, lastSeparator + 1);
        path.remove_prefix(lastSeparator + 1);
    }
    const size_t dot = path.rfind('.');
    if (dot != std::string_view::npos) {
        parts.extension = path.substr(dot);
        path = path.substr(0, dot);
    }
    parts.baseName = path;
    return parts;
}

}  // namespace

PathParts SplitPath(std::string_view path) {
    const PathViews parts = SplitPathViews(path);
    return {std::string(parts.drive), std::string(parts.folder), std::string(parts.baseName),
            std::string(parts.extension)};
}

std::string_view PathExtension(std::string_view path) { return SplitPathViews(path).extension; }

size_t BaseNameOffset(std::string_view path) {
    const PathViews parts = SplitPathViews(path);
    return parts.drive.size() + parts.folder.size();
}

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    const PathParts parts = SplitPath(path);
    return parts.drive + parts.folder + parts.baseName + "." + std::string(extension);
}
