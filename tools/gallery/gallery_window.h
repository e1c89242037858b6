// The control gallery's one window: the program's own controls in each colour scheme beside the
// standard controls, so their look can be checked at a glance and in screenshots.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "framework/message_args.h"
#include "framework/window.h"
#include "ui/color_label.h"
#include "ui/color_scheme.h"
#include "ui/history_combo_box.h"
#include "ui/icon_toolbar.h"
#include "ui/link_label.h"
#include "ui/owner_draw_menu.h"
#include "ui/sort_list_ctrl.h"
#include "ui/util_button_sys.h"

struct GalleryOptions {
    int scheme = 1;            // of the menu bar, the main tool bar and the lists' neighbours
    bool largeIcons = false;   // the main tool bar's icon size: 24 instead of 16
    bool openMenu = false;     // open the File menu once the window shows (for screenshots)
    bool openDialog = false;   // open the sample dialog on the common frame beside the controls
    std::string shotPath;      // where to save a screenshot; empty: none, the window stays
};

// WM_MENUCHAR: the typed character and the menu it was typed in.
struct MenuCharArgs {
    MenuCharArgs(WPARAM w, LPARAM l) : key(static_cast<char>(LOWORD(w))), menu(reinterpret_cast<HMENU>(l)) {}
    static constexpr bool Accepts(UINT m) { return m == WM_MENUCHAR; }
    char key;
    HMENU menu;
};

class CGalleryWindow : public CWindow {
public:
    explicit CGalleryWindow(GalleryOptions options);
    ~CGalleryWindow() override;

    bool Open();
    // False when the screenshot was asked for but could not be written.
    bool ShotSaved() const { return shotSaved_; }

protected:
    const MessageMap& Map() const override;

private:
    class DocumentList;
    class MillionRows;
    class SampleDialog;

    LRESULT OnCreate(const CreateArgs& args);
    void OnPaint();
    void OnTimer(const TimerArgs& args);
    LRESULT OnMeasureItem(const MeasureItemArgs& args);
    LRESULT OnDrawItem(const DrawItemArgs& args);
    LRESULT OnMenuChar(const MenuCharArgs& args);
    void OnDestroy();

    bool BuildMenu();
    bool AddMainToolBar();
    bool AddSchemeRows();
    bool AddLists();
    void AddStandardControls();
    // The dialog controls in `area`: caption-style buttons, link and colour labels, a history
    // combo box and a button that opens a dialog on the common frame.
    bool AddDialogControls(const RECT& area);
    void OpenSampleDialog();
    HWND AddChild(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
                  UINT id = 0);
    void PaintMenuPreview(HDC dc, const RECT& area, int scheme);
    void TakeShot();

    GalleryOptions options_;
    HFONT font_ = nullptr;  // the stock GUI font, not owned
    ColorScheme colors_;
    OwnerDrawMenu menu_;
    IconToolBar mainBar_;
    std::array<IconToolBar, 3> schemeBars_;
    IconToolBar largeBar_;
    std::array<RECT, 3> previewAreas_{};
    std::unique_ptr<DocumentList> documents_;
    std::unique_ptr<MillionRows> million_;
    std::array<CUtilButtonSys, 3> captionButtons_;
    LinkLabel link_;
    ColorLabel colorLabel_;
    ColorLabel transparentLabel_;
    HistoryComboBox history_;
    std::unique_ptr<SampleDialog> sampleDialog_;
    bool shotSaved_ = true;
};
