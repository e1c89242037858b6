// "Select Date": the small dialog the filter pane's "+" button runs to add days to its list.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "framework/dialog.h"

// Receives the days the user adds; the filter pane is one.
class FilterDateTarget {
public:
    // False when the day is refused (invalid, or already listed).
    virtual bool AddFilterDate(int32_t day) = 0;

protected:
    ~FilterDateTarget() = default;
};

// Stays open after each "< Add", so that several days can be added in a row; "Close" ends it.
//
//   CDialogSelectDate dialog(this);
//   dialog.DoModal(hwnd());
class CDialogSelectDate : public CDialog {
public:
    // `target` may be null: "< Add" then adds nowhere. `today` gives the last selectable day.
    explicit CDialogSelectDate(FilterDateTarget* target, std::function<int32_t()> today = {});

protected:
    const MessageMap& Map() const override;
    bool OnInitDialog() override;

private:
    void OnAdd();

    FilterDateTarget* target_;
    std::function<int32_t()> today_;
};
