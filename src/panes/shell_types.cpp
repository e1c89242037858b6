// Type names and icons from SHGetFileInfoA with made-up names: no file is ever touched. The
// icons are copied out of the system image list, which the program must not change.
#include "panes/shell_types.h"

#include <shellapi.h>

const ShellTypes::Type& ShellTypes::ForExtension(const std::string& extension) {
    if (const auto found = types_.find(extension); found != types_.end()) return found->second;

    const std::string name = extension.empty() ? std::string("notfound") : "notfound." + extension;
    SHFILEINFOA info{};
    Type type;
    const auto systemImages = reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA(name.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                         SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_TYPENAME));
    if (systemImages) {
        type.name = info.szTypeName;
        type.image = ImageOf(systemImages, info.iIcon);
    }
    return types_.emplace(extension, std::move(type)).first->second;
}

int ShellTypes::ImageOf(HIMAGELIST systemImages, int systemIndex) {
    if (const auto found = imageBySystemIndex_.find(systemIndex); found != imageBySystemIndex_.end()) {
        return found->second;
    }
    const UniqueIcon icon(::ImageList_GetIcon(systemImages, systemIndex, ILD_NORMAL));
    const int image = icon && images_ ? ::ImageList_AddIcon(images_, icon.get()) : -1;
    // A failure is remembered too: asking again would fail again, at the same cost.
    imageBySystemIndex_.emplace(systemIndex, image);
    return image;
}
