// IconSet: icons loaded as DIB sections at the set's size, so they are never stretched from
// another frame at draw time.
#include "ui/icon_set.h"

#include "ui/grey_pattern.h"

bool IconSet::SetSize(int size) {
    if (size <= 0 || size_ != 0 || !icons_.empty()) return false;
    size_ = size;
    return true;
}

bool IconSet::Add(int id) {
    if (size_ <= 0 || id <= 0 || id > 0xFFFF) return false;
    UniqueIcon icon(static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                    IMAGE_ICON, size_, size_, LR_CREATEDIBSECTION)));
    if (!icon) return false;
    icons_.push_back(std::move(icon));
    return true;
}

bool IconSet::Draw(HDC dc, int index, bool enabled, int x, int y, COLORREF grey) const {
    if (dc == nullptr || index < 0 || static_cast<std::size_t>(index) >= icons_.size()) return false;
    const HICON icon = icons_[static_cast<std::size_t>(index)].get();
    if (icon == nullptr) return false;
    ::DrawIconEx(dc, x, y, icon, size_, size_, 0, nullptr, DI_NORMAL);
    if (!enabled) {
        for (int column = 0; column < size_; ++column) {
            for (int row = 0; row < size_; ++row) {
                if (GreyPatternCovers(size_, column, row)) ::SetPixelV(dc, x + column, y + row, grey);
            }
        }
    }
    return true;
}
