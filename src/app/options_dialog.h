// CDialogOptSheet: the Options dialog, its three pages in a sheet, applied in order on OK.
#pragma once

#include <windows.h>

#include "app/options_pages.h"
#include "framework/property_sheet.h"
#include "ui/dialog_base.h"

class CDialogOptSheet : public DialogBase {
public:
    explicit CDialogOptSheet(OptionsActions actions);

    CDialogOptMain& General() { return general_; }
    CDialogOptHotKeys& HotKeys() { return hotKeys_; }
    CDialogOptLang& Language() { return language_; }
    CPropertySheet& Sheet() { return sheet_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    OptionsActions actions_;
    CDialogOptMain general_;
    CDialogOptHotKeys hotKeys_;
    CDialogOptLang language_;
    CPropertySheet sheet_;
};
