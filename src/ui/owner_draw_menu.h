// OwnerDrawMenu: shows a menu's items painted by the program in the current colour scheme, with
// an icon column, command icons (16 pixels at 96 dpi), a painted check box and an accelerator
// column, all sized for the DPI of the window that shows the menu.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/win_handles.h"
#include "ui/color_scheme.h"
#include "ui/icon_set.h"
#include "ui/menu_layout.h"

class OwnerDrawMenu {
public:
    OwnerDrawMenu();
    ~OwnerDrawMenu();
    OwnerDrawMenu(const OwnerDrawMenu&) = delete;
    OwnerDrawMenu& operator=(const OwnerDrawMenu&) = delete;

    // Takes ownership of a menu (after translation); releases any menu held before.
    void Attach(HMENU menu);
    // Loads menu resource `id` of the program. False when it does not load.
    bool Load(int id);
    HMENU Handle() const { return menu_; }
    bool IsEnabled() const { return enabled_; }

    // Measures and paints for `dpi` (the system's unless set); only before Enable. False after.
    bool SetDpi(int dpi);
    // Makes every item of the tree owner-drawn. False (the menu stays as it was) when the check
    // mark cannot be prepared or the handle is not a menu.
    bool Enable();
    // Gives the item with command `command` (anywhere in the tree) icon resource `iconId`.
    bool AddImage(int command, int iconId);
    // Sets the scheme of every owner-drawn menu of the process and this menu's background.
    bool SetScheme(int scheme);
    static int CurrentScheme();
    // Root only: frees the item records and destroys the menu (take it off its window first).
    void Disable();

    // Answers the system for one of this menu's items. False for items that are not ours.
    bool MeasureItem(MEASUREITEMSTRUCT* request) const;
    bool DrawItem(const DRAWITEMSTRUCT* request) const;

    // The same, finding the menu object the item belongs to; for the owner window's handlers.
    static bool MeasureAnyItem(MEASUREITEMSTRUCT* request);
    static bool DrawAnyItem(const DRAWITEMSTRUCT* request);
    // WM_MENUCHAR: owner-drawn items have no text the system can search for mnemonics. Returns
    // the answer for the message, or 0 (let the system beep) when no item has that mnemonic.
    static LRESULT MenuChar(HMENU menu, char key);

    static OwnerDrawMenu* FromHandle(HMENU menu);

private:
    struct ItemRecord;
    struct Shared;  // check images, icons, fonts, brushes and painter of one tree

    OwnerDrawMenu(HMENU menu, OwnerDrawMenu* root);

    bool Convert(HMENU menu, bool topLevel);
    void MeasureWidths();
    void ReleaseItems();
    void Register();
    void Unregister();
    const ItemRecord* RecordOf(ULONG_PTR data) const;
    void PaintItem(HDC dc, const ItemRecord& record, UINT state, int width, int height) const;
    void PaintText(HDC dc, const ItemRecord& record, UINT state, int width, int height) const;
    void PaintCheckMark(HDC dc, UINT state, int height) const;

    HMENU menu_ = nullptr;
    bool ownsMenu_ = false;
    bool enabled_ = false;
    OwnerDrawMenu* root_ = nullptr;
    std::shared_ptr<Shared> shared_;
    MenuPopupWidths widths_;
    std::vector<std::unique_ptr<ItemRecord>> records_;
    std::vector<std::unique_ptr<OwnerDrawMenu>> subMenus_;
};
