// CFrameApplication: Kestrum's main window, with the tool bar, the status bar, the filter pane on
// the left and the files pane filling the rest; it hides instead of closing.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/command_rules.h"
#include "app/frame_texts.h"
#include "app/tray_icon.h"
#include "settings/settings_table.h"
#include "panes/filter_pane.h"
#include "framework/dpi_scale.h"
#include "framework/frame_window.h"
#include "framework/message_args.h"
#include "framework/private_messages.h"
#include "framework/win_handles.h"
#include "panes/files_pane.h"
#include "panes/popup_window.h"
#include "tracking/file_status_worker.h"
#include "ui/icon_toolbar.h"
#include "ui/owner_draw_menu.h"
#include "ui/theme_api.h"

class DocumentListModel;
struct OptionsActions;


// The undecoded parameters of a message, for the private ones and for those passed on as they came.
template <UINT... Ids>
struct RawMessageArgs {
    RawMessageArgs(WPARAM w, LPARAM l) : wParam(w), lParam(l) {}
    static constexpr bool Accepts(UINT m) { return ((m == Ids) || ...); }
    WPARAM wParam;
    LPARAM lParam;
};

class CFrameApplication : public CFrameWindow, public FilesPaneHost, public FilterPaneHost {
public:
    static constexpr int kStatusPanes = 4;  // identifiers 100-103, left to right
    // The main window's class: a second start finds the running copy by it and its marker.
    static constexpr char kWindowClass[] = "KestrumMainFrame";

    explicit CFrameApplication(DocumentListModel& model);
    ~CFrameApplication() override;

    // Creates the window, not shown, with its bars, panes, menus and hot keys. False when any
    // part the window cannot work without fails.
    bool CreateFrame();

    // The list for the current filter: the type tabs, then the rows of the same tab position
    // (or all types). False, leaving the list as it was, when the model fails.
    bool RebuildView() override;
    // The rows of one tab (-1: all types), sorted by the stored key, one row selected again.
    bool FillList(int tab) override;
    // Nobody looks at a hidden window: its view waits for the next show. The history itself is
    // written at once, and the popup reads it on its own. A shown one is extended.
    void OnHistoryAppended() override;
    // Tabs and rows carried on over the lines appended since the last pass, as a rebuild would
    // show them but at the cost of the new lines; a full rebuild when only that can tell.
    bool ExtendView();
    // Whether a recorded opening is waiting for the window to be shown.
    bool ViewWaitsForShow() const { return viewStale_; }
    // Sends the file-status questions the view raised so far to the worker (the status tick
    // does this while the window is shown; a hidden window's questions wait for its showing).
    void AskForStatuses();
    // Removes from the history every line the current view shows; the caller rebuilds.
    bool ClearCurrentView();

    bool HasSelectedDocuments(bool includeMissing) const;
    bool GetSelectedDocuments(std::vector<std::string>& paths, bool includeMissing) const;
    CFilesListCtrl* ListControl();
    CDialogFiles& FilesPane() { return files_; }
    CDialogMain& FilterPane() { return filter_; }
    // Enables or greys the document commands of a menu by the current selection.
    void SetDocumentMenuStates(HMENU menu);
    HWND StatusBar() const { return statusBar_; }
    IconToolBar* ToolBar() { return toolBar_.get(); }
    HMENU MainMenu() const { return mainMenu_.Handle(); }
    HMENU TrayMenu() const { return trayMenu_.Handle(); }

    // View operations: each stores its setting, shows or hides, and lays the window out again.
    void ShowFilterPane(bool show);
    void ShowToolBar(bool show);
    void ShowStatusBar(bool show);
    void SetTextLabels(bool on);
    // Sorts the list by key 0-5 ascending without storing the key.
    void SortByKey(int key);
    // Replaces the tool bar with one of large (24) or small (16) icons.
    bool CreateToolBar(bool large);
    // 0 Classic, 1 Modern, 2 Original: stored, and handed to everything the program paints.
    void ApplyColorScheme(int scheme);
    // The scheme everything is painted in now: the stored one, or Classic where the system
    // paints without visual styles.
    int CurrentColorScheme() const;
    void FocusFilesPane();
    void FocusFilterPane();

    // Tray clicks, hot keys and Exit wait while a modal dialog or a password prompt runs: a
    // second prompt must not stack on the first, nor Exit destroy the window under a modal loop.
    bool AcceptsUserRequests() const;

    // Shows the window normally (restoring it when it is minimised) and repaints it at once.
    void ShowMainWindow();
    // The stored language made current; menus, tips and the filter pane translated anew.
    // `startup` also writes the translators' template.
    bool ApplyLanguage(bool startup);
    // Caption and status bar texts; only texts that changed are set again.
    void UpdateCaptionAndStatus();
    void LayoutPanes();
    // Exit: saves placement and column widths, then destroys the window, which ends the program.
    void SaveStateAndClose();

    // What the command rules read, for `command` (only the parts its rule needs).
    CommandSnapshot Snapshot(unsigned command);

    // Asks for the password before the tray shows the window or its menu; true lets the user
    // in. Without a prompt set, only a program without a password lets the user in.
    void SetPasswordPrompt(std::function<bool(HWND owner)> prompt) { passwordPrompt_ = std::move(prompt); }
    const TrayIcon& Tray() const { return tray_; }
    // Registers hot key 0 (main window) or 1 (popup) anew; code 0 only unregisters. False when
    // the system refused the key.
    bool RegisterShowHotKey(int id, unsigned keyCode, unsigned controlModifiers);
    // What the Options dialog's OK does besides storing settings: hot keys, language, autorun.
    OptionsActions MakeOptionsActions();
    // The recent-documents popup: placed at the bottom right of the work area and filled; false
    // when it may not show (a password guards the main window, the window is up, the popup is
    // already up or missing).
    bool ShowRecentPopup();
    void HideRecentPopup();
    RECT GetHoverRect() const { return hoverRect_; }
    RecentPopup* Popup() { return popup_ && popup_->IsAlive() ? popup_.get() : nullptr; }
    // Who carries out the popup's document commands other than Open.
    void SetDocumentCommandRunner(std::function<void(unsigned, const std::vector<std::string>&)> runner) {
        documentCommand_ = std::move(runner);
    }
    // The message the shell broadcasts when its task bar (re)starts.
    UINT TaskbarCreatedMessage() const { return taskbarCreated_; }

    // How help pages and web addresses are opened; the shell by default.
    void SetAddressOpener(std::function<bool(const std::string&)> opener) { openAddress_ = std::move(opener); }
    bool OpenAddress(const std::string& address) { return openAddress_ && openAddress_(address); }

protected:
    const MessageMap& Map() const override;
    bool PreTranslateMessage(MSG& message) override;
    // Catches the task bar's restart, a message whose number is known only at run time.
    LRESULT DefaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The rest of a rebuild once the model's tabs are built: tabs shown, rows filled.
    void ShowBuiltTabs();
    LRESULT OnCreate(const CreateArgs& args);
    void OnDestroy();
    void OnSize(const SizeArgs& args);
    void OnTimer(const TimerArgs& args);
    LRESULT OnWindowPosChanged(const RawMessageArgs<WM_WINDOWPOSCHANGED>& args);
    LRESULT OnSysCommand(const RawMessageArgs<WM_SYSCOMMAND>& args);
    void OnClose();
    LRESULT OnEndSession(const RawMessageArgs<WM_ENDSESSION>& args);
    void OnSetFocus();
    // The document context menu, when the list asks for one.
    void OnContextMenu(const ContextMenuArgs& args);
    void OnHotKey(const HotKeyArgs& args);
    LRESULT OnMeasureItem(const MeasureItemArgs& args);
    LRESULT OnDrawItem(const DrawItemArgs& args);
    LRESULT OnMenuChar(const RawMessageArgs<WM_MENUCHAR>& args);
    void OnRecentChanged();
    void OnFileStatuses();
    LRESULT OnTrayNotify(const RawMessageArgs<WM_TRAY_NOTIFY>& args);
    LRESULT OnShowHelpTopic(const RawMessageArgs<WM_SHOW_HELP_TOPIC>& args);
    // The window moved to a display of another DPI: takes the suggested rectangle and draws
    // icons, tool bar, rows and menus for that DPI.
    LRESULT OnDpiChanged(const RawMessageArgs<WM_DPICHANGED>& args);
    // The window's and the tray's icons at the small and large icon sizes of `dpi`.
    void LoadFrameIcons(int dpi);

    static constexpr UINT_PTR kTrayRetryTimer = 7;  // runs only while the shell refuses the icon
    bool CreatePopup();
    void AddTrayIcon();
    void RetryTrayIcon();
    void ShowTrayMenu();
    bool PasswordAllows(Setting guard);

    void OnExit();
    void OnHide();
    void OnTrayOpen();
    void OnOptions();
    void OnToggleTypesAll();
    void OnToggleDuplicates();
    void OnToggleDeleted();
    void OnToggleTabText();
    void OnToggleFilterPane();
    void OnToggleStatusBar();
    void OnToggleToolBar();
    void OnToggleLargeIcons();
    void OnColorScheme(unsigned id);
    void OnSwitchToFilter();
    void OnSwitchToList();
    void OnSortBy(unsigned id);
    void UpdateByRule(CommandState& state);

    // File status, learnt by the worker while the window goes on answering.
    void StartStatusWorker();
    // What the answers since the last settled moment changed.
    struct StatusRound {
        bool answered = false;
        bool vanished = false;
        bool appeared = false;
    };
    void OnStatusesSettled();
    void AskForStatusesWhileShown();
    // Brings the tabs of a view that hides deleted documents up to date with the settled
    // statuses, and fills the list again where dropping the gone rows would not do; true
    // when it filled the list.
    bool RefillForSettledStatuses(const StatusRound& round);
    void OnStatusTick();
    void DropVanishedRows();

    bool CreateStatusBar();
    void DestroyToolBar();
    void RegisterHotKeys();
    bool LoadMainMenu(bool startup);
    bool LoadTrayMenu(bool startup);
    void SetStatusText(int pane, const std::string& text, bool fitWidth);
    int StatusTextWidth(const std::string& text) const;
    FocusPlace FocusPlaceNow() const;

    // What the selection amounts to, for the command rules and the status bar. Walking a large
    // selection of the list is slow, and the tool bar asks for it at every idle moment and the
    // status bar ten times a second: the answer is kept until the list reports a change of the
    // selection or its rows are replaced.
    struct SelectionFacts {
        int rows = 0;       // selected list rows
        int documents = 0;  // distinct paths among them
        int existing = 0;   // distinct paths of documents that exist
    };
    const SelectionFacts& Selection();
    std::string SelectedTabTypeName() const;
    // A yes/no setting as stored now.
    static bool Stored(Setting setting);

    DocumentListModel& model_;
    std::string title_;
    HWND statusBar_ = nullptr;  // a child: destroyed with the frame
    std::unique_ptr<IconToolBar> toolBar_;
    CDialogMain filter_;
    int filterPaneWidth_ = 0;
    int dpi_ = kDesignDpi;  // the DPI icons, bars and widths were last made for
    CDialogFiles files_;
    UniqueWindow toolTips_;
    OwnerDrawMenu mainMenu_;
    OwnerDrawMenu trayMenu_;
    UniqueIcon icon_;     // small: caption and notification area
    UniqueIcon bigIcon_;  // task switcher
    ThemeApi theme_;
    int statusWidths_[kStatusPanes] = {};
    std::string statusTexts_[kStatusPanes];  // as set, so that only changed panes are set again
    StatusWords statusWords_;  // in the current language; read from its file only when it changes
    SelectionFacts selection_;
    bool viewStale_ = false;
    bool creating_ = false;  // OnCreate runs
    std::unique_ptr<FileStatusWorker> statusWorker_;
    StatusRound statusRound_;
    int ticksSinceDoubt_ = 0;
    // Documents answered missing whose rows have not left a view that hides them yet: a list
    // view takes a while to change its row count, so rows leave a few times a second.
    std::vector<uint32_t> vanished_;
    // Rows on the screen that answers changed, for the next status tick to draw again. Answers
    // come faster than a long list paints, and a paint after each would keep the window busy.
    std::vector<size_t> answeredRows_;
    bool selectionStale_ = true;  // selection_ must be counted again
    bool scanning_ = false;          // a scan of the Recent folder runs
    bool rebuildAfterScan_ = false;  // a full rebuild was asked for meanwhile
    bool extendAfterScan_ = false;   // it recorded an opening
    std::function<bool(const std::string&)> openAddress_;
    std::function<bool(HWND)> passwordPrompt_;
    std::unique_ptr<RecentPopup> popup_;
    RECT hoverRect_{};
    std::function<void(unsigned, const std::vector<std::string>&)> documentCommand_;
    TrayIcon tray_;
    UINT taskbarCreated_ = 0;
    int trayAttempt_ = 0;  // refused adds so far
};

// The main window when it exists and is alive, otherwise null.
CFrameApplication* MainFrame();
