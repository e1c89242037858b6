// The "Select Date" dialog: a month calendar up to today, each "< Add" handing its day on.
#include "panes/select_date_dialog.h"

#include <commctrl.h>

#include <utility>

#include "language/message_text.h"
#include "language/ui_language.h"
#include "panes/system_date.h"
#include "resource.h"

CDialogSelectDate::CDialogSelectDate(FilterDateTarget* target, std::function<int32_t()> today)
    : CDialog(IDD_SELECT_DATE), target_(target), today_(today ? std::move(today) : std::function<int32_t()>(LocalToday)) {
    RegisterDateControls();
}

const MessageMap& CDialogSelectDate::Map() const {
    static constexpr CommandEntry kCommands[] = {
        route::Command<IDC_SELECT_DATE_ADD, &CDialogSelectDate::OnAdd>(),
    };
    static constexpr MessageMap kMap{.commands = kCommands};
    return kMap;
}

bool CDialogSelectDate::OnInitDialog() {
    const HWND calendar = Item(IDC_SELECT_DATE_CALENDAR);
    // The calendar shows only dates, in the system's own language.
    ExcludeFromTranslation(calendar);
    CurrentLanguage().TranslateWindow(true, true, hwnd(), IDD_SELECT_DATE);

    // Paging through the months keeps the selected day, so "< Add" adds what the user clicked.
    ::SetWindowLongPtrA(calendar, GWL_STYLE, ::GetWindowLongPtrA(calendar, GWL_STYLE) | MCS_NOSELCHANGEONNAV);
    ShowCalendarUpToToday(calendar, today_());
    return true;
}

void CDialogSelectDate::OnAdd() {
    if (target_ == nullptr) return;
    SYSTEMTIME selected{};
    if (!::SendMessageA(Item(IDC_SELECT_DATE_CALENDAR), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&selected))) return;
    if (const auto day = DayFromSystemTime(selected)) target_->AddFilterDate(*day);
}
