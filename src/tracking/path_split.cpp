// Path splitting with _splitpath's rules, so every reader of a path agrees on its extension.
#include "tracking/path_split.h"

PathParts SplitPath(std::string_view path) {
    PathParts parts;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = std::string(path.substr(0, 2));
        path.remove_prefix(2);
    }
    const size_t lastSeparator = path.find_last_of("\\/");
    if (lastSeparator != std::string_view::npos) {
        parts.folder = std::string(path.substr(0, lastSeparator + 1));
        path.remove_prefix(lastSeparator + 1);
    }
    const size_t dot = path.rfind('.');
    if (dot != std::string_view::npos) {
        parts.extension = std::string(path.substr(dot));
        path = path.substr(0, dot);
    }
    parts.baseName = std::string(path);
    return parts;
}

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    const PathParts parts = SplitPath(path);
    return parts.drive + parts.folder + parts.baseName + "." + std::string(extension);
}
