// TEMPORARY stand-in for the filter pane (CDialogMain) until the real pane is merged: delete this
// file and include the real header in app/frame_application.h. It has the real pane's interface;
// it shows an empty panel, and its date filter follows the stored mode only roughly (mode 0:
// all dates, mode 4: an empty list of dates, any other mode: today).
#pragma once

#include <windows.h>

#include "app/settings_store.h"
#include "framework/window.h"
#include "tracking/history_view.h"
#include "tracking/ole_date.h"

class FilterPaneHost {
public:
    virtual ~FilterPaneHost() = default;
    virtual bool RebuildView() = 0;
};

class CDialogMain : public CWindow {
public:
    static constexpr UINT kChildId = 1040;
    static constexpr UINT kTemplateId = 136;

    explicit CDialogMain(FilterPaneHost& host) : host_(host) {}
    ~CDialogMain() override { Destroy(); }

    bool CreatePane(HWND frame) {
        static constexpr char kClass[] = "KestrumFilterPaneStandIn";
        RegisterWindowClass({.name = kClass, .style = 0, .cursor = nullptr, .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
        return Create({.className = kClass, .title = "", .style = WS_CHILD | WS_CLIPSIBLINGS, .exStyle = WS_EX_CONTROLPARENT,
                       .x = 0, .y = 0, .width = 0, .height = 0, .parent = frame,
                       .menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kChildId))});
    }
    bool DateFilterActive() const { return IsAlive() && Mode() != 0; }
    bool ListedDatesMode() const { return IsAlive() && Mode() == 4; }
    DateFilter CurrentDateFilter() const {
        switch (Mode()) {
            case 0: return DateFilter::All();
            case 4: return DateFilter::Days({});
            default: return DateFilter::Day(Today());
        }
    }
    void InitialiseFromSettings() { host_.RebuildView(); }
    void ApplyColorScheme(int) {}

private:
    static std::uint32_t Mode() { return SettingsStore().ReadNumber(Setting::FilterType); }
    static int32_t Today() {
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        return DayNumberFromDate({now.wYear, now.wMonth, now.wDay});
    }

    FilterPaneHost& host_;
};
