// Which pixels of a square icon the disabled look paints over in the grey colour.
#pragma once

// A toggle starts "on" and flips after every pixel as it runs down each column in turn, left
// column first, and is not reset between columns: the pixel is painted while it is on. With an
// even size that is every even row; with an odd size a checkerboard.
constexpr bool GreyPatternCovers(int size, int column, int row) {
    return (column * size + row) % 2 == 0;
}
