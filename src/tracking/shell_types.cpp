// Type names and icons from SHGetFileInfoA with made-up names: no file is ever touched.
#include "tracking/shell_types.h"

#include <shellapi.h>

#include "framework/wait_cursor.h"
#include "tracking/case_fold.h"

const ShellTypes::Type& ShellTypes::ForExtension(const std::string& extension) {
    const std::string key = FoldCase(extension);
    if (const auto found = types_.find(key); found != types_.end()) return found->second;

    WaitCursor wait;
    const std::string name = extension.empty() ? std::string("notfound") : "notfound." + extension;
    SHFILEINFOA info{};
    Type type;
    if (::SHGetFileInfoA(name.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                         SHGFI_USEFILEATTRIBUTES | SHGFI_ICON | SHGFI_SMALLICON | SHGFI_TYPENAME)) {
        type.name = info.szTypeName;
        if (info.hIcon) {
            UniqueIcon icon(info.hIcon);
            if (images_) type.image = ::ImageList_AddIcon(images_, icon.get());
        }
    }
    return types_.emplace(key, std::move(type)).first->second;
}
