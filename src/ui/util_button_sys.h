// CUtilButtonSys: a small push button that looks like a caption button of a window (close,
// restore, help...): the visual style's button when themes are on, an icon (16 pixels at
// 96 dpi) otherwise.
//
//   CUtilButtonSys close;                   // a member of the window
//   close.Subclass(Item(IDC_CLOSE));
//   close.SetIcon(0, IDI_HIDE_POPUP, false);  // caption part 0: the close button
//
// Its parent must be one of the program's windows or dialogs, which reflect WM_DRAWITEM.
#pragma once

#include <windows.h>

#include "framework/message_args.h"
#include "framework/subclass_window.h"
#include "framework/win_handles.h"
#include "ui/passed_on_args.h"
#include "ui/theme_api.h"

class CUtilButtonSys : public CSubclassWindow {
public:
    CUtilButtonSys();

    // Chooses the caption button to imitate (see CaptionThemePart), loads icon resource `iconId`
    // of the program at 16 x 16 scaled to the button's DPI in place of the previous icon and
    // makes the button owner-drawn.
    // `showFocus` draws the keyboard focus. False for icon 0 or an icon that does not load.
    bool SetIcon(int captionPart, int iconId, bool showFocus);

    int CaptionPart() const { return captionPart_; }
    bool HasIcon() const { return static_cast<bool>(icon_); }
    // True while the mouse pointer is over the button.
    bool IsHot() const { return hot_; }

    // Paints the button over `rect` of `dc` as it looks in `itemState` (ODS_SELECTED, ODS_FOCUS,
    // ODS_DISABLED...), themed or classic. The owner-draw handler paints through it off-screen.
    void Paint(HDC dc, const RECT& rect, UINT itemState, bool themed) const;

protected:
    const MessageMap& Map() const override;

private:
    bool OnDrawItem(const DrawItemArgs& args);
    LRESULT OnMouseMove(const PassedOnArgs<WM_MOUSEMOVE>& args);
    LRESULT OnTimer(const PassedOnArgs<WM_TIMER>& args);
    LRESULT OnDestroy(const PassedOnArgs<WM_DESTROY>& args);
    void SetHot(bool hot);
    bool PaintThemed(HDC dc, const RECT& rect, UINT itemState) const;
    void PaintClassic(HDC dc, const RECT& rect, UINT itemState) const;

    ThemeApi theme_;
    int captionPart_ = 0;
    UniqueIcon icon_;
    int iconSize_ = 16;
    bool showFocus_ = false;
    bool hot_ = false;
    UniqueBrush greyBrush_;
};
