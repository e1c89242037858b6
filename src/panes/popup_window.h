// RecentPopup: the small borderless window of recently opened documents that the tray icon
// and a hot key call up while the main window is hidden.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/message_args.h"
#include "framework/win_handles.h"
#include "ui/color_scheme.h"
#include "ui/icon_set.h"
#include "ui/sort_list_ctrl.h"
#include "ui/util_button_sys.h"
#include "ui/window_animator.h"

class DocumentImages;
class DocumentListModel;

// What the popup asks of the main window.
struct PopupHost {
    // The screen area around the spot where the popup was called up; empty when none.
    std::function<RECT()> hoverRect;
    std::function<void()> showMainWindow;
    // Runs a document command of the context menu (Explore, Info, Copy, Move, Print, Delete)
    // on the paths; Open is the popup's own.
    std::function<void(unsigned command, const std::vector<std::string>& paths)> runCommand;
    // Opens a document; the shell's "open" unless set.
    std::function<bool(HWND owner, const std::string& path)> open;
    // Whether hiding fades the popup out (the setting TrayAnim).
    std::function<bool()> animateHide;
};

class RecentPopup : public CDialog {
public:
    RecentPopup(DocumentListModel& model, DocumentImages& images, PopupHost host);

    // Creates the hidden window, without parent.
    bool CreatePopup();
    // Rebuilds the list with the existing documents of today and the `days` days before.
    // Nothing changes for 0 or fewer days.
    void Fill(int days);
    // Shows the popup where it stands, on top, and starts watching the mouse.
    void ShowOnTop();
    // Hides it (fading out when the host asks for it) and stops watching the mouse.
    void Hide();
    // A command of the context menu on the selected rows; false for a command it does not know.
    bool RunCommand(unsigned command);
    bool HasSelection() const;
    bool HasSingleSelection() const;
    void SetColorScheme(int scheme);
    // Icons, caption buttons and rows at `dpi` (after a DPI change; the row icons are the
    // main window's, already redrawn).
    void ApplyDpi(int dpi);
    // The rows' documents, in row order.
    std::vector<std::string> Paths() const;
    HWND List() const { return list_.hwnd(); }

protected:
    const MessageMap& Map() const override;
    bool OnInitDialog() override;
    bool PreTranslateMessage(MSG& message) override;
    bool ExecuteCommand(unsigned id) override;
    // The popup is modeless and never ends: Enter and Escape are its own keys.
    void OnOK() override {}
    void OnCancel() override {}

private:
    void OnSize(const SizeArgs& args);
    void OnTimer(const TimerArgs& args);
    void OnPaint();
    bool OnEraseBackground(const EraseArgs&) { return true; }
    LRESULT OnMeasureItem(const MeasureItemArgs& args);
    LRESULT OnDrawItem(const DrawItemArgs& args);
    LRESULT OnItemActivate();
    LRESULT OnRightClick();
    LRESULT OnGetDisplayInfo(NMLVDISPINFOA& info);
    void Layout();
    void Open();
    std::vector<std::string> SelectedPaths() const;

    DocumentListModel& model_;
    DocumentImages& images_;
    PopupHost host_;
    SortListCtrl list_;
    CUtilButtonSys help_;
    CUtilButtonSys show_;
    CUtilButtonSys hide_;
    UniqueFont bold_;
    IconSet appIcon_;
    ColorScheme painter_;
    WindowAnimator animator_;
    int scheme_ = 0;
    struct Row {
        std::string path;
        std::string name;  // what the list shows, as it asks for it
        int image = 0;
    };
    std::vector<Row> rows_;
};
