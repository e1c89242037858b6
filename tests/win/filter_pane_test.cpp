// The filter pane as the frame sees it: the real pane in a test window, driven with the
// messages its controls send, its filter, its buttons and its settings read back.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/message_filters.h"
#include "language/language_keys.h"
#include "language/ui_language.h"
#include "language_test_support.h"
#include "panes/filter_pane.h"
#include "panes/filter_period.h"
#include "panes/system_date.h"
#include "registry_test_support.h"
#include "resource.h"
#include "text/locale_text.h"
#include "ui/color_scheme.h"
#include "ui/dialog_units.h"

namespace {

int32_t Day(int y, int m, int d) { return DayNumberFromDate({y, m, d}); }

// A Wednesday.
const int32_t kWednesday = Day(2027, 3, 31);
const POINT kFarAway{-30000, -30000};

class CountingHost : public FilterPaneHost {
public:
    bool RebuildView() override {
        ++rebuilds;
        if (pane != nullptr) seen = pane->CurrentDateFilter();
        return true;
    }
    int rebuilds = 0;
    CDialogMain* pane = nullptr;
    std::optional<DateFilter> seen;  // the filter the last rebuild was given
};

constexpr char kWindowClass[] = "KestrumFilterPaneTestWindow";

HWND CreateTestWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassA(&windowClass);
    return ::CreateWindowExA(0, kWindowClass, "Filter pane", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 420, 720,
                             nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

std::optional<DWORD> StoredNumber(const char* name) {
    const RawValue value = GetRaw(HKEY_CURRENT_USER, kTestBranch, name);
    if (!value.exists || value.type != REG_DWORD || value.data.size() != sizeof(DWORD)) return std::nullopt;
    DWORD number = 0;
    std::memcpy(&number, value.data.data(), sizeof number);
    return number;
}

std::string StoredText(const char* name) { return RawText(GetRaw(HKEY_CURRENT_USER, kTestBranch, name)); }

std::string DayText(int32_t day) { return std::to_string(day) + ".000000"; }

COLORREF BrushColor(LRESULT brush) {
    LOGBRUSH info{};
    if (::GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof info, &info) != sizeof info) return CLR_INVALID;
    return info.lbColor;
}

class FilterPaneTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(DeleteSettingsBranch());
        window_ = CreateTestWindow();
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        pane_.reset();
        ::DestroyWindow(window_);
        DeleteSettingsBranch();
    }

    // Creates the pane and reads the settings, as the frame does.
    void Open() {
        pane_ = std::make_unique<CDialogMain>(
            host_, FilterPaneEnvironment{.today = [this] { return today_; }, .cursor = [this] { return cursor_; }});
        host_.pane = pane_.get();
        ASSERT_TRUE(pane_->Create(window_));
        ::MoveWindow(pane_->hwnd(), 0, 0, DialogUnitsToPixels(159, true), DialogUnitsToPixels(292, false), TRUE);
        ::ShowWindow(pane_->hwnd(), SW_SHOW);
        ASSERT_TRUE(pane_->InitialiseFromSettings());
        PumpPendingMessages();
    }

    HWND Item(int id) const { return pane_->Item(id); }
    bool Checked(int id) const { return pane_->IsChecked(id); }
    bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }

    void Click(int id) { ::SendMessageA(Item(id), BM_CLICK, 0, 0); }
    // The command a click sends, also for a button that is disabled.
    void Command(int id, int code = BN_CLICKED) {
        ::SendMessageA(pane_->hwnd(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    }

    void ChoosePeriod(int index) {
        ::SendMessageA(Item(IDC_FILTER_PERIOD), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Command(IDC_FILTER_PERIOD, CBN_SELCHANGE);
    }

    RECT CalendarRect() const {
        RECT rect;
        ::GetWindowRect(Item(IDC_FILTER_CALENDAR), &rect);
        return rect;
    }

    // Selects the day as the calendar does, then reports it with the mouse where `mouse` is.
    void PickCalendarDay(int32_t day, POINT mouse, UINT code = MCN_SELCHANGE) {
        const SYSTEMTIME time = SystemTimeFromDay(day);
        ::SendMessageA(Item(IDC_FILTER_CALENDAR), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&time));
        cursor_ = mouse;
        NMSELCHANGE change{};
        change.nmhdr = {Item(IDC_FILTER_CALENDAR), IDC_FILTER_CALENDAR, code};
        change.stSelStart = change.stSelEnd = time;
        EXPECT_EQ(::SendMessageA(pane_->hwnd(), WM_NOTIFY, IDC_FILTER_CALENDAR, reinterpret_cast<LPARAM>(&change)), 0);
    }

    POINT InsideCalendar() const {
        const RECT rect = CalendarRect();
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    // Sets a picker as the user would and sends its change notification.
    void PickDate(int id, int32_t day) {
        NMDATETIMECHANGE change{};
        change.nmhdr = {Item(id), static_cast<UINT_PTR>(id), static_cast<UINT>(DTN_DATETIMECHANGE)};
        change.dwFlags = GDT_VALID;
        change.st = SystemTimeFromDay(day);
        ::SendMessageA(Item(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&change.st));
        EXPECT_EQ(::SendMessageA(pane_->hwnd(), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change)), 0);
    }

    int32_t PickerValue(int id) const {
        SYSTEMTIME time{};
        if (::SendMessageA(Item(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) return 0;
        return DayFromSystemTime(time).value_or(0);
    }

    DateRange Range() const {
        DateRange range{-1, -1};
        EXPECT_TRUE(pane_->GetDateRange(range.from, range.to));
        return range;
    }

    int ListCount() const { return static_cast<int>(::SendMessageA(Item(IDC_FILTER_DATES), LB_GETCOUNT, 0, 0)); }

    void SelectListItem(int index) {
        ::SendMessageA(Item(IDC_FILTER_DATES), LB_SETSEL, TRUE, index);
        Command(IDC_FILTER_DATES, LBN_SELCHANGE);
    }

    int32_t today_ = kWednesday;
    POINT cursor_ = kFarAway;
    CountingHost host_;
    HWND window_ = nullptr;
    std::unique_ptr<CDialogMain> pane_;
};

TEST_F(FilterPaneTest, TheTemplateMakesAChildPaneWithFifteenPeriodsInOrder) {
    Open();
    EXPECT_EQ(::GetDlgCtrlID(pane_->hwnd()), IDW_FILTER_PANE);
    EXPECT_EQ(::GetParent(pane_->hwnd()), window_);
    EXPECT_TRUE(::GetWindowLongPtrA(pane_->hwnd(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);

    const char* const kPeriods[] = {"2 Days",   "3 Days",   "4 Days",   "5 Days",    "6 Days",
                                    "Week",     "2 Weeks",  "3 Weeks",  "Month",     "2 Months",
                                    "3 Months", "Half-Year", "Year",    "2 Years",   "3 Years"};
    const HWND combo = Item(IDC_FILTER_PERIOD);
    ASSERT_EQ(::SendMessageA(combo, CB_GETCOUNT, 0, 0), kPeriodCount);
    for (int i = 0; i < kPeriodCount; ++i) {
        char text[32] = {};
        ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, kPeriods[i]) << i;
    }

    // The calendar offers 1 January 1753 up to today.
    SYSTEMTIME range[2] = {};
    ASSERT_EQ(::SendMessageA(Item(IDC_FILTER_CALENDAR), MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)),
              GDTR_MIN | GDTR_MAX);
    EXPECT_EQ(DayFromSystemTime(range[0]), kFirstFilterDay);
    EXPECT_EQ(DayFromSystemTime(range[1]), kWednesday);
    EXPECT_TRUE(::GetWindowLongPtrA(Item(IDC_FILTER_CALENDAR), GWL_STYLE) & MCS_NOTODAY);
    EXPECT_TRUE(::GetWindowLongPtrA(Item(IDC_FILTER_DATES), GWL_STYLE) & LBS_MULTIPLESEL);
}

TEST_F(FilterPaneTest, AnEmptyBranchStartsWithTodaysDayAndStoresTheFilterAtOnce) {
    Open();
    EXPECT_EQ(host_.rebuilds, 1);
    EXPECT_TRUE(Checked(IDC_FILTER_DAY));
    EXPECT_FALSE(Checked(IDC_FILTER_ALL) || Checked(IDC_FILTER_LAST) || Checked(IDC_FILTER_BETWEEN) ||
                 Checked(IDC_FILTER_LISTED));
    EXPECT_EQ(::SendMessageA(Item(IDC_FILTER_PERIOD), CB_GETCURSEL, 0, 0), 1);  // "3 Days"
    // Empty FilterFrom and FilterTo start both pickers at today.
    EXPECT_EQ(PickerValue(IDC_FILTER_FROM), kWednesday);
    EXPECT_EQ(PickerValue(IDC_FILTER_TO), kWednesday);

    EXPECT_EQ(StoredNumber("FilterType"), 1u);
    EXPECT_EQ(StoredNumber("FilterLast"), 1u);
    EXPECT_EQ(StoredText("FilterFrom"), DayText(kWednesday));
    EXPECT_EQ(StoredText("FilterTo"), DayText(kWednesday));
    ASSERT_TRUE(host_.seen);
    EXPECT_TRUE(host_.seen->Passes(kWednesday));
    EXPECT_FALSE(host_.seen->Passes(kWednesday - 1));
}

TEST_F(FilterPaneTest, StoredValuesComeBackAndBadOnesFallBackToSafeOnes) {
    SetRawNumber(HKEY_CURRENT_USER, kTestBranch, "FilterType", 3);
    SetRawText(HKEY_CURRENT_USER, kTestBranch, "FilterFrom", DayText(Day(2027, 1, 5)) + "x");
    SetRawText(HKEY_CURRENT_USER, kTestBranch, "FilterTo", "46400,250000");  // a comma writer's text
    Open();
    EXPECT_TRUE(Checked(IDC_FILTER_BETWEEN));
    EXPECT_EQ(PickerValue(IDC_FILTER_TO), 46400);
    // An unreadable first date starts at today, then meets the second date.
    EXPECT_EQ(PickerValue(IDC_FILTER_FROM), 46400);
    EXPECT_EQ(Range(), (DateRange{46400, 46400}));
    EXPECT_EQ(StoredText("FilterFrom"), DayText(46400));

    pane_.reset();
    SetRawNumber(HKEY_CURRENT_USER, kTestBranch, "FilterType", 9);
    SetRawText(HKEY_CURRENT_USER, kTestBranch, "FilterTo", DayText(kWednesday + 40));  // after today
    Open();
    EXPECT_TRUE(Checked(IDC_FILTER_DAY));  // the mode of a fresh start
    EXPECT_EQ(PickerValue(IDC_FILTER_TO), kWednesday);
}

TEST_F(FilterPaneTest, ShowAllHandsOutTheNullDateTwice) {
    Open();
    Click(IDC_FILTER_ALL);
    EXPECT_EQ(host_.rebuilds, 2);
    EXPECT_TRUE(Checked(IDC_FILTER_ALL));
    EXPECT_FALSE(Checked(IDC_FILTER_DAY));
    EXPECT_EQ(Range(), (DateRange{kNullFilterDay, kNullFilterDay}));
    EXPECT_FALSE(pane_->DateFilterActive());
    EXPECT_FALSE(pane_->ListedDatesMode());
    ASSERT_TRUE(host_.seen);
    EXPECT_EQ(host_.seen->kind, DateFilter::Kind::None);
    EXPECT_EQ(StoredNumber("FilterType"), 0u);
}

TEST_F(FilterPaneTest, TheCalendarSwitchesToItsDayOnlyUnderTheMouse) {
    SetRawNumber(HKEY_CURRENT_USER, kTestBranch, "FilterType", 3);
    Open();
    const int32_t day = Day(2027, 3, 9);

    // A keyboard selection while the mouse rests elsewhere: no switch, no rebuild.
    PickCalendarDay(day, kFarAway);
    EXPECT_TRUE(Checked(IDC_FILTER_BETWEEN));
    EXPECT_EQ(host_.rebuilds, 1);

    PickCalendarDay(day, InsideCalendar());
    EXPECT_TRUE(Checked(IDC_FILTER_DAY));
    EXPECT_FALSE(Checked(IDC_FILTER_BETWEEN));
    EXPECT_EQ(host_.rebuilds, 2);
    EXPECT_EQ(Range(), (DateRange{day, kNullFilterDay}));
    EXPECT_TRUE(pane_->DateFilterActive());
    ASSERT_TRUE(host_.seen);
    EXPECT_EQ(host_.seen->kind, DateFilter::Kind::Day);
    EXPECT_EQ(host_.seen->first, day);
    EXPECT_EQ(StoredNumber("FilterType"), 1u);

    PickCalendarDay(day + 1, InsideCalendar(), MCN_SELECT);
    EXPECT_EQ(host_.rebuilds, 3);
    EXPECT_EQ(Range().from, day + 1);
}

TEST_F(FilterPaneTest, OnTheFirstOfJanuary1970TheFilterIsThatDayNotEverything) {
    Open();
    PickCalendarDay(kNullFilterDay, InsideCalendar());
    const std::optional<DateFilter> filter = pane_->CurrentDateFilter();
    ASSERT_TRUE(filter);
    EXPECT_EQ(filter->kind, DateFilter::Kind::Day);
    EXPECT_FALSE(filter->Passes(kNullFilterDay + 1));
}

TEST_F(FilterPaneTest, ThePeriodListCountsBackFromToday) {
    SetRawNumber(HKEY_CURRENT_USER, kTestBranch, "FilterType", 0);
    Open();
    ChoosePeriod(5);  // Week, on a Wednesday
    EXPECT_TRUE(Checked(IDC_FILTER_LAST));
    EXPECT_EQ(host_.rebuilds, 2);
    EXPECT_EQ(Range(), (DateRange{Day(2027, 3, 25), kWednesday}));
    EXPECT_EQ(WeekdayOfDayNumber(Range().from), 3);  // Thursday
    EXPECT_EQ(StoredNumber("FilterType"), 2u);
    EXPECT_EQ(StoredNumber("FilterLast"), 5u);

    ChoosePeriod(8);  // Month, from 31 March
    EXPECT_EQ(Range(), (DateRange{Day(2027, 2, 28), kWednesday}));
    EXPECT_EQ(StoredNumber("FilterLast"), 8u);

    // Closing the list also selects the mode.
    Click(IDC_FILTER_ALL);
    Command(IDC_FILTER_PERIOD, CBN_CLOSEUP);
    EXPECT_TRUE(Checked(IDC_FILTER_LAST));
}

TEST_F(FilterPaneTest, AStoredPeriodOutsideTheListLimitsNothingAndIsKept) {
    SetRawNumber(HKEY_CURRENT_USER, kTestBranch, "FilterType", 2);
    SetRawNumber(HKEY_CURRENT_USER, kTestBranch, "FilterLast", 99);
    Open();
    EXPECT_TRUE(Checked(IDC_FILTER_LAST));
    EXPECT_EQ(::SendMessageA(Item(IDC_FILTER_PERIOD), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(Range(), (DateRange{kNullFilterDay, kNullFilterDay}));
    EXPECT_EQ(pane_->CurrentDateFilter()->kind, DateFilter::Kind::None);
    EXPECT_EQ(StoredNumber("FilterLast"), 99u);
}

TEST_F(FilterPaneTest, PickingADateSwitchesToBetweenAndKeepsTheDatesInOrder) {
    Open();
    PickDate(IDC_FILTER_FROM, Day(2027, 3, 1));
    EXPECT_TRUE(Checked(IDC_FILTER_BETWEEN));
    EXPECT_EQ(host_.rebuilds, 2);
    EXPECT_EQ(Range(), (DateRange{Day(2027, 3, 1), kWednesday}));
    EXPECT_EQ(StoredNumber("FilterType"), 3u);
    EXPECT_EQ(StoredText("FilterFrom"), DayText(Day(2027, 3, 1)));
    EXPECT_EQ(StoredText("FilterTo"), DayText(kWednesday));

    // The second date equals today: its ">" is off, the others are on.
    EXPECT_FALSE(Enabled(IDC_FILTER_TO_FORWARD));
    EXPECT_TRUE(Enabled(IDC_FILTER_FROM_BACK) && Enabled(IDC_FILTER_FROM_FORWARD) && Enabled(IDC_FILTER_TO_BACK));

    PickDate(IDC_FILTER_TO, Day(2027, 3, 1));
    EXPECT_EQ(Range(), (DateRange{Day(2027, 3, 1), Day(2027, 3, 1)}));
    EXPECT_FALSE(Enabled(IDC_FILTER_FROM_FORWARD));
    EXPECT_FALSE(Enabled(IDC_FILTER_TO_BACK));
    EXPECT_TRUE(Enabled(IDC_FILTER_FROM_BACK) && Enabled(IDC_FILTER_TO_FORWARD));

    // The pickers' own limits follow: the first up to the second, the second up to today.
    SYSTEMTIME range[2] = {};
    ::SendMessageA(Item(IDC_FILTER_FROM), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range));
    EXPECT_EQ(DayFromSystemTime(range[0]), kFirstFilterDay);
    EXPECT_EQ(DayFromSystemTime(range[1]), Day(2027, 3, 1));
    ::SendMessageA(Item(IDC_FILTER_TO), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range));
    EXPECT_EQ(DayFromSystemTime(range[0]), Day(2027, 3, 1));
    EXPECT_EQ(DayFromSystemTime(range[1]), kWednesday);
}

TEST_F(FilterPaneTest, TheDayButtonsStepOneDayAndNeverCrossTheBounds) {
    SetRawText(HKEY_CURRENT_USER, kTestBranch, "FilterFrom", DayText(kWednesday - 3));
    SetRawText(HKEY_CURRENT_USER, kTestBranch, "FilterTo", DayText(kWednesday - 1));
    Open();
    EXPECT_TRUE(Checked(IDC_FILTER_DAY));

    Click(IDC_FILTER_FROM_BACK);  // also switches the mode
    EXPECT_TRUE(Checked(IDC_FILTER_BETWEEN));
    EXPECT_EQ(Range(), (DateRange{kWednesday - 4, kWednesday - 1}));
    EXPECT_EQ(StoredText("FilterFrom"), DayText(kWednesday - 4));

    Click(IDC_FILTER_TO_FORWARD);
    EXPECT_EQ(Range().to, kWednesday);
    EXPECT_FALSE(Enabled(IDC_FILTER_TO_FORWARD));
    const int rebuilds = host_.rebuilds;
    Command(IDC_FILTER_TO_FORWARD);  // as if the disabled button were pressed anyway
    EXPECT_EQ(Range().to, kWednesday);
    EXPECT_EQ(host_.rebuilds, rebuilds);

    for (int i = 0; i < 8; ++i) Command(IDC_FILTER_FROM_FORWARD);
    EXPECT_EQ(Range(), (DateRange{kWednesday, kWednesday}));
    Command(IDC_FILTER_TO_BACK);
    EXPECT_EQ(Range(), (DateRange{kWednesday, kWednesday}));
    EXPECT_EQ(StoredText("FilterTo"), DayText(kWednesday));

    // The first day of all: "<" is off and does nothing.
    PickDate(IDC_FILTER_FROM, kFirstFilterDay);
    EXPECT_EQ(Range().from, kFirstFilterDay);
    EXPECT_FALSE(Enabled(IDC_FILTER_FROM_BACK));
    Command(IDC_FILTER_FROM_BACK);
    EXPECT_EQ(PickerValue(IDC_FILTER_FROM), kFirstFilterDay);
}

TEST_F(FilterPaneTest, AStepButtonThatCannotMoveStillSwitchesTheMode) {
    Open();  // both dates are today
    Click(IDC_FILTER_ALL);
    const int rebuilds = host_.rebuilds;
    Command(IDC_FILTER_TO_FORWARD);
    EXPECT_TRUE(Checked(IDC_FILTER_BETWEEN));
    EXPECT_EQ(host_.rebuilds, rebuilds + 1);
    EXPECT_EQ(StoredNumber("FilterType"), 3u);
}

TEST_F(FilterPaneTest, AfterMidnightTheLimitsMoveOnAndALastPeriodEndsOnTheNewDay) {
    SetRawNumber(HKEY_CURRENT_USER, kTestBranch, "FilterType", 3);
    Open();
    const auto tick = [this] { ::SendMessageA(pane_->hwnd(), WM_TIMER, 1, 0); };
    const auto latestCalendarDay = [this] {
        SYSTEMTIME range[2] = {};
        ::SendMessageA(Item(IDC_FILTER_CALENDAR), MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(range));
        return DayFromSystemTime(range[1]);
    };
    tick();
    EXPECT_EQ(host_.rebuilds, 1);
    EXPECT_FALSE(Enabled(IDC_FILTER_TO_FORWARD));

    ++today_;
    tick();
    EXPECT_EQ(latestCalendarDay(), today_);
    EXPECT_TRUE(Enabled(IDC_FILTER_TO_FORWARD));  // the second date may now reach the new day
    EXPECT_EQ(host_.rebuilds, 1);                 // the range between two dates has not changed

    ChoosePeriod(0);
    const int rebuilds = host_.rebuilds;
    ++today_;
    tick();
    EXPECT_EQ(host_.rebuilds, rebuilds + 1);
    EXPECT_EQ(Range(), (DateRange{today_ - 1, today_}));
    EXPECT_EQ(latestCalendarDay(), today_);
    tick();
    EXPECT_EQ(host_.rebuilds, rebuilds + 1);
}

TEST_F(FilterPaneTest, ListedDatesAreUniqueAndTheLastOneCanGo) {
    Open();
    const int32_t first = Day(2027, 3, 2);
    EXPECT_TRUE(pane_->AddFilterDate(first));
    EXPECT_FALSE(pane_->AddFilterDate(first));
    EXPECT_FALSE(pane_->AddFilterDate(kFirstFilterDay - 1));
    EXPECT_FALSE(pane_->AddFilterDate(kLastFilterDay + 1));
    ASSERT_EQ(ListCount(), 1);
    char text[64] = {};
    ::SendMessageA(Item(IDC_FILTER_DATES), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(text, FormatDay(first));
    EXPECT_EQ(host_.rebuilds, 2);

    std::vector<int32_t> days;
    EXPECT_FALSE(pane_->GetListedDates(days));
    Click(IDC_FILTER_LISTED);
    EXPECT_TRUE(pane_->ListedDatesMode());
    int32_t from = 0;
    int32_t to = 0;
    EXPECT_FALSE(pane_->GetDateRange(from, to));
    EXPECT_TRUE(pane_->AddFilterDate(Day(2027, 1, 20)));
    ASSERT_TRUE(pane_->GetListedDates(days));
    EXPECT_EQ(days.size(), 2u);
    ASSERT_TRUE(host_.seen);
    EXPECT_EQ(host_.seen->kind, DateFilter::Kind::Days);
    EXPECT_TRUE(host_.seen->Passes(first) && host_.seen->Passes(Day(2027, 1, 20)));
    EXPECT_FALSE(host_.seen->Passes(Day(2027, 1, 21)));

    // "—" follows the list's selection.
    EXPECT_FALSE(Enabled(IDC_FILTER_REMOVE_DATES));
    SelectListItem(0);
    SelectListItem(1);
    EXPECT_TRUE(Enabled(IDC_FILTER_REMOVE_DATES));
    Click(IDC_FILTER_REMOVE_DATES);
    EXPECT_EQ(ListCount(), 0);
    EXPECT_FALSE(Enabled(IDC_FILTER_REMOVE_DATES));
    EXPECT_TRUE(Checked(IDC_FILTER_LISTED));
    ASSERT_TRUE(pane_->GetListedDates(days));
    EXPECT_TRUE(days.empty());
    EXPECT_FALSE(pane_->CurrentDateFilter()->Passes(first));
    EXPECT_EQ(StoredNumber("FilterType"), 4u);
}

TEST_F(FilterPaneTest, RemovingSelectsTheListedModeFirst) {
    Open();
    ASSERT_TRUE(pane_->AddFilterDate(Day(2027, 3, 2)));
    ASSERT_TRUE(pane_->AddFilterDate(Day(2027, 3, 3)));
    SelectListItem(1);
    Click(IDC_FILTER_REMOVE_DATES);
    EXPECT_TRUE(Checked(IDC_FILTER_LISTED));
    EXPECT_FALSE(Checked(IDC_FILTER_DAY));
    ASSERT_EQ(ListCount(), 1);
    std::vector<int32_t> days;
    ASSERT_TRUE(pane_->GetListedDates(days));
    EXPECT_EQ(days.size(), 1u);
}

// Runs `script` once from a timer, inside the modal loop of the "Select Date" dialog.
void WhileDialogRuns(std::function<void(HWND dialog)> script) {
    static std::function<void(HWND)> pending;
    pending = std::move(script);
    ::SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
        const HWND dialog = ::FindWindowA("#32770", "Select Date");
        if (dialog == nullptr) return;  // not up yet
        ::KillTimer(nullptr, id);
        auto run = std::exchange(pending, nullptr);
        if (run) run(dialog);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST_F(FilterPaneTest, ThePlusButtonAddsEachDayOnceThroughTheDateDialog) {
    Open();
    const int32_t day = Day(2027, 2, 14);
    std::optional<int32_t> latest;
    WhileDialogRuns([&](HWND dialog) {
        const HWND calendar = ::GetDlgItem(dialog, IDC_SELECT_DATE_CALENDAR);
        SYSTEMTIME range[2] = {};
        ::SendMessageA(calendar, MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(range));
        latest = DayFromSystemTime(range[1]);
        const SYSTEMTIME time = SystemTimeFromDay(day);
        ::SendMessageA(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&time));
        ::SendMessageA(::GetDlgItem(dialog, IDC_SELECT_DATE_ADD), BM_CLICK, 0, 0);
        ::SendMessageA(::GetDlgItem(dialog, IDC_SELECT_DATE_ADD), BM_CLICK, 0, 0);
    });
    Click(IDC_FILTER_ADD_DATE);
    EXPECT_EQ(latest, kWednesday);  // tomorrow cannot be chosen
    EXPECT_TRUE(Checked(IDC_FILTER_LISTED));
    EXPECT_EQ(ListCount(), 1);
    std::vector<int32_t> days;
    ASSERT_TRUE(pane_->GetListedDates(days));
    EXPECT_EQ(days, std::vector<int32_t>{day});
    EXPECT_EQ(host_.rebuilds, 2);
    EXPECT_EQ(StoredNumber("FilterType"), 4u);
}

TEST_F(FilterPaneTest, ClosingTheDateDialogWithoutADayStillRebuildsForTheNewMode) {
    Open();
    WhileDialogRuns([](HWND) {});
    Click(IDC_FILTER_ADD_DATE);
    EXPECT_TRUE(Checked(IDC_FILTER_LISTED));
    EXPECT_EQ(host_.rebuilds, 2);
    ASSERT_TRUE(host_.seen);
    EXPECT_EQ(host_.seen->kind, DateFilter::Kind::Days);
    EXPECT_EQ(StoredNumber("FilterType"), 4u);
}

TEST_F(FilterPaneTest, OnlyTheDatesListFollowsThePaneHeight) {
    Open();
    const HWND list = Item(IDC_FILTER_DATES);
    RECT before;
    ::GetWindowRect(list, &before);
    ::MapWindowPoints(nullptr, pane_->hwnd(), reinterpret_cast<POINT*>(&before), 2);
    const RECT button = [&] {
        RECT rect;
        ::GetWindowRect(Item(IDC_FILTER_ADD_DATE), &rect);
        return rect;
    }();

    for (const int height : {600, 150}) {
        ::MoveWindow(pane_->hwnd(), 0, 0, 250, height, TRUE);
        RECT client;
        ::GetClientRect(pane_->hwnd(), &client);
        RECT after;
        ::GetWindowRect(list, &after);
        ::MapWindowPoints(nullptr, pane_->hwnd(), reinterpret_cast<POINT*>(&after), 2);
        const int expected = std::max(static_cast<int>(client.bottom - before.top) - DialogUnitsToPixels(6, false),
                                      DialogUnitsToPixels(24, false));
        EXPECT_EQ(after.bottom - after.top, expected) << height;
        EXPECT_EQ(after.top, before.top);
        EXPECT_EQ(after.left, before.left);
        EXPECT_EQ(after.right - after.left, before.right - before.left);
    }
    RECT buttonAfter;
    ::GetWindowRect(Item(IDC_FILTER_ADD_DATE), &buttonAfter);
    EXPECT_EQ(buttonAfter.top - button.top, 0);
}

TEST_F(FilterPaneTest, ButtonsAndThePaneTakeTheSchemeBackground) {
    Open();
    const ColorScheme colors;
    const HWND pane = pane_->hwnd();
    const HDC dc = ::GetDC(pane);
    const auto colorOf = [&](UINT message, int id) {
        const HWND control = id == 0 ? pane : Item(id);
        return ::SendMessageA(pane, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    };
    EXPECT_EQ(BrushColor(colorOf(WM_CTLCOLORDLG, 0)), colors.SchemeBackground(0));

    for (const int scheme : {2, 1}) {
        ASSERT_TRUE(pane_->ApplyColorScheme(scheme));
        const COLORREF expected = colors.SchemeBackground(scheme);
        EXPECT_EQ(BrushColor(colorOf(WM_CTLCOLORBTN, IDC_FILTER_ADD_DATE)), expected) << scheme;
        EXPECT_EQ(BrushColor(colorOf(WM_CTLCOLORSTATIC, IDC_FILTER_LISTED)), expected) << scheme;
        EXPECT_EQ(BrushColor(colorOf(WM_CTLCOLORDLG, 0)), expected) << scheme;
        // Other controls keep the system's colours.
        EXPECT_NE(BrushColor(colorOf(WM_CTLCOLORLISTBOX, IDC_FILTER_DATES)), expected) << scheme;
    }
    // Themed, the Original scheme is the pale accent, not the button face.
    EXPECT_NE(colors.SchemeBackground(2), ::GetSysColor(COLOR_BTNFACE));
    ::ReleaseDC(pane, dc);
}

// The frame translates the pane once it exists; the periods are translated by their position.
TEST_F(FilterPaneTest, TheFrameCanTranslateThePeriodsAndTheChoiceStays) {
    LanguageFolder folder;
    UiLanguage language;
    language.SetProgramFolder(folder.Path());
    const std::string periods = ComboBoxSection(DialogSection(IDD_FILTER_PANE), IDC_FILTER_PERIOD);
    folder.Write("german.lng", "[" + periods + "]\r\nID_5=Woche\r\n[DialogID_136]\r\nID_1006=&Alle Dokumente\r\n");
    ASSERT_TRUE(language.SetLanguage("german"));
    SetRawNumber(HKEY_CURRENT_USER, kTestBranch, "FilterType", 2);
    SetRawNumber(HKEY_CURRENT_USER, kTestBranch, "FilterLast", 5);
    Open();

    ASSERT_TRUE(language.TranslateWindow(true, false, pane_->hwnd(), IDD_FILTER_PANE));
    char text[64] = {};
    ::SendMessageA(Item(IDC_FILTER_PERIOD), CB_GETLBTEXT, 5, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Woche");
    EXPECT_EQ(::SendMessageA(Item(IDC_FILTER_PERIOD), CB_GETCURSEL, 0, 0), 5);
    EXPECT_EQ(Range(), (DateRange{Day(2027, 3, 25), kWednesday}));
    EXPECT_EQ(pane_->ItemText(IDC_FILTER_ALL), "&Alle Dokumente");

    // Translators get every period and every label, but no bare symbol.
    const auto entries = SectionEntries(folder.File("english.lng"), periods);
    EXPECT_EQ(entries.size(), static_cast<size_t>(kPeriodCount));
    EXPECT_EQ(entries.at("ID_11"), "Half-Year");
    const std::set<std::string> labels = SectionKeys(folder.File("english.lng"), "DialogID_136");
    EXPECT_EQ(labels, (std::set<std::string>{"ID_1005", "ID_1006", "ID_1010", "ID_1013", "ID_1025"}));
}

TEST_F(FilterPaneTest, EnterAndEscapeLeaveThePaneAlive) {
    Open();
    ::SendMessageA(pane_->hwnd(), WM_COMMAND, IDOK, 0);
    ::SendMessageA(pane_->hwnd(), WM_COMMAND, IDCANCEL, 0);
    PumpPendingMessages();
    EXPECT_TRUE(pane_->IsAlive());
}

TEST_F(FilterPaneTest, WithoutItsWindowEveryOperationRefuses) {
    CDialogMain pane(host_);
    int32_t from = 1;
    int32_t to = 2;
    std::vector<int32_t> days{3};
    EXPECT_FALSE(pane.DateFilterActive());
    EXPECT_FALSE(pane.ListedDatesMode());
    EXPECT_FALSE(pane.GetDateRange(from, to));
    EXPECT_FALSE(pane.GetListedDates(days));
    EXPECT_FALSE(pane.CurrentDateFilter());
    EXPECT_FALSE(pane.InitialiseFromSettings());
    EXPECT_FALSE(pane.ApplyColorScheme(1));
    EXPECT_FALSE(pane.AddFilterDate(kWednesday));
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 2);
    EXPECT_EQ(days, std::vector<int32_t>{3});
    EXPECT_EQ(host_.rebuilds, 0);
    EXPECT_FALSE(GetRaw(HKEY_CURRENT_USER, kTestBranch, "FilterType").exists);
}

}  // namespace
