// The filter pane's controls, its change step and what it hands the frame.
#include "panes/filter_pane.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "panes/filter_period.h"
#include "panes/system_date.h"
#include "resource.h"
#include "text/locale_text.h"
#include "ui/dialog_init.h"
#include "ui/dialog_units.h"
#include "ui/window_utils.h"

namespace {

constexpr char kPickerFormat[] = "MMMM dd, yyyy";

// How often the pane looks whether the day has changed.
constexpr UINT_PTR kDayTimer = 1;
constexpr UINT kDayTimerPeriod = 60 * 1000;

struct ModeButton {
    FilterMode mode;
    int id;
};

// In the order the checked mode is looked for.
constexpr ModeButton kModeButtons[] = {
    {FilterMode::Day, IDC_FILTER_DAY},         {FilterMode::Last, IDC_FILTER_LAST},
    {FilterMode::Between, IDC_FILTER_BETWEEN}, {FilterMode::Listed, IDC_FILTER_LISTED},
    {FilterMode::All, IDC_FILTER_ALL},
};

FilterMode DefaultMode() {
    const SettingInfo* info = FindSetting(Setting::FilterType);
    return FilterModeFromNumber(info != nullptr ? info->numberDefault : 0).value_or(FilterMode::All);
}

void SetPickerRange(HWND picker, int32_t first, int32_t last) {
    const SYSTEMTIME range[2] = {SystemTimeFromDay(first), SystemTimeFromDay(last)};
    ::SendMessageA(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
}

std::optional<int32_t> PickerDay(HWND picker) {
    SYSTEMTIME time{};
    if (::SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) return std::nullopt;
    return DayFromSystemTime(time);
}

}  // namespace

CDialogMain::CDialogMain(FilterPaneHost& host, FilterPaneEnvironment environment, SettingsStore settings)
    : CDialog(IDD_FILTER_PANE), host_(host), environment_(std::move(environment)), settings_(std::move(settings)) {}

const MessageMap& CDialogMain::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<WM_SIZE, &CDialogMain::OnSize>(),
        route::Message<WM_TIMER, &CDialogMain::OnTimer>(),
        route::Message<WM_CTLCOLORDLG, &CDialogMain::OnControlColor>(),
        route::Message<WM_CTLCOLORBTN, &CDialogMain::OnControlColor>(),
        // Radio buttons with visual styles ask with this one.
        route::Message<WM_CTLCOLORSTATIC, &CDialogMain::OnControlColor>(),
    };
    static constexpr CommandEntry kCommands[] = {
        route::Command<IDC_FILTER_ALL, &CDialogMain::OnModeClicked>(),
        route::Command<IDC_FILTER_DAY, &CDialogMain::OnModeClicked>(),
        route::Command<IDC_FILTER_LAST, &CDialogMain::OnModeClicked>(),
        route::Command<IDC_FILTER_BETWEEN, &CDialogMain::OnModeClicked>(),
        route::Command<IDC_FILTER_LISTED, &CDialogMain::OnModeClicked>(),
        route::Command<IDC_FILTER_FROM_BACK, &CDialogMain::OnFromBack>(),
        route::Command<IDC_FILTER_FROM_FORWARD, &CDialogMain::OnFromForward>(),
        route::Command<IDC_FILTER_TO_BACK, &CDialogMain::OnToBack>(),
        route::Command<IDC_FILTER_TO_FORWARD, &CDialogMain::OnToForward>(),
        route::Command<IDC_FILTER_ADD_DATE, &CDialogMain::OnAddDates>(),
        route::Command<IDC_FILTER_REMOVE_DATES, &CDialogMain::OnRemoveDates>(),
    };
    static constexpr NotifyEntry kNotifications[] = {
        // Only "—" depends on the list's selection; the step runs all the same, as for any change.
        route::Control<LBN_SELCHANGE, IDC_FILTER_DATES, &CDialogMain::ChangeStep>(),
        route::Control<CBN_SELCHANGE, IDC_FILTER_PERIOD, &CDialogMain::OnPeriodChange>(),
        route::Control<CBN_CLOSEUP, IDC_FILTER_PERIOD, &CDialogMain::OnPeriodChange>(),
        route::Notify<DTN_DATETIMECHANGE, IDC_FILTER_FROM, &CDialogMain::OnPickerChange>(),
        route::Notify<DTN_DATETIMECHANGE, IDC_FILTER_TO, &CDialogMain::OnPickerChange>(),
        route::Notify<MCN_SELCHANGE, IDC_FILTER_CALENDAR, &CDialogMain::OnCalendarSelection>(),
        route::Notify<MCN_SELECT, IDC_FILTER_CALENDAR, &CDialogMain::OnCalendarSelection>(),
    };
    static constexpr UpdateEntry kUpdates[] = {
        route::Update<IDC_FILTER_ADD_DATE, &CDialogMain::KeepButtonState>(),
        route::Update<IDC_FILTER_REMOVE_DATES, &CDialogMain::KeepButtonState>(),
        route::Update<IDC_FILTER_FROM_BACK, &CDialogMain::KeepButtonState>(),
        route::Update<IDC_FILTER_FROM_FORWARD, &CDialogMain::KeepButtonState>(),
        route::Update<IDC_FILTER_TO_BACK, &CDialogMain::KeepButtonState>(),
        route::Update<IDC_FILTER_TO_FORWARD, &CDialogMain::KeepButtonState>(),
    };
    static constexpr MessageMap kMap{
        .messages = kMessages, .commands = kCommands, .notifications = kNotifications, .updates = kUpdates};
    return kMap;
}

bool CDialogMain::Create(HWND frame) {
    RegisterDateControls();
    if (!CDialog::Create(frame)) return false;
    ::SetWindowLongPtrA(hwnd(), GWLP_ID, IDW_FILTER_PANE);
    return true;
}

bool CDialogMain::OnInitDialog() {
    FillDialogInitialItems(hwnd(), Resources(), IDD_FILTER_PANE);
    ::SendMessageA(Item(IDC_FILTER_FROM), DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(kPickerFormat));
    ::SendMessageA(Item(IDC_FILTER_TO), DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(kPickerFormat));

    ShowCalendarUpToToday(Item(IDC_FILTER_CALENDAR), Today());
    ::SetTimer(hwnd(), kDayTimer, kDayTimerPeriod, nullptr);

    // Until the settings are read: exactly one mode, and nothing listed to remove.
    SetChecked(IDC_FILTER_ALL, true);
    ::EnableWindow(Item(IDC_FILTER_REMOVE_DATES), FALSE);
    ApplyColorScheme(scheme_);
    // A pane must not take the focus from the frame's list when it is created.
    return false;
}

bool CDialogMain::InitialiseFromSettings() {
    if (!IsAlive()) return false;
    const FilterMode mode =
        FilterModeFromNumber(settings_.ReadNumber(Setting::FilterType)).value_or(DefaultMode());
    for (const ModeButton& button : kModeButtons) SetChecked(button.id, button.mode == mode);

    const std::uint32_t period = settings_.ReadNumber(Setting::FilterLast);
    const WPARAM index = period < static_cast<std::uint32_t>(kPeriodCount) ? period : static_cast<WPARAM>(-1);
    ::SendMessageA(Item(IDC_FILTER_PERIOD), CB_SETCURSEL, index, 0);

    const int32_t today = Today();
    ShowPickers(ClampPickerDays({PickerDayFromStoredText(settings_.ReadText(Setting::FilterFrom), today),
                                 PickerDayFromStoredText(settings_.ReadText(Setting::FilterTo), today)},
                                today),
                today);
    ChangeStep();
    return true;
}

bool CDialogMain::DateFilterActive() const { return IsAlive() && CheckedMode() != FilterMode::All; }

bool CDialogMain::ListedDatesMode() const { return IsAlive() && CheckedMode() == FilterMode::Listed; }

bool CDialogMain::GetDateRange(int32_t& from, int32_t& to) const {
    if (!IsAlive()) return false;
    const std::optional<DateRange> range = RangeOfSelection(ReadSelection(), Today());
    if (!range) return false;
    from = range->from;
    to = range->to;
    return true;
}

bool CDialogMain::GetListedDates(std::vector<int32_t>& days) const {
    if (!ListedDatesMode()) return false;
    days = ReadSelection().listedDays;
    return true;
}

std::optional<DateFilter> CDialogMain::CurrentDateFilter() const {
    if (!IsAlive()) return std::nullopt;
    return FilterOfSelection(ReadSelection(), Today());
}

bool CDialogMain::ApplyColorScheme(int scheme) {
    if (!IsAlive()) return false;
    scheme_ = scheme;
    background_.reset(::CreateSolidBrush(colors_.SchemeBackground(scheme_)));
    ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    return true;
}

bool CDialogMain::AddFilterDate(int32_t day) {
    if (!IsAlive() || day < kFirstFilterDay || day > kLastFilterDay) return false;
    const HWND list = Item(IDC_FILTER_DATES);
    if (FindListBoxItemByData(list, day) >= 0) return false;
    const std::string text = FormatDay(day);
    if (text.empty()) return false;
    const LRESULT index = ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index < 0) return false;
    ::SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), day);
    ChangeStep();
    return true;
}

void CDialogMain::OnSize() {
    const HWND list = Item(IDC_FILTER_DATES);
    if (list == nullptr) return;
    RECT client;
    RECT bounds;
    ::GetClientRect(hwnd(), &client);
    ::GetWindowRect(list, &bounds);
    ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&bounds), 2);
    const int height = std::max(static_cast<int>(client.bottom - bounds.top) - DialogUnitsToPixels(6, false),
                                DialogUnitsToPixels(24, false));
    ::SetWindowPos(list, nullptr, 0, 0, bounds.right - bounds.left, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialogMain::OnTimer(const TimerArgs& args) {
    if (args.id != kDayTimer) return;
    // The program stays in the tray for days: after midnight the calendar and the second date
    // may reach the new day, and a "last" period ends on it.
    if (!MoveCalendarToToday(Item(IDC_FILTER_CALENDAR), Today())) return;
    if (CheckedMode() == FilterMode::Last) {
        ChangeStep();
    } else {
        UpdateDateLimits();
    }
}

HBRUSH CDialogMain::OnControlColor(const ColorArgs& args) {
    // Everything but the pane and its buttons keeps the system's colours.
    if (args.control != hwnd() && !IsButton(args.control)) return nullptr;
    ::SetBkColor(args.dc, colors_.SchemeBackground(scheme_));
    return background_.get();
}

void CDialogMain::OnModeClicked() { ChangeStep(); }

LRESULT CDialogMain::OnCalendarSelection() {
    // The calendar also reports selections the keyboard makes while the pane merely has the
    // focus; only a change made with the mouse on the calendar means the user chose a day.
    RECT bounds;
    ::GetWindowRect(Item(IDC_FILTER_CALENDAR), &bounds);
    const POINT cursor = environment_.cursor ? environment_.cursor() : [] {
        POINT point{};
        ::GetCursorPos(&point);
        return point;
    }();
    if (::PtInRect(&bounds, cursor)) {
        SelectMode(FilterMode::Day);
        ChangeStep();
    }
    return 0;
}

void CDialogMain::OnPeriodChange() {
    SelectMode(FilterMode::Last);
    ChangeStep();
}

LRESULT CDialogMain::OnPickerChange() {
    if (settingPickers_) return 0;
    SelectMode(FilterMode::Between);
    ChangeStep();
    return 0;
}

void CDialogMain::StepPicker(PickerStep step) {
    const bool switched = SelectMode(FilterMode::Between);
    const int32_t today = Today();
    const std::optional<PickerDays> stepped = SteppedPickerDays(ClampPickerDays(ReadPickers(), today), step, today);
    if (stepped) ShowPickers(*stepped, today);
    // The mode switch alone changes the list, even where the date cannot move.
    if (stepped || switched) ChangeStep();
}

void CDialogMain::OnAddDates() {
    const bool switched = SelectMode(FilterMode::Listed);
    const unsigned stepsBefore = changeSteps_;
    CDialogSelectDate dialog(this, [this] { return Today(); });
    dialog.DoModal(hwnd());
    // Closed without adding a day: the list must still follow the mode the pane now shows.
    if (switched && changeSteps_ == stepsBefore && IsAlive()) ChangeStep();
}

void CDialogMain::OnRemoveDates() {
    const HWND list = Item(IDC_FILTER_DATES);
    const LRESULT count = ::SendMessageA(list, LB_GETSELCOUNT, 0, 0);
    if (count <= 0) return;
    std::vector<int> selected(static_cast<size_t>(count));
    const LRESULT got = ::SendMessageA(list, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                       reinterpret_cast<LPARAM>(selected.data()));
    selected.resize(got > 0 ? static_cast<size_t>(got) : 0);
    SelectMode(FilterMode::Listed);
    // From the last one up, so that the indices still to delete stay valid.
    std::sort(selected.rbegin(), selected.rend());
    for (const int index : selected) ::SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    ChangeStep();
}

bool CDialogMain::SelectMode(FilterMode mode) {
    const auto button = std::ranges::find(kModeButtons, mode, &ModeButton::mode);
    if (IsChecked(button->id)) return false;
    for (const ModeButton& other : kModeButtons) SetChecked(other.id, other.mode == mode);
    return true;
}

FilterMode CDialogMain::CheckedMode() const {
    for (const ModeButton& button : kModeButtons) {
        if (IsChecked(button.id)) return button.mode;
    }
    return FilterMode::All;
}

FilterSelection CDialogMain::ReadSelection() const {
    FilterSelection selection;
    selection.mode = CheckedMode();
    switch (selection.mode) {
        case FilterMode::All: break;
        case FilterMode::Day: {
            SYSTEMTIME time{};
            const bool read = ::SendMessageA(Item(IDC_FILTER_CALENDAR), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&time));
            selection.calendarDay = (read ? DayFromSystemTime(time) : std::nullopt).value_or(Today());
            break;
        }
        case FilterMode::Last:
            selection.periodIndex = static_cast<int>(::SendMessageA(Item(IDC_FILTER_PERIOD), CB_GETCURSEL, 0, 0));
            break;
        case FilterMode::Between: selection.pickers = ReadPickers(); break;
        case FilterMode::Listed: {
            const HWND list = Item(IDC_FILTER_DATES);
            const LRESULT count = ::SendMessageA(list, LB_GETCOUNT, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                const auto day = static_cast<int32_t>(::SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0));
                if (day != 0) selection.listedDays.push_back(day);
            }
            break;
        }
    }
    return selection;
}

int32_t CDialogMain::Today() const { return environment_.today ? environment_.today() : LocalToday(); }

PickerDays CDialogMain::ReadPickers() const {
    const int32_t today = Today();
    return {PickerDay(Item(IDC_FILTER_FROM)).value_or(today), PickerDay(Item(IDC_FILTER_TO)).value_or(today)};
}

void CDialogMain::ShowPickers(PickerDays days, int32_t today) {
    const HWND from = Item(IDC_FILTER_FROM);
    const HWND to = Item(IDC_FILTER_TO);
    const bool wasSetting = std::exchange(settingPickers_, true);
    // The limits first: a picker refuses a date outside its current ones.
    SetPickerRange(from, kFirstFilterDay, days.to);
    SetPickerRange(to, days.from, today);
    // Only a date that differs is set, so that a change step during the user's own typing in a
    // picker does not disturb it.
    for (const auto& [picker, day] : {std::pair{from, days.from}, std::pair{to, days.to}}) {
        if (PickerDay(picker) == day) continue;
        SYSTEMTIME time = SystemTimeFromDay(day);
        ::SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    }
    settingPickers_ = wasSetting;
}

void CDialogMain::EnableStepButton(int id, int pickerId, bool enable) {
    const HWND button = Item(id);
    // A button disabled under the keyboard focus would leave the focus nowhere.
    if (!enable && ::GetFocus() == button) ::SetFocus(Item(pickerId));
    ::EnableWindow(button, enable);
}

void CDialogMain::ChangeStep() {
    ++changeSteps_;
    const HWND list = Item(IDC_FILTER_DATES);
    ::EnableWindow(Item(IDC_FILTER_REMOVE_DATES), ::SendMessageA(list, LB_GETSELCOUNT, 0, 0) > 0);

    const PickerDays days = UpdateDateLimits();
    host_.RebuildView();
    StoreSettings(days);
}

PickerDays CDialogMain::UpdateDateLimits() {
    const int32_t today = Today();
    const PickerDays days = ClampPickerDays(ReadPickers(), today);
    ShowPickers(days, today);
    const StepButtons buttons = StepButtonStates(days, today);
    EnableStepButton(IDC_FILTER_FROM_BACK, IDC_FILTER_FROM, buttons.fromBack);
    EnableStepButton(IDC_FILTER_FROM_FORWARD, IDC_FILTER_FROM, buttons.fromForward);
    EnableStepButton(IDC_FILTER_TO_BACK, IDC_FILTER_TO, buttons.toBack);
    EnableStepButton(IDC_FILTER_TO_FORWARD, IDC_FILTER_TO, buttons.toForward);
    return days;
}

void CDialogMain::StoreSettings(PickerDays days) const {
    settings_.WriteNumber(Setting::FilterType, static_cast<std::uint32_t>(CheckedMode()));
    const LRESULT period = ::SendMessageA(Item(IDC_FILTER_PERIOD), CB_GETCURSEL, 0, 0);
    if (period != CB_ERR) settings_.WriteNumber(Setting::FilterLast, static_cast<std::uint32_t>(period));
    settings_.WriteText(Setting::FilterFrom, FormatStoredDate(days.from));
    settings_.WriteText(Setting::FilterTo, FormatStoredDate(days.to));
}
