// The filter pane: the left-hand pane of the main window, which limits the document list to dates.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "settings/settings_store.h"
#include "framework/dialog.h"
#include "framework/message_args.h"
#include "framework/win_handles.h"
#include "panes/filter_pane_rules.h"
#include "panes/select_date_dialog.h"
#include "tracking/history_view.h"
#include "ui/color_scheme.h"

// What the pane needs of the window that holds it.
class FilterPaneHost {
public:
    // Rebuilds the type tabs and the list for the pane's current filter.
    virtual bool RebuildView() = 0;

protected:
    ~FilterPaneHost() = default;
};

// What the pane asks the system; tests fix the day and move the mouse through these.
struct FilterPaneEnvironment {
    std::function<int32_t()> today;  // the local day number; empty: the system clock
    std::function<POINT()> cursor;   // the mouse in screen pixels; empty: GetCursorPos
};

// Five modes, one radio button each; touching a mode's control selects that mode. Every change
// has the host rebuild the view and stores the mode and its values in the settings at once.
//
//   CDialogMain filterPane(*this);                 // the frame is a FilterPaneHost
//   filterPane.Create(hwnd());                     // child 1040, hidden until shown
//   filterPane.InitialiseFromSettings();           // first RebuildView
//   ...
//   const std::optional<DateFilter> dates = filterPane.CurrentDateFilter();
//
// Every operation does nothing and returns false (or nothing) while the pane has no window.
class CDialogMain : public CDialog, public FilterDateTarget {
public:
    explicit CDialogMain(FilterPaneHost& host, FilterPaneEnvironment environment = {}, SettingsStore settings = {});

    // Creates the pane as a child of `frame` with the child identifier 1040.
    bool Create(HWND frame);

    // Any mode but "all" (for the status bar).
    bool DateFilterActive() const;
    bool ListedDatesMode() const;
    // From/to per mode, kNullFilterDay marking "no limit" (from) and "single day" (to). False in
    // the listed-dates mode.
    bool GetDateRange(int32_t& from, int32_t& to) const;
    // The listed days in list order; false unless in the listed-dates mode.
    bool GetListedDates(std::vector<int32_t>& days) const;
    // The filter the list is built with, for every mode.
    std::optional<DateFilter> CurrentDateFilter() const;

    // Mode, period and the two dates from the settings, then the first rebuild.
    bool InitialiseFromSettings();
    // 0 Classic, 1 Modern, 2 Original: the background of the pane and its buttons.
    bool ApplyColorScheme(int scheme);
    // Lists a day (refusing one outside 1 January 1753 ... 31 December 9998 or already listed),
    // then runs the change step.
    bool AddFilterDate(int32_t day) override;

protected:
    const MessageMap& Map() const override;
    bool OnInitDialog() override;
    // Enter and Escape inside the pane must not destroy it.
    void OnOK() override {}
    void OnCancel() override {}

private:
    void OnSize();
    void OnTimer(const TimerArgs& args);
    HBRUSH OnControlColor(const ColorArgs& args);

    void OnModeClicked();
    LRESULT OnCalendarSelection();
    void OnPeriodChange();
    LRESULT OnPickerChange();
    void OnFromBack() { StepPicker(PickerStep::FromBack); }
    void OnFromForward() { StepPicker(PickerStep::FromForward); }
    void OnToBack() { StepPicker(PickerStep::ToBack); }
    void OnToForward() { StepPicker(PickerStep::ToForward); }
    void OnAddDates();
    void OnRemoveDates();
    // The step buttons' states belong to the change step alone, never to an idle update.
    void KeepButtonState(CommandState&) {}

    // Checks the mode's radio button and unchecks the others; true when the mode changed.
    bool SelectMode(FilterMode mode);
    FilterMode CheckedMode() const;
    FilterSelection ReadSelection() const;
    int32_t Today() const;
    PickerDays ReadPickers() const;
    // Sets both pickers and their limits (first day ... second date, first date ... today).
    void ShowPickers(PickerDays days, int32_t today);
    void StepPicker(PickerStep step);
    void EnableStepButton(int id, int pickerId, bool enable);
    // Keeps the pickers within their limits and sets the step buttons; the days shown.
    PickerDays UpdateDateLimits();
    // After every change: button states, the host's rebuild, the stored filter.
    void ChangeStep();
    void StoreSettings(PickerDays days) const;

    FilterPaneHost& host_;
    FilterPaneEnvironment environment_;
    SettingsStore settings_;
    ColorScheme colors_;
    int scheme_ = 0;
    UniqueBrush background_;
    // Set while the pane itself moves the pickers, whose change notifications are then not the user's.
    bool settingPickers_ = false;
    unsigned changeSteps_ = 0;
};
