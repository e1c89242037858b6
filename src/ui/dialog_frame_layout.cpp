// Footer geometry of the common dialog frame, in the system's dialog units.
#include "ui/dialog_frame_layout.h"

#include <algorithm>

#include "framework/dpi_scale.h"
#include "ui/dialog_units.h"

DialogFrameLayout FrameLayout(const PixelRect& client, std::uint32_t baseUnits, int dpi) {
    const auto pixels = [dpi](int length) { return ScaleToDpi(length, dpi); };
    const auto across = [baseUnits](int units) { return DialogUnitsFromBase(units, true, baseUnits); };
    const auto down = [baseUnits](int units) { return DialogUnitsFromBase(units, false, baseUnits); };

    DialogFrameLayout layout;
    const int footerTop = std::max(client.top, client.bottom - down(25));
    layout.footer = {client.left, footerTop, client.right, client.bottom};
    layout.footerLine = {client.left, footerTop, client.right, std::min(footerTop + 1, client.bottom)};
    layout.largeIcon = {client.left + across(9), client.top + down(8)};
    const int iconLeft = client.left + across(8);
    layout.smallIcon = {iconLeft, client.bottom - down(21), iconLeft + pixels(30),
                        client.bottom - down(20) + pixels(kFrameSmallIconSize)};
    const int linkLeft = client.left + across(22);
    const int linkTop = client.bottom - down(18);
    layout.helpLink = {linkLeft, linkTop, linkLeft + pixels(60), linkTop + pixels(20)};
    return layout;
}
