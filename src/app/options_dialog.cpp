// The Options dialog: the frame with its icons and help link around a sheet of three pages.
#include "app/options_dialog.h"

#include <commctrl.h>

#include <utility>

#include "language/message_text.h"
#include "language/ui_language.h"
#include "resource.h"
#include "ui/dialog_units.h"

namespace {

constexpr int kSheetLeftDu = 6;
constexpr int kSheetTopDu = 28;
constexpr int kTabWidthDu = 56;

}  // namespace

CDialogOptSheet::CDialogOptSheet(OptionsActions actions)
    : DialogBase(IDD_OPTIONS), actions_(std::move(actions)), general_(actions_), hotKeys_(actions_), language_(actions_) {}

bool CDialogOptSheet::OnInitDialog() {
    if (!SetupFrame(IDI_OPTIONS, IDI_HELP_LINK, "opt.htm")) return false;
    sheet_.AddPage(general_);
    sheet_.AddPage(hotKeys_);
    sheet_.AddPage(language_);
    if (!sheet_.CreateChild(hwnd())) {
        End(IDCANCEL);
        return false;
    }
    const HWND tabs = sheet_.TabControl();
    ::SetWindowLongPtrA(tabs, GWL_STYLE, ::GetWindowLongPtrA(tabs, GWL_STYLE) & ~static_cast<LONG_PTR>(TCS_MULTILINE));
    // Every page window must exist before the pages are filled and translated.
    for (int page = 0; page < 3; ++page) sheet_.SetActivePage(page);
    sheet_.SetActivePage(0);

    // In the dialog's own units: the system's differ from them at other DPIs and the sheet
    // would slide over the buttons.
    ::SetWindowPos(sheet_.hwnd(), nullptr, DialogUnitsToPixels(hwnd(), kSheetLeftDu, true),
                   DialogUnitsToPixels(hwnd(), kSheetTopDu, false),
                   0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowLongPtrA(tabs, GWL_STYLE, ::GetWindowLongPtrA(tabs, GWL_STYLE) | TCS_FIXEDWIDTH);
    ::SendMessageA(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(DialogUnitsToPixels(hwnd(), kTabWidthDu, true), 0));

    CurrentLanguage().TranslateWindow(true, true, hwnd(), IDD_OPTIONS);
    general_.Initialise();
    hotKeys_.Initialise();
    language_.Initialise();
    return true;
}

void CDialogOptSheet::OnOK() {
    // Nothing is stored while a page holds a value that cannot be used.
    if (!hotKeys_.Validate()) {
        sheet_.SetActivePage(1);
        return;
    }
    general_.Apply();
    hotKeys_.Apply();
    language_.Apply();
    End(IDOK);
}
