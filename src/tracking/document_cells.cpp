// Cell text rules of the document list.
#include "tracking/document_cells.h"

#include "text/path_split.h"

NameAndFolder SplitNameAndFolder(std::string_view path) {
    const size_t name = BaseNameOffset(path);
    return {std::string(path.substr(name)), std::string(path.substr(0, name))};
}

uint64_t SizeInKilobytes(uint64_t bytes) { return bytes > 0 && bytes < 1024 ? 1 : bytes / 1024; }

uint64_t SizeCellValue(std::string_view text) {
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return value;
}
