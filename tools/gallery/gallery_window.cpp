// The gallery: the main tool bar and the menu bar in the chosen scheme; a tool bar and a menu
// preview in each of the three schemes; an ordinary and an owner-data sortable list; a row of
// standard controls; and the dialog controls with a sample dialog on the common frame.
#include "gallery_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "resource.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "screenshot.h"
#include "ui/dialog_base.h"
#include "ui/offscreen_canvas.h"
#include "ui/scheme_tables.h"

namespace {

constexpr char kClassName[] = "KestrumControlGallery";
constexpr int kClientWidth = 1090;
constexpr int kClientHeight = 790;
constexpr int kMargin = 10;
constexpr int kColumnWidth = 350;

constexpr UINT kMainBarId = 59392;
constexpr UINT kSchemeBarIds[] = {4001, 4002, 4003};
constexpr UINT kLargeBarId = 4004;
constexpr UINT kDocumentListId = 4010;
constexpr UINT kMillionListId = 4011;
constexpr UINT kCaptionButtonIds[] = {4020, 4021, 4022};
constexpr UINT kLinkId = 4023;
constexpr UINT kColorLabelId = 4024;
constexpr UINT kTransparentLabelId = 4025;
constexpr UINT kHistoryId = 4026;
constexpr UINT kSampleDialogButtonId = 4027;
// The gallery's own history list, so that looking at the control leaves the program's lists alone.
constexpr char kHistoryListName[] = "GalleryFiles";
constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kShotTimer = 2;

// Commands of the main tool bar and menus.
constexpr unsigned kOpen = 57601, kExplore = 32783, kInfo = 32830, kCopy = 32806, kMove = 32807, kPrint = 57607,
                   kDelete = 32782, kSaveList = 32777, kClearList = 32802, kPassword = 32798, kOptions = 32784,
                   kHelp = 32872, kProducts = 32835, kWebSite = 32862, kExit = 32820, kStatusbar = 32804,
                   kToolbar = 32805, kLarge = 32803, kOriginal = 32799, kModern = 32800, kClassic = 32801,
                   kAbout = 32813;

// The main window's tool bar: 17 entries, separators as command 0, icons in button order.
const std::vector<ToolBarButton> kMainButtons = {
    {kOpen, 0, "Open", "Open Selected Document(s) (Enter)"},
    {kExplore, 1, "Explore", "Explore Folder (F3)"},
    {kInfo, 2, "Info", "Document Information (Ctrl+I)"},
    {kCopy, 3, "Copy", "Copy Selected Document(s) (Ctrl+C)"},
    {kMove, 4, "Move", "Move Selected Document(s) (Ctrl+M)"},
    {kPrint, 5, "Print", "Print Selected Document(s) (Ctrl+P)"},
    {kDelete, 6, "Delete", "Delete Selected Document(s) (Del)"},
    {},
    {kSaveList, 7, "Save List", "Save Current List of Documents (Ctrl+S)"},
    {kClearList, 8, "Clear List", "Clear Current List of Documents (Ctrl+D)"},
    {},
    {kPassword, 9, "Password", "Set or Change Password"},
    {kOptions, 10, "Options", "Options (Ctrl+O)"},
    {},
    {kHelp, 11, "Help", "Help (F1)"},
    {kProducts, 12, "Products", "All Our Products"},
    {kWebSite, 13, "Web-Site", "Kestrum Web-Site"},
};
constexpr int kMainIcons[] = {IDI_OPEN,      IDI_EXPLORE,    IDI_INFO,     IDI_COPY,    IDI_MOVE,
                              IDI_PRINT,     IDI_DELETE,     IDI_SAVE_LIST, IDI_CLEAR_LIST, IDI_PASSWORD,
                              IDI_OPTIONS,   IDI_HELP_CONTENTS, IDI_PRODUCTS, IDI_WEB_SITE};

// The per-scheme sample: one button of each state, with labels.
const std::vector<ToolBarButton> kSampleButtons = {
    {kOpen, 0, "Open", "Plain"},       {kExplore, 1, "Explore", "Plain"}, {},
    {kCopy, 2, "Checked", "Checked", true}, {kMove, 3, "Disabled", "Disabled"}, {},
    {kOptions, 4, "Pressed", "Pressed"},    {kHelp, 5, "Hot", "Hot"},
};
constexpr int kSampleIcons[] = {IDI_OPEN, IDI_EXPLORE, IDI_COPY, IDI_MOVE, IDI_OPTIONS, IDI_HELP_CONTENTS};
constexpr const char* kSchemeNames[] = {"0 Classic", "1 Modern", "2 Original"};

struct SampleDocument {
    const char* name;
    const char* folder;
    const char* size;
    const char* modified;
};
constexpr SampleDocument kDocuments[] = {
    {"Budget 2024.xlsx", "C:\\Users\\ann\\Documents\\", "48", "03.02.2024 09:12"},
    {"minutes.docx", "C:\\Users\\ann\\Documents\\Board\\", "9", "28.01.2024 17:40"},
    {"holiday.jpg", "D:\\Pictures\\", "2310", "12.08.2023 11:03"},
    {"Notes.txt", "C:\\Users\\ann\\Desktop\\", "1", "05.02.2024 08:01"},
    {"report-final.pdf", "C:\\Users\\ann\\Downloads\\", "734", "30.01.2024 15:22"},
    {"\xC3\x9C" "bersicht.odt", "C:\\Users\\ann\\Documents\\", "10", "04.02.2024 10:45"},
    {"gone.doc", "E:\\Old\\", "", ""},
    {"slides.pptx", "C:\\Users\\ann\\Documents\\Board\\", "5120", "01.02.2024 13:30"},
};

}  // namespace

// The documents sample: sizes compare as numbers, and a header click sorts at once.
class CGalleryWindow::DocumentList : public SortListCtrl {
protected:
    int CompareSortKeys(int column, const std::string& a, const std::string& b) const noexcept override {
        return column == 2 ? CompareAsNumbers(a, b) : SortListCtrl::CompareSortKeys(column, a, b);
    }
    void OnSortClicked(int column, bool ascending) override { Sort(column, ascending); }
};

// A million rows served on demand and sorted through a permutation, as a long history is.
class CGalleryWindow::MillionRows : public SortListCtrl {
public:
    static constexpr int kRows = 1000000;
    MillionRows() : order_(kRows) { std::iota(order_.begin(), order_.end(), 0); }

protected:
    bool SortOwnerData(int column, bool ascending, std::vector<int>& newToOld) override {
        std::vector<int> positions(order_.size());
        std::iota(positions.begin(), positions.end(), 0);
        // Row n is document n; its "size" is a scrambled number, so the two columns sort differently.
        const auto key = [&](int position) {
            const int document = order_[static_cast<std::size_t>(position)];
            return column == 1 ? SizeOf(document) : document;
        };
        std::stable_sort(positions.begin(), positions.end(),
                         [&](int a, int b) { return ascending ? key(a) < key(b) : key(b) < key(a); });
        std::vector<int> sorted(order_.size());
        for (std::size_t i = 0; i < positions.size(); ++i) sorted[i] = order_[static_cast<std::size_t>(positions[i])];
        order_ = std::move(sorted);
        newToOld = std::move(positions);
        return true;
    }
    void OnSortClicked(int column, bool ascending) override { Sort(column, ascending); }
    bool OnListNotify(NMHDR& header, LRESULT& result) override {
        if (header.code != LVN_GETDISPINFOA) return false;
        auto& request = reinterpret_cast<NMLVDISPINFOA&>(header);
        const int row = request.item.iItem;
        if ((request.item.mask & LVIF_TEXT) != 0 && row >= 0 && row < kRows) {
            const int document = order_[static_cast<std::size_t>(row)];
            if (request.item.iSubItem == 0) {
                std::snprintf(request.item.pszText, static_cast<std::size_t>(request.item.cchTextMax),
                              "Document %07d.txt", document);
            } else {
                std::snprintf(request.item.pszText, static_cast<std::size_t>(request.item.cchTextMax), "%d",
                              SizeOf(document));
            }
        }
        result = 0;
        return true;
    }

private:
    static int SizeOf(int document) { return static_cast<int>((document * 7919LL) % 100003); }
    std::vector<int> order_;
};

// A small modeless dialog on the common frame: the header icon, the footer band under the
// buttons, and the help icon with its "Help" link. It borrows the password prompt's template.
class CGalleryWindow::SampleDialog : public DialogBase {
public:
    SampleDialog() : DialogBase(IDD_PASSWORD) {}

protected:
    bool OnInitDialog() override {
        if (!SetupFrame(IDI_PASSWORD, IDI_HELP_LINK, "password.htm")) return false;
        ::SetWindowTextA(hwnd(), "Sample dialog on the common frame");
        SetItemText(IDC_PASSWORD_EDIT, "secret");
        return true;
    }
};

CGalleryWindow::CGalleryWindow(GalleryOptions options)
    : options_(std::move(options)),
      font_(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))),
      documents_(std::make_unique<DocumentList>()),
      million_(std::make_unique<MillionRows>()),
      sampleDialog_(std::make_unique<SampleDialog>()) {}

CGalleryWindow::~CGalleryWindow() { Destroy(); }

const MessageMap& CGalleryWindow::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<WM_CREATE, &CGalleryWindow::OnCreate>(),
        route::Message<WM_PAINT, &CGalleryWindow::OnPaint>(),
        route::Message<WM_TIMER, &CGalleryWindow::OnTimer>(),
        route::Message<WM_MEASUREITEM, &CGalleryWindow::OnMeasureItem>(),
        route::Message<WM_DRAWITEM, &CGalleryWindow::OnDrawItem>(),
        route::Message<WM_MENUCHAR, &CGalleryWindow::OnMenuChar>(),
        route::Message<WM_DESTROY, &CGalleryWindow::OnDestroy>(),
    };
    static constexpr CommandEntry kCommands[] = {
        route::Command<kExit, &CGalleryWindow::Destroy>(),
        route::Command<kSampleDialogButtonId, &CGalleryWindow::OpenSampleDialog>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages, .commands = kCommands};
    return kMap;
}

bool CGalleryWindow::Open() {
    RegisterWindowClass({.name = kClassName,
                         .cursor = ::LoadCursorA(nullptr, IDC_ARROW),
                         .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                         .icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))});
    RECT frame{0, 0, kClientWidth, kClientHeight};
    // No WS_CLIPCHILDREN: group boxes leave their inside to the parent's background.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    ::AdjustWindowRectEx(&frame, style, TRUE, 0);
    std::string title = "Kestrum control gallery - scheme ";
    title += kSchemeNames[options_.scheme];
    title += colors_.IsThemed() ? ", visual styles on" : ", visual styles off (every scheme paints as Classic)";
    if (!Create({.className = kClassName, .title = title, .style = style, .x = 0, .y = 0,
                 .width = frame.right - frame.left, .height = frame.bottom - frame.top})) {
        return false;
    }
    ::ShowWindow(hwnd(), SW_SHOW);
    ::UpdateWindow(hwnd());
    if (options_.openDialog) OpenSampleDialog();
    if (options_.openMenu || !options_.shotPath.empty()) ::SetTimer(hwnd(), kShowTimer, 700, nullptr);
    return true;
}

LRESULT CGalleryWindow::OnCreate(const CreateArgs&) {
    if (!BuildMenu() || !AddMainToolBar() || !AddSchemeRows() || !AddLists()) return -1;
    AddStandardControls();
    return AddDialogControls({kMargin, 700, kClientWidth - kMargin, kClientHeight - kMargin}) ? 0 : -1;
}

bool CGalleryWindow::BuildMenu() {
    HMENU bar = ::CreateMenu();
    HMENU file = ::CreatePopupMenu();
    HMENU view = ::CreatePopupMenu();
    HMENU colors = ::CreatePopupMenu();
    HMENU help = ::CreatePopupMenu();
    ::AppendMenuA(file, MF_STRING, kOpen, "&Open\tEnter");
    ::AppendMenuA(file, MF_STRING, kExplore, "&Explore\tF3");
    ::AppendMenuA(file, MF_STRING | MF_GRAYED, kInfo, "&Info\tCtrl+I");
    ::AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(file, MF_STRING, kSaveList, "&Save List...\tCtrl+S");
    ::AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(file, MF_STRING, kExit, "E&xit");
    ::AppendMenuA(view, MF_STRING | MF_CHECKED, kStatusbar, "&Statusbar\tCtrl+R");
    ::AppendMenuA(view, MF_STRING | MF_CHECKED, kToolbar, "&Toolbar\tCtrl+T");
    ::AppendMenuA(view, MF_STRING | (options_.largeIcons ? MF_CHECKED : 0), kLarge, "Large Toolbar &Icons\tCtrl+L");
    ::AppendMenuA(colors, MF_STRING, kOriginal, "&Original\tAlt+O");
    ::AppendMenuA(colors, MF_STRING, kModern, "&Modern\tAlt+M");
    ::AppendMenuA(colors, MF_STRING, kClassic, "&Classic\tAlt+C");
    ::CheckMenuItem(colors, options_.scheme == 2 ? kOriginal : (options_.scheme == 1 ? kModern : kClassic), MF_CHECKED);
    ::AppendMenuA(view, MF_POPUP, reinterpret_cast<UINT_PTR>(colors), "Interface &Colors");
    ::AppendMenuA(help, MF_STRING, kHelp, "&Contents and Index\tF1");
    ::AppendMenuA(help, MF_STRING, kAbout, "&About...");
    ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "&View");
    ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
    menu_.Attach(bar);
    if (!menu_.Enable()) return false;
    const std::pair<unsigned, int> icons[] = {{kOpen, IDI_OPEN}, {kExplore, IDI_EXPLORE}, {kInfo, IDI_INFO},
                                              {kSaveList, IDI_SAVE_LIST}, {kHelp, IDI_HELP_CONTENTS}};
    for (const auto& [command, icon] : icons) menu_.AddImage(static_cast<int>(command), icon);
    menu_.SetScheme(options_.scheme);
    return ::SetMenu(hwnd(), bar) != FALSE;
}

bool CGalleryWindow::AddMainToolBar() {
    if (!mainBar_.Create(hwnd(), kMainBarId, kMainButtons)) return false;
    const int size = options_.largeIcons ? 24 : 16;
    if (!mainBar_.SetIconSize(size, options_.largeIcons ? IDR_TOOLBAR_LARGE : IDR_MAINFRAME)) return false;
    for (int id : kMainIcons) mainBar_.AddIcon(id);
    mainBar_.SetScheme(options_.scheme);
    // Two rows are selected: Info needs exactly one.
    ::SendMessageA(mainBar_.hwnd(), TB_ENABLEBUTTON, kInfo, FALSE);
    return true;
}

bool CGalleryWindow::AddSchemeRows() {
    RECT bar{};
    ::GetWindowRect(mainBar_.hwnd(), &bar);
    const int top = (bar.bottom - bar.top) + 8;
    AddChild("STATIC", "Tool bars (plain, plain, checked, disabled, pressed, hot) and menus in each colour scheme:",
             SS_LEFT, kMargin, top, kClientWidth - 2 * kMargin, 16);
    for (int scheme = 0; scheme < 3; ++scheme) {
        const int left = kMargin + scheme * (kColumnWidth + 10);
        AddChild("STATIC", kSchemeNames[scheme], SS_LEFT, left, top + 22, kColumnWidth, 16);
        IconToolBar& sample = schemeBars_[static_cast<std::size_t>(scheme)];
        const DWORD placed = CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
        if (!sample.Create(hwnd(), kSchemeBarIds[scheme], kSampleButtons, placed)) return false;
        if (!sample.SetIconSize(16)) return false;
        for (int id : kSampleIcons) sample.AddIcon(id);
        sample.ShowLabels(true);
        sample.SetScheme(scheme);
        const HWND window = sample.hwnd();
        ::SendMessageA(window, TB_CHECKBUTTON, kCopy, TRUE);
        ::SendMessageA(window, TB_ENABLEBUTTON, kMove, FALSE);
        ::SendMessageA(window, TB_PRESSBUTTON, kOptions, TRUE);
        ::SendMessageA(window, TB_SETHOTITEM, ::SendMessageA(window, TB_COMMANDTOINDEX, kHelp, 0), 0);
        RECT button{};
        ::SendMessageA(window, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
        ::MoveWindow(window, left, top + 40, kColumnWidth, button.bottom + 4, TRUE);
        previewAreas_[static_cast<std::size_t>(scheme)] = {left, top + 40 + button.bottom + 12, left + 230, 0};
    }

    // The main tool bar once more with the large icons and their strip, in the chosen scheme.
    const int largeTop = 300;
    AddChild("STATIC", "The main tool bar with large icons (24 pixels) in the chosen scheme:", SS_LEFT, kMargin, largeTop,
             kClientWidth - 2 * kMargin, 16);
    if (!largeBar_.Create(hwnd(), kLargeBarId, kMainButtons, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER)) return false;
    if (!largeBar_.SetIconSize(24, IDR_TOOLBAR_LARGE)) return false;
    for (int id : kMainIcons) largeBar_.AddIcon(id);
    largeBar_.SetScheme(options_.scheme);
    RECT button{};
    ::SendMessageA(largeBar_.hwnd(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
    ::MoveWindow(largeBar_.hwnd(), kMargin, largeTop + 18, kClientWidth - 2 * kMargin, button.bottom + 4, TRUE);
    return true;
}

bool CGalleryWindow::AddLists() {
    const int top = 380;
    const int width = (kClientWidth - 3 * kMargin) / 2;
    AddChild("STATIC", "Sortable list: click a header (Size compares as numbers)", SS_LEFT, kMargin, top, width, 16);
    AddChild("STATIC", "Owner-data sortable list: 1,000,000 rows, row 500,000 selected and centred", SS_LEFT,
             2 * kMargin + width, top, width, 16);

    DocumentList& documents = *documents_;
    if (!documents.Setup(hwnd(), IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, kDocumentListId, WS_VISIBLE)) return false;
    ::MoveWindow(documents.hwnd(), kMargin, top + 20, width, 190, TRUE);
    const std::pair<const char*, int> columns[] = {{"Name", 130}, {"Folder", 180}, {"Size (KB)", 65}, {"Modified", 110}};
    for (const auto& [title, columnWidth] : columns) documents.AddColumn(title, columnWidth);
    for (const SampleDocument& document : kDocuments) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = documents.RowCount();
        item.pszText = const_cast<char*>(document.name);
        const auto row = ::SendMessageA(documents.hwnd(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        const char* cells[] = {document.folder, document.size, document.modified};
        for (int column = 1; column <= 3; ++column) {
            LVITEMA cell{};
            cell.iSubItem = column;
            cell.pszText = const_cast<char*>(cells[column - 1]);
            ::SendMessageA(documents.hwnd(), LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
        }
    }
    documents.Sort(2, false);
    documents.Select(2);

    MillionRows& million = *million_;
    if (!million.Setup(hwnd(), IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, kMillionListId, WS_VISIBLE | LVS_OWNERDATA)) {
        return false;
    }
    ::MoveWindow(million.hwnd(), 2 * kMargin + width, top + 20, width, 190, TRUE);
    million.AddColumn("Name", 250);
    million.AddColumn("Size", 100);
    million.SetVirtualRowCount(MillionRows::kRows);
    million.Sort(0, true);
    million.Select(500000, true, true, true);
    return true;
}

void CGalleryWindow::AddStandardControls() {
    const int top = 600;
    AddChild("BUTTON", "Standard controls", BS_GROUPBOX, kMargin, top, kClientWidth - 2 * kMargin, 86);
    const int y = top + 24;
    AddChild("BUTTON", "&Push", BS_PUSHBUTTON | WS_TABSTOP, 24, y, 75, 24);
    AddChild("BUTTON", "Default", BS_DEFPUSHBUTTON | WS_TABSTOP, 106, y, 75, 24);
    AddChild("BUTTON", "Disabled", BS_PUSHBUTTON | WS_DISABLED, 188, y, 75, 24);
    const HWND check = AddChild("BUTTON", "Check box", BS_AUTOCHECKBOX | WS_TABSTOP, 276, y, 90, 24);
    ::SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    const HWND radio = AddChild("BUTTON", "Radio", BS_AUTORADIOBUTTON | WS_GROUP, 372, y, 64, 24);
    ::SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    AddChild("BUTTON", "Other", BS_AUTORADIOBUTTON, 438, y, 64, 24);
    AddChild("EDIT", "Edit text", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 512, y + 1, 110, 22);
    const HWND combo = AddChild("COMBOBOX", "", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 632, y, 120, 120);
    for (const char* text : {"C:\\Archive", "C:\\Users\\ann", "D:\\Pictures"}) {
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    ::SendMessageA(combo, CB_SETCURSEL, 0, 0);
    const HWND progress = AddChild(PROGRESS_CLASSA, "", 0, 764, y + 3, 120, 18);
    ::SendMessageA(progress, PBM_SETPOS, 60, 0);
    const HWND slider = AddChild(TRACKBAR_CLASSA, "", TBS_HORZ | TBS_NOTICKS, 894, y, 90, 26);
    ::SendMessageA(slider, TBM_SETPOS, TRUE, 70);
    AddChild(DATETIMEPICK_CLASSA, "", DTS_SHORTDATEFORMAT, 990, y, 90, 24);
    AddChild("STATIC", "Static text beside a list box:", SS_LEFT, 24, y + 32, 160, 20);
    AddChild(UPDOWN_CLASSA, "", UDS_HORZ, 190, y + 30, 40, 22);
}

bool CGalleryWindow::AddDialogControls(const RECT& area) {
    AddChild("BUTTON", "Dialog controls", BS_GROUPBOX, area.left, area.top, area.right - area.left, area.bottom - area.top);
    const int x = area.left + 14;
    const int y = area.top + 24;

    // Caption-style buttons as a popup's caption shows them: hide, show the main window, help.
    AddChild("STATIC", "Caption buttons:", SS_LEFT | SS_CENTERIMAGE, x, y, 84, 20);
    const std::pair<int, int> buttons[] = {{0, IDI_HIDE_POPUP},
                                           {3, IDI_SHOW_WINDOW},
                                           {4, IDI_HELP_BUTTON}};
    for (std::size_t i = 0; i < captionButtons_.size(); ++i) {
        const HWND button = AddChild("BUTTON", "", BS_PUSHBUTTON, x + 88 + static_cast<int>(i) * 22, y + 1, 18, 18,
                                     kCaptionButtonIds[i]);
        if (!captionButtons_[i].Subclass(button) ||
            !captionButtons_[i].SetIcon(buttons[i].first, buttons[i].second, false)) {
            return false;
        }
    }

    // The help index beside the program as a link: SS_NOTIFY lets the static be clicked.
    const std::string address = CurrentLanguage().ProductWebAddress() + "/help.htm";
    const HWND link = AddChild("STATIC", address.c_str(), SS_LEFT | SS_NOTIFY | SS_CENTERIMAGE, x + 170, y, 170, 20, kLinkId);
    if (!link_.Subclass(link) || !link_.SetTarget(address)) return false;

    // A filled label in its own colours, and a transparent one over the box's background.
    const HWND filled = AddChild("STATIC", "Colour label", SS_CENTER | SS_CENTERIMAGE, x + 350, y, 110, 20, kColorLabelId);
    if (!colorLabel_.Subclass(filled)) return false;
    colorLabel_.SetColours(false, RGB(255, 255, 255), RGB(0, 84, 147));
    const HWND clear = AddChild("STATIC", "Transparent label", SS_LEFT | SS_CENTERIMAGE, x + 350, y + 30, 110, 20,
                                kTransparentLabelId);
    if (!transparentLabel_.Subclass(clear)) return false;
    transparentLabel_.SetColours(true, RGB(170, 0, 0), 0);

    // The history combo box keeps what is typed in the gallery's own list when the window closes.
    AddChild("STATIC", "History:", SS_LEFT | SS_CENTERIMAGE, x + 478, y, 44, 20);
    const HWND combo = AddChild("COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, x + 524, y, 260,
                                160, kHistoryId);
    if (!history_.Subclass(combo)) return false;
    history_.Init(kHistoryListName, 10, 255);
    if (history_.Entries().empty()) {
        // A first run: a few sample entries, so that the list has something to drop down.
        for (const char* text : {"C:\\Users\\ann\\Documents\\Budget 2024.xlsx", "D:\\Pictures\\holiday.jpg",
                                 "C:\\Users\\ann\\Desktop\\Notes.txt"}) {
            ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
    }
    ::SendMessageA(combo, CB_SETCURSEL, 0, 0);

    AddChild("BUTTON", "Sample &dialog...", BS_PUSHBUTTON | WS_TABSTOP, x + 800, y - 2, 120, 24, kSampleDialogButtonId);
    AddChild("STATIC", "Hover the caption buttons; the link opens the product's address.", SS_LEFT, x, y + 32, 340, 16);
    AddChild("STATIC", "Typed text joins the list when the gallery closes.", SS_LEFT, x + 524, y + 32, 300, 16);
    return true;
}

void CGalleryWindow::OpenSampleDialog() {
    SampleDialog& dialog = *sampleDialog_;
    if (dialog.hwnd() == nullptr) {
        if (!dialog.Create(hwnd())) return;
        // Over the gallery's lower right, inside its frame, so that a screenshot takes it in.
        RECT gallery{};
        RECT box{};
        ::GetWindowRect(hwnd(), &gallery);
        ::GetWindowRect(dialog.hwnd(), &box);
        ::SetWindowPos(dialog.hwnd(), nullptr, gallery.right - (box.right - box.left) - 40, gallery.top + 420, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::ShowWindow(dialog.hwnd(), SW_SHOW);
    ::SetForegroundWindow(dialog.hwnd());
}

HWND CGalleryWindow::AddChild(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
                              UINT id) {
    const HWND child = ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, hwnd(),
                                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleA(nullptr),
                                         nullptr);
    if (child != nullptr) ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return child;
}

void CGalleryWindow::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd(), &paint);
    for (int scheme = 0; scheme < 3; ++scheme) PaintMenuPreview(dc, previewAreas_[static_cast<std::size_t>(scheme)], scheme);
    ::EndPaint(hwnd(), &paint);
}

// Draws items of the File and View menus as their popups show them, in `scheme`: Open
// selected, Info greyed, two checked items.
void CGalleryWindow::PaintMenuPreview(HDC dc, const RECT& area, int scheme) {
    const HMENU bar = menu_.Handle();
    const HMENU file = ::GetSubMenu(bar, 0);
    const HMENU view = ::GetSubMenu(bar, 1);
    struct Item {
        HMENU menu;
        UINT position;
        UINT state;
    };
    const Item items[] = {{file, 0, ODS_SELECTED}, {file, 1, 0}, {file, 2, ODS_GRAYED}, {file, 3, 0},
                          {file, 4, 0},            {view, 0, ODS_CHECKED}, {view, 1, ODS_CHECKED | ODS_SELECTED}};

    // The menus paint in one scheme for the whole process: borrow each in turn.
    menu_.SetScheme(scheme);
    std::vector<std::pair<DRAWITEMSTRUCT, int>> requests;
    int width = 0;
    int height = 0;
    for (const Item& item : items) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_DATA;
        ::GetMenuItemInfoA(item.menu, item.position, TRUE, &info);
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemID = info.wID;
        measure.itemData = info.dwItemData;
        if (!OwnerDrawMenu::MeasureAnyItem(&measure)) continue;
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = info.wID;
        draw.itemState = item.state;
        draw.hwndItem = reinterpret_cast<HWND>(item.menu);
        draw.itemData = info.dwItemData;
        requests.emplace_back(draw, static_cast<int>(measure.itemHeight));
        width = std::max(width, static_cast<int>(measure.itemWidth) + 24);
        height += static_cast<int>(measure.itemHeight);
    }
    OffscreenCanvas canvas(dc, width + 2, height + 2);
    if (canvas) {
        const RECT whole{0, 0, width + 2, height + 2};
        ::FrameRect(canvas.Dc(), &whole, ::GetSysColorBrush(COLOR_3DSHADOW));
        int y = 1;
        for (auto& [draw, itemHeight] : requests) {
            draw.hDC = canvas.Dc();
            draw.rcItem = {1, y, width + 1, y + itemHeight};
            OwnerDrawMenu::DrawAnyItem(&draw);
            y += itemHeight;
        }
        canvas.CopyTo(dc, area.left, area.top);
    }
    menu_.SetScheme(options_.scheme);
}

LRESULT CGalleryWindow::OnMeasureItem(const MeasureItemArgs& args) {
    return args.item.CtlType == ODT_MENU && OwnerDrawMenu::MeasureAnyItem(&args.item) ? TRUE : FALSE;
}

LRESULT CGalleryWindow::OnDrawItem(const DrawItemArgs& args) {
    if (args.item.CtlType == ODT_MENU) return OwnerDrawMenu::DrawAnyItem(&args.item) ? TRUE : FALSE;
    // Listing WM_DRAWITEM here takes it before the framework reflects it: hand an owner-drawn
    // control (the caption buttons) its own request.
    return ::SendMessageA(args.item.hwndItem, Reflected(WM_DRAWITEM), args.control,
                          reinterpret_cast<LPARAM>(&args.item));
}

LRESULT CGalleryWindow::OnMenuChar(const MenuCharArgs& args) { return OwnerDrawMenu::MenuChar(args.menu, args.key); }

void CGalleryWindow::OnTimer(const TimerArgs& args) {
    ::KillTimer(hwnd(), args.id);
    if (args.id == kShotTimer) {
        // Inside the open menu's loop: the picture, then close the menu.
        TakeShot();
        ::EndMenu();
        return;
    }
    if (!options_.openMenu) {
        TakeShot();
    } else {
        // The File menu, opened under its menu-bar item; the shot is taken while it is open.
        RECT item{};
        ::GetMenuItemRect(hwnd(), menu_.Handle(), 0, &item);
        ::SetForegroundWindow(hwnd());
        ::SetTimer(hwnd(), kShotTimer, 700, nullptr);
        ::TrackPopupMenu(::GetSubMenu(menu_.Handle(), 0), TPM_LEFTALIGN | TPM_TOPALIGN, item.left, item.bottom, 0,
                         hwnd(), nullptr);
        if (options_.shotPath.empty()) ::PostMessageA(hwnd(), WM_NULL, 0, 0);
    }
    if (!options_.shotPath.empty()) Destroy();
}

void CGalleryWindow::TakeShot() {
    if (options_.shotPath.empty()) return;
    // The screen inside the window's frame: an open menu lies over the window.
    RECT window{};
    ::GetWindowRect(hwnd(), &window);
    shotSaved_ = SaveScreenArea(window, options_.shotPath);
}

void CGalleryWindow::OnDestroy() {
    ::SetMenu(hwnd(), nullptr);
    ::PostQuitMessage(shotSaved_ ? 0 : 1);
}
