// IconToolBar: a tool bar whose background and buttons the program paints itself in the current
// colour scheme, with the button icons drawn from an IconSet; small or large icons, optional
// text labels, and tips.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

#include "framework/message_args.h"
#include "framework/subclass_window.h"
#include "framework/win_handles.h"
#include "ui/color_scheme.h"
#include "ui/icon_set.h"

// One entry of a tool bar's button table.
struct ToolBarButton {
    unsigned command = 0;  // 0: a separator
    int image = -1;        // index of the button's icon in the IconSet (and picture of the strip)
    std::string label;     // shown under the icon while labels are on
    std::string tip;       // the control's own tip; empty: none
    bool check = false;    // a button that stays down while checked
};

// Usage:
//
//   IconToolBar bar;
//   bar.Create(frame, 59392, kButtons);         // the table, separators as command 0
//   bar.SetIconSize(16, IDR_MAINFRAME);         // or 24 with IDR_TOOLBAR_LARGE
//   for (int id : kIcons) bar.AddIcon(id);      // in image order
//   bar.SetScheme(scheme);
//
// Enabled and checked states come from the framework (CFrameWindow::SetStateToolbar) or from
// the usual TB_ENABLEBUTTON / TB_CHECKBUTTON; clicks reach the parent as WM_COMMAND.
class IconToolBar : public CSubclassWindow {
public:
    IconToolBar() = default;
    ~IconToolBar() override;

    // Creates the tool bar as a visible child along the top of `parent`, with the buttons of
    // the table in order. `extraStyle` adds window or tool-bar styles. False when the parent is
    // not a window or the control cannot be made.
    bool Create(HWND parent, UINT controlId, std::span<const ToolBarButton> buttons, DWORD extraStyle = 0);

    // Draws the icons at `size` pixels from now on: the icons added so far are loaded again at
    // that size and the buttons are sized for it, with the margins and indent of the bar's DPI. `stripBitmapId` names an optional strip of
    // button pictures of that height (magenta shows through), drawn for a button whose icon the
    // IconSet lacks. False, changing nothing, for a size of 0 or less.
    bool SetIconSize(int size, int stripBitmapId = 0);
    int IconSize() const { return icons_.Size(); }
    // Appends the icon resource to the IconSet; false before SetIconSize or when it does not load.
    bool AddIcon(int iconId);
    int IconCount() const { return static_cast<int>(icons_.Count()); }

    // Paints in scheme 0 Classic, 1 Modern or 2 Original from now on.
    void SetScheme(int scheme);
    int Scheme() const { return scheme_; }

    // Text labels under the icons, on or off; the buttons keep their states.
    bool ShowLabels(bool on);
    bool LabelsShown() const { return labelsShown_; }

    // The tip shown for a button; false for a command the bar does not have.
    bool SetTip(unsigned command, const std::string& text);
    std::string TipOf(unsigned command) const;

    // Fits the bar to its parent's width and its buttons' height (after the parent was resized).
    void AutoSize();

protected:
    const MessageMap& Map() const override;

private:
    LRESULT OnReflectedNotify(const ReflectedNotifyArgs& args);
    LRESULT OnEraseBackground(const EraseArgs& args);
    LRESULT OnCustomDraw(NMTBCUSTOMDRAW& draw);
    LRESULT OnInfoTip(NMHDR& header);

    void PaintBackground(HDC target) const;
    void PaintButton(HDC target, const RECT& rect, const ToolBarButton& button, UINT itemState) const;
    void PaintSeparator(HDC dc, const RECT& rect) const;
    void PaintIcon(HDC dc, int image, bool enabled, int x, int y) const;
    void PaintLabel(HDC dc, const RECT& rect, const std::string& label, bool enabled) const;

    const ToolBarButton* Find(unsigned command) const;
    // Adds the table's buttons anew (after taking out the ones there), keeping their states.
    bool RebuildButtons();
    // Adds the table's buttons to an empty bar; `states` are the earlier states by position.
    bool AddButtons(const std::vector<BYTE>& states);
    bool MakeSizingImages(int size, int stripBitmapId);

    std::vector<ToolBarButton> buttons_;
    std::vector<int> iconIds_;
    IconSet icons_;
    UniqueImageList images_;  // the control's own list: sizes the buttons, holds the strip
    int stripPictures_ = 0;   // pictures of images_ that come from the strip
    ColorScheme colors_;
    int scheme_ = 0;
    bool labelsShown_ = false;
    DWORD designPadding_ = 0;  // the control's own padding, at 96 dpi
};
