// IconSet: a list of same-size icons from the program's resources, drawn normally or greyed.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "framework/win_handles.h"

class IconSet {
public:
    // The size can be set once, to a positive value, while the set is empty.
    bool SetSize(int size);
    int Size() const { return size_; }
    std::size_t Count() const { return icons_.size(); }

    // Loads icon resource `id` of the program at size x size and appends it. Fails without a size
    // or when the resource does not load.
    bool Add(int id);

    // Draws icon `index` at (x, y). A disabled icon is then overlaid with `grey` on every other
    // pixel (see GreyPatternCovers). Fails for a missing DC or an index outside the set.
    bool Draw(HDC dc, int index, bool enabled, int x, int y, COLORREF grey) const;

    // Destroys every icon; the size stays.
    void Empty() { icons_.clear(); }

private:
    int size_ = 0;
    std::vector<UniqueIcon> icons_;
};
