// The password prompt (template 168): one masked field, OK only with the right password.
#pragma once

#include "ui/dialog_base.h"

class CDialogPassword : public DialogBase {
public:
    CDialogPassword();

protected:
    const MessageMap& Map() const override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnTextChanged();
};
