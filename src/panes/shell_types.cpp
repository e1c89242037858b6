// Type names and icons from SHGetFileInfoA with made-up names: no file is ever touched. The
// icons are copied out of the system image list, which the program must not change.
#include "panes/shell_types.h"

#include <shellapi.h>

#include <commoncontrols.h>

#include <map>

#include "framework/com_ptr.h"
#include "framework/dpi_scale.h"
#include "framework/proc_address.h"

namespace {

// The shell's image list whose icons are drawn at the size nearest above `size` (small, large or
// extra large): copied into a list of `size`, they are scaled down, never up.
HIMAGELIST SystemImagesFor(int size) {
    using SHGetImageListFn = HRESULT(WINAPI*)(int, REFIID, void**);
    static const auto getImageList = ProcAddress<SHGetImageListFn>(::GetModuleHandleA("shell32.dll"), "SHGetImageList");
    const int small = ::GetSystemMetrics(SM_CXSMICON);
    const int large = ::GetSystemMetrics(SM_CXICON);
    const int sizes[] = {small, large, 48};
    const int chosen = IconSizeToLoad(size, sizes);
    const int which = chosen == small ? SHIL_SMALL : chosen == large ? SHIL_LARGE : SHIL_EXTRALARGE;
    // The shell's lists live as long as the process: one reference to each is kept for the run.
    static ComPtr<IImageList> lists[SHIL_EXTRALARGE + 1];
    ComPtr<IImageList>& list = lists[which];
    if (!list && getImageList != nullptr) getImageList(which, __uuidof(IImageList), list.put_void());
    if (list) return reinterpret_cast<HIMAGELIST>(list.get());
    SHFILEINFOA info{};
    return reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA("notfound", FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                                                         SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

}  // namespace

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
        type.image = ImageOf(info.iIcon);
    }
    return types_.emplace(extension, std::move(type)).first->second;
}

int ShellTypes::CopySystemIcon(int systemIndex) {
    if (images_ == nullptr) return -1;
    int width = 0;
    int height = 0;
    ::ImageList_GetIconSize(images_, &width, &height);
    // Every system list has the same images at the same indices, drawn at its own size.
    const HIMAGELIST systemImages = SystemImagesFor(height);
    const UniqueIcon icon(systemImages != nullptr ? ::ImageList_GetIcon(systemImages, systemIndex, ILD_NORMAL) : nullptr);
    return icon ? ::ImageList_AddIcon(images_, icon.get()) : -1;
}

bool ShellTypes::AddImagesAgain() {
    std::map<int, int> systemIndexByImage;
    for (const auto& [systemIndex, image] : imageBySystemIndex_) {
        if (image >= 0) systemIndexByImage.emplace(image, systemIndex);
    }
    bool all = true;
    for (const auto& [image, systemIndex] : systemIndexByImage) all = CopySystemIcon(systemIndex) == image && all;
    return all;
}

int ShellTypes::ImageOf(int systemIndex) {
    if (const auto found = imageBySystemIndex_.find(systemIndex); found != imageBySystemIndex_.end()) {
        return found->second;
    }
    const int image = CopySystemIcon(systemIndex);
    // A failure is remembered too: asking again would fail again, at the same cost.
    imageBySystemIndex_.emplace(systemIndex, image);
    return image;
}
