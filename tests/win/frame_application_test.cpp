// The real main window on a scratch history: view commands, command states read back from the
// real menu, status bar and caption, hiding, Exit, and how rebuilds keep tabs and selection.
#include "app/frame_application.h"

#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <set>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <memory>

#include "app/application.h"
#include "settings/settings_store.h"
#include "framework/com_ptr.h"
#include "framework/message_filters.h"
#include "framework/program_path.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "language/web_addresses.h"
#include "resource.h"
#include "tracking/system_document_list_model.h"
#include "tracking/recent_watcher.h"
#include "panes/shell_types.h"
#include "ui/dialog_units.h"
#include "registry_test_support.h"
#include "frame_test_fixture.h"
#include "wine_test_support.h"

using namespace std::chrono_literals;
using namespace testsupport;

namespace {

constexpr char kBranch[] = "Software\\Quillon Works\\Kestrum";
// Filter modes of the filter pane, as stored.
constexpr std::uint32_t kAllDates = 0;

// Chooses a mode of the filter pane as a click on its radio button does.
void ChooseFilterMode(HWND pane, int radio) {
    for (int id : {IDC_FILTER_ALL, IDC_FILTER_DAY, IDC_FILTER_LAST, IDC_FILTER_BETWEEN, IDC_FILTER_LISTED}) {
        ::CheckDlgButton(pane, id, id == radio ? BST_CHECKED : BST_UNCHECKED);
    }
    ::SendMessageA(pane, WM_COMMAND, MAKEWPARAM(radio, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(pane, radio)));
}

// The popup of `menu` (searched through its sub-menus) that holds `command` as an item.
HMENU PopupHolding(HMENU menu, unsigned command, int& position) {
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
        if (const HMENU sub = ::GetSubMenu(menu, index)) {
            if (const HMENU found = PopupHolding(sub, command, position)) return found;
        } else if (::GetMenuItemID(menu, index) == command) {
            position = index;
            return menu;
        }
    }
    return nullptr;
}

constexpr unsigned kDocumentCommands[] = {ID_FILE_OPEN,   ID_FILE_EXPLORE,   ID_FILE_INFO,      ID_FILE_COPY, ID_FILE_MOVE,
                                          ID_FILE_PRINT,  ID_FILE_DELETE,    ID_FILE_SAVE_LIST, ID_FILE_CLEAR_LIST};

// The real application object, plus stand-ins for the document commands' handlers, so their
// states show the selection rules rather than "nobody carries this out".
class ApplicationWithDocumentCommands : public CApplication {
public:
    std::vector<unsigned> ran;

protected:
    const MessageMap& Map() const override {
        static constexpr CommandEntry kCommands[] = {
            route::Command<ID_FILE_OPEN, &ApplicationWithDocumentCommands::Run>(),
            route::Command<ID_FILE_PRINT, &ApplicationWithDocumentCommands::Run>(),
            route::Command<ID_FILE_SAVE_LIST, &ApplicationWithDocumentCommands::Run>(),
            route::CommandRange<ID_FILE_DELETE, ID_FILE_EXPLORE, &ApplicationWithDocumentCommands::Run>(),
            route::CommandRange<ID_FILE_COPY, ID_FILE_MOVE, &ApplicationWithDocumentCommands::Run>(),
            route::Command<ID_FILE_CLEAR_LIST, &ApplicationWithDocumentCommands::Run>(),
            route::Command<ID_FILE_INFO, &ApplicationWithDocumentCommands::Run>(),
        };
        static const MessageMap kMap{.commands = kCommands, .base = &CApplication::Map()};
        return kMap;
    }

private:
    void Run(unsigned id) { ran.push_back(id); }
};

class FrameTest : public FrameFixture {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        ClearRecentFolder();
    }
    // Addresses the frame would open are recorded instead.
    void Open(const std::string& history) {
        FrameFixture::Open(history);
        frame_->SetAddressOpener([this](const std::string& address) {
            opened_.push_back(address);
            return true;
        });
    }
    HWND List() { return frame_->ListControl()->hwnd(); }
    HWND Tabs() { return ::GetDlgItem(frame_->FilesPane().hwnd(), IDC_FILES_TABS); }
    int Rows() { return frame_->FilesPane().RowCount(); }
    int SelectedTab() { return frame_->FilesPane().SelectedTab(); }

    void Command(unsigned id) {
        ::SendMessageA(Window(), WM_COMMAND, id, 0);
        SettleStatuses();
    }
    // The item's state as the user sees it when its menu opens.
    UINT MenuState(unsigned command) {
        int position = -1;
        const HMENU popup = PopupHolding(frame_->MainMenu(), command, position);
        EXPECT_NE(popup, nullptr) << command;
        if (popup == nullptr) return 0;
        ::SendMessageA(Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(position, FALSE));
        return ::GetMenuState(popup, command, MF_BYCOMMAND);
    }
    bool Enabled(unsigned command) { return (MenuState(command) & (MF_GRAYED | MF_DISABLED)) == 0; }
    bool Checked(unsigned command) { return (MenuState(command) & MF_CHECKED) != 0; }

    void SelectRows(std::initializer_list<int> rows) {
        LVITEMA none{};
        none.stateMask = LVIS_SELECTED;
        ::SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
        for (int row : rows) {
            LVITEMA item{};
            item.stateMask = LVIS_SELECTED;
            item.state = LVIS_SELECTED;
            ::SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        }
    }
    std::vector<int> SelectedRows() { return frame_->ListControl()->SelectedRows(); }
    std::string Cell(int row, int column) { return ListCellText(List(), row, column); }
    std::string StatusText(int pane) {
        // Counting the selection asks for statuses it does not know yet; their answers count again.
        frame_->UpdateCaptionAndStatus();
        SettleStatuses();
        frame_->UpdateCaptionAndStatus();
        char text[256] = {};
        ::SendMessageA(frame_->StatusBar(), SB_GETTEXTA, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text));
        return text;
    }
    std::string Caption() {
        frame_->UpdateCaptionAndStatus();
        char text[256] = {};
        ::GetWindowTextA(Window(), text, sizeof text);
        return text;
    }
    RECT ChildRect(HWND child) {
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    static bool HasStyle(HWND window, LONG_PTR style) { return (::GetWindowLongPtrA(window, GWL_STYLE) & style) != 0; }

    // The items of top-level menu `index` shown greyed when the user opens it and its sub-menus.
    std::set<unsigned> GreyItems(int index) {
        std::set<unsigned> grey;
        CollectGrey(::GetSubMenu(frame_->MainMenu(), index), index, grey);
        return grey;
    }
    void CollectGrey(HMENU popup, int position, std::set<unsigned>& grey) {
        ::SendMessageA(Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(position, FALSE));
        for (int item = 0; item < ::GetMenuItemCount(popup); ++item) {
            if (const HMENU sub = ::GetSubMenu(popup, item)) {
                CollectGrey(sub, item, grey);
            } else if (const UINT state = ::GetMenuState(popup, item, MF_BYPOSITION);
                       (state & MF_SEPARATOR) == 0 && (state & (MF_GRAYED | MF_DISABLED)) != 0) {
                grey.insert(::GetMenuItemID(popup, item));
            }
        }
    }
    // Commands that neither the frame nor the application carries out.
    std::set<unsigned> Unhandled(std::initializer_list<unsigned> commands) {
        std::set<unsigned> unhandled;
        for (unsigned id : commands) {
            if (!frame_->HasCommandHandler(id) && !application_.HasCommandHandler(id)) unhandled.insert(id);
        }
        return unhandled;
    }

    ApplicationWithDocumentCommands application_;
    std::vector<std::string> opened_;
};

TEST_F(FrameTest, CreationBuildsBarsPanesAndTheOwnerDrawnMenuHidden) {
    Open(Line(today_, Doc("a.txt")));
    EXPECT_FALSE(::IsWindowVisible(Window()));
    EXPECT_EQ(::GetDlgItem(Window(), IDC_STATUS_BAR), frame_->StatusBar());
    EXPECT_EQ(::SendMessageA(frame_->StatusBar(), SB_GETPARTS, 0, 0), CFrameApplication::kStatusPanes);
    const HWND toolBar = ::GetDlgItem(Window(), IDC_TOOLBAR);
    ASSERT_NE(toolBar, nullptr);
    ASSERT_NE(frame_->ToolBar(), nullptr);
    EXPECT_EQ(::SendMessageA(toolBar, TB_BUTTONCOUNT, 0, 0), 17);
    EXPECT_EQ(frame_->ToolBar()->IconSize(), 24) << "large icons by default";
    EXPECT_EQ(frame_->ToolBar()->IconCount(), 14);
    EXPECT_EQ(::GetDlgItem(Window(), CDialogFiles::kChildId), frame_->FilesPane().hwnd());
    EXPECT_EQ(::GetDlgItem(Window(), IDW_FILTER_PANE), frame_->FilterPane().hwnd());

    const HMENU menu = ::GetMenu(Window());
    ASSERT_EQ(menu, frame_->MainMenu());
    ASSERT_EQ(::GetMenuItemCount(menu), 5);
    MENUITEMINFOA last{};
    last.cbSize = sizeof last;
    last.fMask = MIIM_FTYPE | MIIM_ID;
    ASSERT_TRUE(::GetMenuItemInfoA(menu, 4, TRUE, &last));
    EXPECT_EQ(last.wID, static_cast<UINT>(ID_MAKER_WEB_ADDRESS));
    EXPECT_TRUE(last.fType & MFT_RIGHTJUSTIFY);
    EXPECT_TRUE(last.fType & MFT_OWNERDRAW);
    EXPECT_NE(OwnerDrawMenu::FromHandle(frame_->TrayMenu()), nullptr);
    EXPECT_EQ(Rows(), 1) << "the filter pane's first rebuild filled the list";
}

TEST_F(FrameTest, ViewTogglesStoreTheirSettingAndRebuild) {
    const std::string a = Doc("a.txt");
    Open(Line(today_, a) + Line(today_, a) + Line(today_, Doc("b.pdf")) + Line(today_, documents_.Path() + "gone.txt"));
    EXPECT_EQ(Rows(), 3) << "the txt tab: two openings of a.txt and the missing document";

    Command(ID_VIEW_DUPLICATES);
    EXPECT_EQ(Stored(Setting::ViewDuplicates), 0u);
    EXPECT_EQ(Rows(), 2);
    Command(ID_VIEW_DELETED);
    EXPECT_EQ(Stored(Setting::ViewDeleted), 0u);
    EXPECT_EQ(Rows(), 1);
    Command(ID_VIEW_TYPES_ALL);
    EXPECT_EQ(Stored(Setting::ViewTypesAll), 1u);
    EXPECT_EQ(Rows(), 2) << "a.txt once and b.pdf";
    EXPECT_FALSE(HasStyle(Tabs(), WS_VISIBLE));
    Command(ID_VIEW_TYPES_ALL);
    EXPECT_EQ(Rows(), 1);
    EXPECT_TRUE(HasStyle(Tabs(), WS_VISIBLE));
    EXPECT_TRUE(Checked(ID_VIEW_TAB_TEXT));
    Command(ID_VIEW_TAB_TEXT);
    EXPECT_EQ(Stored(Setting::ViewTabText), 0u);
    EXPECT_TRUE(HasStyle(Tabs(), TCS_FIXEDWIDTH));
    EXPECT_FALSE(Checked(ID_VIEW_TAB_TEXT));
}

TEST_F(FrameTest, AcceleratorsReachTheViewCommands) {
    Open(Line(today_, Doc("a.txt")) + Line(today_, Doc("b.pdf")));
    ::PostMessageA(List(), WM_KEYDOWN, VK_F4, 1);
    PumpPendingMessages();
    EXPECT_EQ(Stored(Setting::ViewTypesAll), 1u);
    EXPECT_EQ(Rows(), 2);
}

TEST_F(FrameTest, TheMenusAsTheUserSeesThemFollowTheSelection) {
    const std::string a = Doc("a.txt");
    const std::string b = Doc("b.txt");
    Open(Line(today_, a) + Line(today_, b) + Line(today_, documents_.Path() + "gone.txt"));
    ASSERT_EQ(Rows(), 3);  // sorted by name: a, b, gone
    const std::set<unsigned> selectionCommands = {ID_FILE_OPEN, ID_FILE_EXPLORE, ID_FILE_INFO,  ID_FILE_COPY,
                                                  ID_FILE_MOVE, ID_FILE_PRINT,   ID_FILE_DELETE};
    struct Case {
        const char* name;
        std::initializer_list<int> rows;
        std::set<unsigned> fileGrey;
    };
    const Case cases[] = {
        {"nothing selected", {}, selectionCommands},
        {"one document", {0}, {}},
        {"two documents", {0, 1}, {ID_FILE_INFO}},
        {"only a missing document",
         {2},
         {ID_FILE_OPEN, ID_FILE_INFO, ID_FILE_COPY, ID_FILE_MOVE, ID_FILE_PRINT, ID_FILE_DELETE}},
    };
    const std::set<unsigned> serviceGrey = Unhandled({ID_SERVICE_PASSWORD, ID_SERVICE_OPTIONS});
    const std::set<unsigned> helpGrey =
        Unhandled({ID_HELP_CONTENTS, ID_HELP_PRODUCTS, ID_HELP_WEB_SITE, ID_HELP_ABOUT});
    EXPECT_EQ(serviceGrey.count(ID_SERVICE_PASSWORD), 0u) << "the application changes the password";
    EXPECT_EQ(helpGrey.count(ID_HELP_ABOUT), 0u) << "the application shows About";
    for (const Case& c : cases) {
        SelectRows(c.rows);
        EXPECT_EQ(GreyItems(0), c.fileGrey) << c.name;
        EXPECT_EQ(GreyItems(1), std::set<unsigned>{}) << c.name;
        EXPECT_EQ(GreyItems(2), serviceGrey) << c.name;
        EXPECT_EQ(GreyItems(3), helpGrey) << c.name;
    }
}

TEST_F(FrameTest, AnEmptyListGreysEveryDocumentCommandAndNothingElse) {
    Open("");
    std::set<unsigned> expected(std::begin(kDocumentCommands), std::end(kDocumentCommands));
    EXPECT_EQ(GreyItems(0), expected);
    EXPECT_EQ(GreyItems(1), std::set<unsigned>{});
}

TEST_F(FrameTest, OnlyAnEnabledCommandRunsItsHandler) {
    const std::string a = Doc("a.txt");
    Open(Line(today_, a));
    SelectRows({0});
    Command(ID_FILE_OPEN);
    EXPECT_EQ(application_.ran, std::vector<unsigned>{ID_FILE_OPEN}) << "an enabled command runs its handler";
    SelectRows({});
    Command(ID_FILE_OPEN);
    EXPECT_EQ(application_.ran.size(), 1u) << "a greyed one runs nowhere, from the keyboard either";
}

TEST_F(FrameTest, AnEmptyListDisablesSaveAndClearAndShowsATotalOfNothing) {
    Open("");
    EXPECT_FALSE(Enabled(ID_FILE_SAVE_LIST));
    EXPECT_FALSE(Enabled(ID_FILE_CLEAR_LIST));
    EXPECT_EQ(StatusText(1), "Total: 0  ");
    EXPECT_EQ(StatusText(2), "Selected: 0  ");
    EXPECT_EQ(StatusText(3), "Help - F1");
}

TEST_F(FrameTest, ViewItemsAreCheckedByTheirSettings) {
    Open("");
    EXPECT_FALSE(Checked(ID_VIEW_TYPES_ALL));
    EXPECT_TRUE(Checked(ID_VIEW_DUPLICATES));
    EXPECT_TRUE(Checked(ID_VIEW_DELETED));
    EXPECT_TRUE(Checked(ID_VIEW_FILTER));
    EXPECT_TRUE(Checked(ID_VIEW_STATUSBAR));
    EXPECT_TRUE(Checked(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(Checked(ID_VIEW_LARGE_ICONS));
    // Wine's prefix has visual styles on: the stored scheme (Modern by default) is checked.
    EXPECT_TRUE(Enabled(ID_VIEW_COLORS_CLASSIC));
    EXPECT_TRUE(Checked(ID_VIEW_COLORS_MODERN));
    EXPECT_FALSE(Checked(ID_VIEW_COLORS_ORIGINAL));
    Command(ID_VIEW_COLORS_ORIGINAL);
    EXPECT_EQ(Stored(Setting::ViewInterfaceColors), 2u);
    ASSERT_NE(frame_->ToolBar(), nullptr);
    EXPECT_EQ(frame_->ToolBar()->Scheme(), 2);
    EXPECT_EQ(OwnerDrawMenu::CurrentScheme(), 2);
    EXPECT_TRUE(Checked(ID_VIEW_COLORS_ORIGINAL));
    EXPECT_FALSE(Checked(ID_VIEW_COLORS_MODERN));
}

TEST_F(FrameTest, TextLabelsAreDisabledWhileAllTypesAreOn) {
    Open(Line(today_, Doc("a.txt")));
    EXPECT_TRUE(Enabled(ID_VIEW_TAB_TEXT));
    Command(ID_VIEW_TYPES_ALL);
    EXPECT_FALSE(Enabled(ID_VIEW_TAB_TEXT));
    // A disabled command does nothing, even from its accelerator.
    Command(ID_VIEW_TAB_TEXT);
    EXPECT_EQ(Stored(Setting::ViewTabText), 1u);
}

TEST_F(FrameTest, HidingTheFilterPaneGivesItsRoomToTheFilesPaneAndDisablesSwitchingToIt) {
    Open(Line(today_, Doc("a.txt")));
    ::SetWindowPos(Window(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    frame_->ShowMainWindow();
    EXPECT_TRUE(Enabled(ID_VIEW_SWITCH_FILTER));
    const RECT filesWithFilter = ChildRect(frame_->FilesPane().hwnd());
    EXPECT_EQ(ChildRect(frame_->FilterPane().hwnd()).right, filesWithFilter.left);
    EXPECT_GT(filesWithFilter.left, 0);

    Command(ID_VIEW_SWITCH_FILTER);
    EXPECT_TRUE(Checked(ID_VIEW_SWITCH_FILTER));
    EXPECT_FALSE(Checked(ID_VIEW_SWITCH_LIST));
    Command(ID_VIEW_FILTER);
    EXPECT_EQ(Stored(Setting::ViewFilter), 0u);
    EXPECT_FALSE(::IsWindowVisible(frame_->FilterPane().hwnd()));
    EXPECT_EQ(ChildRect(frame_->FilesPane().hwnd()).left, 0);
    EXPECT_FALSE(Enabled(ID_VIEW_SWITCH_FILTER));
    EXPECT_TRUE(Checked(ID_VIEW_SWITCH_LIST)) << "the focus left the pane that went";

    Command(ID_VIEW_FILTER);
    EXPECT_TRUE(::IsWindowVisible(frame_->FilterPane().hwnd()));
    EXPECT_EQ(ChildRect(frame_->FilesPane().hwnd()).left, filesWithFilter.left);
}

TEST_F(FrameTest, BarsFollowTheirSettingsAndLargeIconsKeepAHiddenToolBarHidden) {
    Open(Line(today_, Doc("a.txt")));
    ::SetWindowPos(Window(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    const RECT before = ChildRect(frame_->FilesPane().hwnd());
    Command(ID_VIEW_STATUSBAR);
    EXPECT_EQ(Stored(Setting::ViewStatusbar), 0u);
    EXPECT_FALSE(HasStyle(frame_->StatusBar(), WS_VISIBLE));
    EXPECT_GT(ChildRect(frame_->FilesPane().hwnd()).bottom, before.bottom);

    ASSERT_NE(frame_->ToolBar(), nullptr);
    Command(ID_VIEW_TOOLBAR);
    EXPECT_EQ(Stored(Setting::ViewToolbar), 0u);
    EXPECT_EQ(ChildRect(frame_->FilesPane().hwnd()).top, 0);
    Command(ID_VIEW_LARGE_ICONS);
    EXPECT_EQ(Stored(Setting::ViewLarge), 0u);
    ASSERT_NE(frame_->ToolBar(), nullptr);
    EXPECT_EQ(frame_->ToolBar()->IconSize(), 16);
    EXPECT_FALSE(HasStyle(frame_->ToolBar()->hwnd(), WS_VISIBLE));
    EXPECT_EQ(::SendMessageA(frame_->ToolBar()->hwnd(), TB_BUTTONCOUNT, 0, 0), 17);

    Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(HasStyle(frame_->ToolBar()->hwnd(), WS_VISIBLE));
    const RECT bar = ChildRect(frame_->ToolBar()->hwnd());
    EXPECT_EQ(ChildRect(frame_->FilesPane().hwnd()).top, bar.bottom - bar.top);
}

TEST_F(FrameTest, SortBySortsAtOnceButTheCheckAndTheNextRefillFollowTheStoredKey) {
    Open(Line(today_, Doc("b.txt", 9000)) + Line(today_, Doc("a.txt", 3000)) + Line(today_, Doc("c.txt", 1)));
    EXPECT_EQ(Cell(0, kColumnName), "a.txt");
    Command(ID_SORT_SIZE);
    EXPECT_EQ(Cell(0, kColumnName), "c.txt");
    EXPECT_EQ(Cell(2, kColumnName), "b.txt");
    EXPECT_TRUE(Checked(ID_SORT_NAME));
    EXPECT_FALSE(Checked(ID_SORT_SIZE));
    EXPECT_EQ(Stored(Setting::FilesSort), 0u);
    frame_->FillList(0);
    EXPECT_EQ(Cell(0, kColumnName), "a.txt");
    Store(Setting::FilesSort, 2);
    EXPECT_TRUE(Checked(ID_SORT_SIZE));
}

TEST_F(FrameTest, StatusAndCaptionNameTheFiltersAndTheTypeTab) {
    Open(Line(today_, Doc("a.txt")) + Line(today_ - 3, Doc("b.txt")));
    // The filter pane starts in its one-day mode: a date filter, and a type tab.
    EXPECT_EQ(StatusText(0), "Filter: Date, Type  ");
    EXPECT_EQ(StatusText(1), "Total: 1  ");
    const std::string typeName = ShellTypes(nullptr).ForExtension("txt").name;
    ASSERT_FALSE(typeName.empty());
    EXPECT_EQ(Caption(), "Kestrum - [" + typeName + "]");

    Command(ID_VIEW_TYPES_ALL);
    EXPECT_EQ(StatusText(0), "Filter: Date");
    EXPECT_EQ(Caption(), "Kestrum");

    ChooseFilterMode(frame_->FilterPane().hwnd(), IDC_FILTER_ALL);
    EXPECT_EQ(StatusText(0), "Filter: None  ");
    EXPECT_EQ(StatusText(1), "Total: 2  ");
    SelectRows({0, 1});
    EXPECT_EQ(StatusText(2), "Selected: 2  ");
}

TEST_F(FrameTest, TheDocumentContextMenuFollowsTheSelection) {
    Open(Line(today_, Doc("a.txt")) + Line(today_, documents_.Path() + "gone.txt"));
    UniqueMenu loaded(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    const HMENU file = ::GetSubMenu(loaded.get(), 0);
    auto enabled = [&](unsigned command) {
        return (::GetMenuState(file, command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
    };
    const unsigned documentCommands[] = {ID_FILE_OPEN, ID_FILE_COPY, ID_FILE_MOVE, ID_FILE_PRINT, ID_FILE_DELETE,
                                         ID_FILE_EXPLORE, ID_FILE_INFO};
    SelectRows({});
    frame_->SetDocumentMenuStates(file);
    for (unsigned command : documentCommands) EXPECT_FALSE(enabled(command)) << command << " with nothing selected";
    EXPECT_TRUE(enabled(ID_FILE_SAVE_LIST));
    EXPECT_TRUE(enabled(ID_FILE_CLEAR_LIST));

    SelectRows({1});  // sorted by name: a.txt, gone.txt
    frame_->SetDocumentMenuStates(file);
    for (unsigned command : documentCommands) {
        EXPECT_EQ(enabled(command), command == ID_FILE_EXPLORE) << command << " with a missing document selected";
    }
    SelectRows({0, 1});
    frame_->SetDocumentMenuStates(file);
    EXPECT_TRUE(enabled(ID_FILE_OPEN));
    EXPECT_FALSE(enabled(ID_FILE_INFO)) << "two rows selected";
}

TEST_F(FrameTest, SelectedCountsPathsOnceAndMissingOnesOnlyInTheDeletedView) {
    const std::string a = Doc("a.txt");
    Open(Line(today_, a) + Line(today_, a) + Line(today_, documents_.Path() + "gone.txt"));
    SelectRows({0, 1, 2});
    EXPECT_EQ(StatusText(2), "Selected: 2  ");
    Store(Setting::ViewDeleted, 0);  // the setting alone, without a rebuild
    EXPECT_EQ(StatusText(2), "Selected: 1  ");
}

TEST_F(FrameTest, EveryChangeOfTheSelectionIsCountedAgain) {
    // Two selections of two rows each, starting at the same row: only the second names a
    // document that exists. Names equal but for case keep history order.
    const std::string gone = documents_.Path() + "Alpha\\Budget.xlsx";
    ::CreateDirectoryA((documents_.Path() + "beta").c_str(), nullptr);
    Open(Line(today_, gone) + Line(today_, gone) + Line(today_, Doc("beta\\budget.xlsx")));
    ASSERT_EQ(Rows(), 3);
    SelectRows({0, 1});
    EXPECT_EQ(StatusText(2), "Selected: 1  ");
    EXPECT_FALSE(Enabled(ID_FILE_OPEN));
    SelectRows({0, 2});
    EXPECT_EQ(StatusText(2), "Selected: 2  ");
    EXPECT_TRUE(Enabled(ID_FILE_OPEN));
    SelectRows({});
    EXPECT_EQ(StatusText(2), "Selected: 0  ");
    EXPECT_FALSE(Enabled(ID_FILE_OPEN));
}

TEST_F(FrameTest, TheTypeTabNamesTheExtensionAsTheFirstShownLineWritesIt) {
    ShellTypes shell(nullptr);
    const std::string upper = shell.ForExtension("DOCX").name;
    const std::string lower = shell.ForExtension("docx").name;
    ASSERT_NE(upper, lower) << "the shell names unknown types by the extension as written";

    Store(Setting::FilterType, kAllDates);
    Open(Line(today_ - 2, documents_.Path() + "Lost Thesis.DOCX") + Line(today_, Doc("2024 plan.docx")));
    auto tabText = [&] {
        char text[128] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(Tabs(), TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return std::string(text);
    };
    EXPECT_EQ(tabText(), upper) << "deleted documents shown: the missing document's line comes first";
    EXPECT_EQ(Caption(), "Kestrum - [" + upper + "]");
    Command(ID_VIEW_DELETED);
    EXPECT_EQ(tabText(), lower);
    EXPECT_EQ(Caption(), "Kestrum - [" + lower + "]");
}

TEST_F(FrameTest, AStoredSortKeyNamingNoColumnLeavesHistoryOrderAndNoMark) {
    Store(Setting::FilesSort, 9);
    Open(Line(today_, Doc("b.txt")) + Line(today_, Doc("a.txt")) + Line(today_, Doc("c.txt")));
    EXPECT_EQ(Cell(0, kColumnName), "b.txt");
    EXPECT_EQ(Cell(1, kColumnName), "a.txt");
    EXPECT_EQ(Cell(2, kColumnName), "c.txt");
    EXPECT_EQ(frame_->ListControl()->SortColumn().column, -1);
    for (unsigned command : {ID_SORT_NAME, ID_SORT_FOLDER, ID_SORT_SIZE, ID_SORT_ACCESSED, ID_SORT_CREATED,
                             ID_SORT_MODIFIED}) {
        EXPECT_FALSE(Checked(command)) << command;
    }
}

TEST_F(FrameTest, TheTimerRefreshesTheStatusBarOnlyWhileShownAndPanesFitTheirTexts) {
    Open(Line(today_, Doc("a.txt")));
    auto firstPane = [&] {
        char text[64] = {};
        ::SendMessageA(frame_->StatusBar(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    // KillTimer answers whether the timer ran (and stops it; the test shows the window again).
    EXPECT_FALSE(::KillTimer(Window(), 0)) << "a hidden window runs no timer";
    frame_->ShowMainWindow();
    ChooseFilterMode(frame_->FilterPane().hwnd(), IDC_FILTER_ALL);
    Store(Setting::ViewTypesAll, 1);
    ASSERT_TRUE(WaitUntil([&] { return firstPane() == "Filter: None  "; }, 2s));
    int edges[CFrameApplication::kStatusPanes] = {};
    ::SendMessageA(frame_->StatusBar(), SB_GETPARTS, CFrameApplication::kStatusPanes, reinterpret_cast<LPARAM>(edges));
    EXPECT_GT(edges[0], 0);
    EXPECT_GT(edges[1], edges[0]);
    EXPECT_GT(edges[2], edges[1]);
    EXPECT_EQ(edges[3], -1);

    Command(ID_FILE_HIDE);
    EXPECT_FALSE(::KillTimer(Window(), 0)) << "hiding stops the timer";
    Store(Setting::ViewTypesAll, 0);
    PumpPendingMessages();
    EXPECT_EQ(firstPane(), "Filter: None  ") << "nothing is refreshed while hidden";
    frame_->ShowMainWindow();
    EXPECT_EQ(firstPane(), "Filter: Type  ") << "showing brings the status up to date at once";
    EXPECT_TRUE(::KillTimer(Window(), 0));
}

TEST_F(FrameTest, ARebuildWithFewerTabsSelectsTheLastAndWithNoneSelectsNothing) {
    Store(Setting::FilterType, kAllDates);
    Open(Line(today_ - 5, Doc("x.rtf")) + Line(today_ - 5, Doc("y.csv")) + Line(today_, Doc("a.txt")) +
         Line(today_, Doc("b.pdf")));
    ASSERT_EQ(frame_->FilesPane().TabCount(), 4);
    frame_->FilesPane().SelectTab(3);
    frame_->FillList(3);
    EXPECT_EQ(Cell(0, kColumnName), "b.pdf");

    ChooseFilterMode(frame_->FilterPane().hwnd(), IDC_FILTER_DAY);  // the calendar shows today
    EXPECT_EQ(frame_->FilesPane().TabCount(), 2);
    EXPECT_EQ(SelectedTab(), 1);
    EXPECT_EQ(Cell(0, kColumnName), "b.pdf") << "the list shows the selected tab";

    ChooseFilterMode(frame_->FilterPane().hwnd(), IDC_FILTER_LISTED);  // no dates listed: nothing passes
    EXPECT_EQ(frame_->FilesPane().TabCount(), 0);
    EXPECT_EQ(SelectedTab(), -1);
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(Caption(), "Kestrum");
}

TEST_F(FrameTest, WithDeletedHiddenGoneRowsLeaveAndATypeWithNothingLeftLosesItsTab) {
    Store(Setting::FilterType, kAllDates);
    Store(Setting::ViewDeleted, 0);
    Store(Setting::ViewTypesAll, 0);
    const std::string a = Doc("a.txt"), b = Doc("b.txt"), e = Doc("e.rtf");
    Open(Line(today_ - 2, a) + Line(today_ - 2, documents_.Path() + "gone\\c.txt") +
         Line(today_ - 1, documents_.Path() + "d.pdf") + Line(today_, b) + Line(today_, e));
    auto names = [&] {
        std::vector<std::string> shown;
        for (int row = 0; row < Rows(); ++row) shown.push_back(Cell(row, kColumnName));
        std::sort(shown.begin(), shown.end());
        return shown;
    };
    // The shown type keeps its tab: its rows lose the gone document, the strip the pdf tab.
    EXPECT_EQ(frame_->FilesPane().TabCount(), 2);
    EXPECT_EQ(SelectedTab(), 0);
    EXPECT_EQ(names(), (std::vector<std::string>{"a.txt", "b.txt"}));

    // The shown type itself loses its last documents: the list shows the tab now in its place.
    frame_->FilesPane().SelectTab(1);
    frame_->FillList(1);
    ASSERT_EQ(names(), std::vector<std::string>{"e.rtf"});
    ::DeleteFileA(b.c_str());
    ::DeleteFileA(e.c_str());
    model_.DoubtFileStatus();
    frame_->RebuildView();
    EXPECT_EQ(frame_->FilesPane().TabCount(), 2) << "a doubted document counts as it was until answered";
    SettleStatuses();
    EXPECT_EQ(frame_->FilesPane().TabCount(), 1);
    EXPECT_EQ(SelectedTab(), 0);
    EXPECT_EQ(names(), std::vector<std::string>{"a.txt"});
}

TEST_F(FrameTest, TheSelectedRowSurvivesRefillsWithinTheList) {
    const std::string a = Doc("a.txt");
    Open(Line(today_, a) + Line(today_, a) + Line(today_, a) + Line(today_, a) + Line(today_, Doc("b.txt")));
    ASSERT_EQ(Rows(), 5);
    EXPECT_EQ(SelectedRows(), std::vector<int>{0}) << "row 0 when nothing was selected";
    SelectRows({3});
    frame_->FillList(0);
    EXPECT_EQ(SelectedRows(), std::vector<int>{3});
    Command(ID_VIEW_DUPLICATES);  // two rows are left
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(SelectedRows(), std::vector<int>{1}) << "moved to the last row";
    SelectRows({});
    frame_->FillList(0);
    EXPECT_EQ(SelectedRows(), std::vector<int>{0});
}

TEST_F(FrameTest, MinimisingAndClosingOnlyHide) {
    Store(Setting::HideMessage, 1);
    Open("");
    frame_->ShowMainWindow();
    ASSERT_TRUE(::IsWindowVisible(Window()));
    ::SendMessageA(Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(::IsWindow(Window()));
    EXPECT_FALSE(::IsWindowVisible(Window()));

    Command(ID_TRAY_OPEN);
    EXPECT_TRUE(::IsWindowVisible(Window()));
    ::SendMessageA(Window(), WM_SYSCOMMAND, SC_MINIMIZE | 2, 0);  // the low four bits are the system's
    EXPECT_FALSE(::IsWindowVisible(Window()));
    EXPECT_FALSE(::IsIconic(Window()));

    frame_->ShowMainWindow();
    ::SendMessageA(Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(Window()));
    EXPECT_FALSE(::IsWindowVisible(Window()));
    frame_->ShowMainWindow();
    Command(ID_FILE_HIDE);
    EXPECT_FALSE(::IsWindowVisible(Window()));
}

TEST_F(FrameTest, ExitSavesColumnWidthsAndPlacementAndDestroysTheWindow) {
    Open(Line(today_, Doc("a.txt")));
    ::SetWindowPos(Window(), nullptr, 40, 30, 640, 420, SWP_NOZORDER);
    ::SendMessageA(List(), LVM_SETCOLUMNWIDTH, kColumnFolder, 123);
    const HWND window = Window();
    Command(ID_FILE_EXIT);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(Stored(Setting::ColWidth1), 123u);
    EXPECT_EQ(Stored(Setting::ColWidth0), 200u);
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kBranch) + "\\MainWindow").c_str(), 0, KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD width = 0;
    DWORD size = sizeof width;
    EXPECT_EQ(::RegQueryValueExA(key, "Width", nullptr, nullptr, reinterpret_cast<BYTE*>(&width), &size), ERROR_SUCCESS);
    EXPECT_EQ(width, 640u);
    ::RegCloseKey(key);
}

TEST_F(FrameTest, HidingShowsTheNoteUntilItsBoxIsTicked) {
    Open("");
    frame_->ShowMainWindow();
    // Answered from inside the note's modal loop: the box ticked, then Close.
    static int notesSeen;
    notesSeen = 0;
    ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND window, LPARAM) -> BOOL {
            const HWND box = ::GetDlgItem(window, IDC_NOTE_HIDE);
            if (box == nullptr || !::IsWindowVisible(window)) return TRUE;
            ++notesSeen;
            ::SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
            ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
            return FALSE;
        }, 0);
        if (notesSeen > 0) ::KillTimer(nullptr, id);
    });
    ::SendMessageA(Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(notesSeen, 1);
    EXPECT_FALSE(::IsWindowVisible(Window()));
    EXPECT_EQ(Stored(Setting::HideMessage), 1u);

    // Ticked, it never shows again: this hide returns without a modal loop.
    frame_->ShowMainWindow();
    ::SendMessageA(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(::IsWindowVisible(Window()));
    EXPECT_EQ(notesSeen, 1);
}

TEST_F(FrameTest, HelpRequestsOpenTheTopicPageOnlyWhenAsked) {
    Open("");
    const auto request = [&](const char* topic, const MSG* message) {
        return ::SendMessageA(Window(), WM_SHOW_HELP_TOPIC, reinterpret_cast<WPARAM>(topic),
                              reinterpret_cast<LPARAM>(message));
    };
    EXPECT_EQ(request("", nullptr), 0);
    MSG keyDown{Window(), WM_KEYDOWN, VK_F1, 0, 0, {}};
    EXPECT_EQ(request("opt.htm", &keyDown), 0) << "the key-down goes on to the dialog";
    MSG other{Window(), WM_KEYUP, VK_F2, 0, 0, {}};
    EXPECT_EQ(request("opt.htm", &other), 0);
    EXPECT_TRUE(opened_.empty());
    MSG keyUp{Window(), WM_KEYUP, VK_F1, 0, 0, {}};
    EXPECT_EQ(request("opt.htm", &keyUp), 1);
    EXPECT_EQ(request("help.htm", nullptr), 1);
    const std::string help = CurrentLanguage().ProductWebAddress();
    EXPECT_EQ(opened_, (std::vector<std::string>{help + "/opt.htm", help + "/help.htm"}));
}

TEST_F(FrameTest, ARecordedOpeningReachesTheListThroughTheFrame) {
    Store(Setting::ViewTypesAll, 1);
    Open("");
    frame_->ShowMainWindow();
    const std::string opened = Doc("opened.txt");
    ::SHAddToRecentDocs(SHARD_PATHA, opened.c_str());
    ASSERT_TRUE(WaitUntil([&] { return Rows() == 1; }, 10s));
    EXPECT_EQ(Cell(0, kColumnName), "opened.txt");
    EXPECT_EQ(StatusText(1), "Total: 1  ");
}

TEST_F(FrameTest, WhileHiddenARecordedOpeningIsWrittenAndShownWithTheWindow) {
    Store(Setting::ViewTypesAll, 1);
    Open("");
    ASSERT_FALSE(::IsWindowVisible(Window()));
    const std::string opened = Doc("opened while hidden.txt");
    ::SHAddToRecentDocs(SHARD_PATHA, opened.c_str());
    ASSERT_TRUE(WaitUntil([&] { return ReadFile(HistoryPath()).find(opened) != std::string::npos; }, 10s));
    EXPECT_TRUE(WaitUntil([&] { return frame_->ViewWaitsForShow(); }, 2s));
    EXPECT_EQ(Rows(), 0) << "no rebuild while nobody looks";

    frame_->ShowMainWindow();
    EXPECT_FALSE(frame_->ViewWaitsForShow());
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, kColumnName), "opened while hidden.txt");
}

TEST_F(FrameTest, AnOpeningRecordedWhileShownJoinsTheSortedListInPlaceKeepingSelectionAndScroll) {
    Store(Setting::ViewTypesAll, 1);
    Store(Setting::FilterType, kAllDates);
    std::string history;
    char name[32];
    for (int i = 0; i < 200; ++i) {
        std::snprintf(name, sizeof name, "doc %03d.txt", 199 - i);  // the name sort reverses history order
        history += Line(today_ - 1, Doc(name));
    }
    Open(history);
    frame_->ShowMainWindow();
    ASSERT_EQ(Rows(), 200);
    ASSERT_EQ(Cell(0, kColumnName), "doc 000.txt");
    RECT row{};
    row.left = LVIR_BOUNDS;
    ::SendMessageA(List(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    ::SendMessageA(List(), LVM_SCROLL, 0, (row.bottom - row.top) * 100);
    SelectRows({20, 150});
    LVITEMA focus{};
    focus.stateMask = focus.state = LVIS_FOCUSED;
    ::SendMessageA(List(), LVM_SETITEMSTATE, 150, reinterpret_cast<LPARAM>(&focus));
    const auto topRow = [&] { return static_cast<int>(::SendMessageA(List(), LVM_GETTOPINDEX, 0, 0)); };
    const int top = topRow();
    ASSERT_GT(top, 50);

    // Recorded by the real watcher and scan: after "doc 120.txt", a new first row, and a row at
    // the end of another type.
    for (const char* opened : {"doc 120a.txt", "Cover.txt", "zz.rtf"}) {
        ::SHAddToRecentDocs(SHARD_PATHA, Doc(opened).c_str());
        ASSERT_TRUE(WaitUntil([&] { return ReadFile(HistoryPath()).find(opened) != std::string::npos; }, 10s)) << opened;
    }
    ASSERT_TRUE(WaitUntil([&] { return Rows() == 203; }, 10s));
    EXPECT_EQ(Cell(0, kColumnName), "Cover.txt");
    EXPECT_EQ(Cell(122, kColumnName), "doc 120a.txt");
    EXPECT_EQ(Cell(202, kColumnName), "zz.rtf");
    EXPECT_EQ(SelectedRows(), (std::vector<int>{21, 152})) << "the same documents stay selected";
    EXPECT_EQ(Cell(152, kColumnName), "doc 150.txt");
    EXPECT_EQ(::SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 152);
    EXPECT_EQ(topRow(), top) << "the view stays where it was";
    EXPECT_EQ(frame_->FilesPane().TabCount(), 2) << "the new type's tab waits at the end";
    EXPECT_EQ(StatusText(1), "Total: 203  ");

    // What a rebuild shows, apart from where the selection goes.
    const std::vector<std::string> extended = [&] {
        std::vector<std::string> names;
        for (int i = 0; i < Rows(); ++i) names.push_back(Cell(i, kColumnName));
        return names;
    }();
    frame_->RebuildView();
    ASSERT_EQ(Rows(), 203);
    for (int i = 0; i < Rows(); ++i) ASSERT_EQ(Cell(i, kColumnName), extended[static_cast<size_t>(i)]) << i;
}

TEST_F(FrameTest, AnAppendedLineOfANewTypeAddsItsTabAtTheEndAndTheShownTabStays) {
    Store(Setting::FilterType, kAllDates);
    Open(Line(today_, Doc("a.txt")) + Line(today_, Doc("b.pdf")));
    frame_->ShowMainWindow();
    ASSERT_EQ(frame_->FilesPane().TabCount(), 2);
    frame_->FilesPane().SelectTab(1);
    frame_->FillList(1);
    ASSERT_EQ(Rows(), 1);

    ASSERT_TRUE(model_.History().Append(Line(today_, Doc("c.rtf")) + Line(today_, Doc("d.PDF"))));
    frame_->OnHistoryAppended();
    EXPECT_EQ(frame_->FilesPane().TabCount(), 3);
    EXPECT_EQ(SelectedTab(), 1);
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(0, kColumnName), "b.pdf");
    EXPECT_EQ(Cell(1, kColumnName), "d.PDF");
    EXPECT_EQ(SelectedRows(), std::vector<int>{0});

    // Another filter than the last pass's: the whole view is rebuilt.
    Store(Setting::ViewDuplicates, 0);
    ASSERT_TRUE(model_.History().Append(Line(today_, Doc("b.pdf"))));
    frame_->OnHistoryAppended();
    EXPECT_EQ(Rows(), 2) << "the document shown already adds no row once duplicates are hidden";
}

TEST_F(FrameTest, TheFocusGoesToTheList) {
    Open(Line(today_, Doc("a.txt")));
    frame_->ShowMainWindow();
    ::SetFocus(Window());
    EXPECT_EQ(::GetFocus(), List());
    EXPECT_TRUE(Checked(ID_VIEW_SWITCH_LIST));
}

}  // namespace

namespace {

// The tooltip control the frame filled for the tool bar (the bar's own one has no tools of
// ours). A popup made with a child as parent is owned by that child's top-level window.
HWND ToolBarTips(HWND frame) {
    struct Search {
        HWND owner;
        HWND found;
    } search{frame, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND window, LPARAM parameter) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(parameter);
        char name[64] = {};
        ::GetClassNameA(window, name, sizeof name);
        if (std::string(name) == TOOLTIPS_CLASSA && ::GetWindow(window, GW_OWNER) == s.owner &&
            ::SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0) > 1) {
            s.found = window;
            return FALSE;
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ToolTip(HWND tips, HWND toolBar, unsigned command) {
    char text[256] = {};
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = toolBar;
    tool.uId = command;
    tool.lpszText = text;
    ::SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

TEST_F(FrameTest, TheStoredLanguageTranslatesMenusTipsAndStatusWords) {
    WriteFile(languages_.Path() + "deutsch.lng",
              "[Common]\r\nID_2500=Gesamt\r\n[MenuID_128]\r\nID_32788=&Alle Dokumenttypen\r\n"
              "[ToolBarID_128]\r\nID_57601=Ausgewählte Dokumente öffnen\r\n");
    SettingsStore().WriteText(Setting::Lang, "deutsch");
    Open("");
    EXPECT_EQ(language_.Language(), "deutsch");
    EXPECT_EQ(StatusText(1), "Gesamt: 0  ");
    char item[128] = {};
    ::GetMenuStringA(frame_->MainMenu(), ID_VIEW_TYPES_ALL, item, sizeof item, MF_BYCOMMAND);
    EXPECT_STREQ(item, "&Alle Dokumenttypen\tF4");
    ::GetMenuStringA(frame_->MainMenu(), ID_VIEW_DELETED, item, sizeof item, MF_BYCOMMAND);
    EXPECT_STREQ(item, "&Deleted Documents\tF5") << "untranslated items keep their English text";

    const HWND toolBar = frame_->ToolBar()->hwnd();
    const HWND tips = ToolBarTips(Window());
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(ToolTip(tips, toolBar, ID_FILE_OPEN), "Ausgewählte Dokumente öffnen (Enter)");
    EXPECT_EQ(ToolTip(tips, toolBar, ID_FILE_EXPLORE), "Explore Folder (F3)");
    EXPECT_EQ(ToolTip(tips, toolBar, ID_HELP_WEB_SITE), "Kestrum Web-Site");
}

TEST_F(FrameTest, AnEmptyStoredLanguageMeansEnglish) {
    SettingsStore().WriteText(Setting::Lang, "");
    Open("");
    EXPECT_EQ(language_.Language(), "english");
    EXPECT_EQ(StatusText(1), "Total: 0  ");
}

TEST_F(FrameTest, ClearingTheViewPurgesExactlyTheShownLines) {
    const std::string a = Doc("a.txt");
    const std::string b = Doc("b.pdf");
    const std::string old = Doc("old.txt");
    Open(Line(today_, a) + Line(today_, b) + Line(today_ - 2, old) + Line(today_, a));
    ASSERT_EQ(Rows(), 2) << "today's txt lines";
    ASSERT_TRUE(frame_->ClearCurrentView());
    EXPECT_EQ(ReadFile(HistoryPath()), Line(today_, b) + Line(today_ - 2, old));
    ASSERT_TRUE(frame_->RebuildView());
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, kColumnName), "b.pdf");
}

TEST_F(FrameTest, HotKeyZeroShowsTheWindow) {
    Open("");
    ASSERT_FALSE(::IsWindowVisible(Window()));
    ::SendMessageA(Window(), WM_HOTKEY, 1, 0);  // the popup's key: no popup yet, nothing shows
    EXPECT_FALSE(::IsWindowVisible(Window()));
    ::SendMessageA(Window(), WM_HOTKEY, 0, 0);
    EXPECT_TRUE(::IsWindowVisible(Window()));
}

TEST_F(FrameTest, TheFilterPaneIsWideEnoughForAllItsControls) {
    Open("");
    ::SetWindowPos(Window(), nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER);
    const HWND pane = frame_->FilterPane().hwnd();
    RECT paneRect{};
    ::GetWindowRect(pane, &paneRect);
    EXPECT_GE(paneRect.right - paneRect.left, DialogUnitsToPixels(120, true));
    for (HWND child = ::GetWindow(pane, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        ::GetWindowRect(child, &rect);
        EXPECT_LE(rect.right, paneRect.right) << "control " << ::GetDlgCtrlID(child);
    }
    EXPECT_EQ(ChildRect(frame_->FilesPane().hwnd()).left, ChildRect(pane).right);
}

}  // namespace
