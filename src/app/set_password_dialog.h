// "Set or Change Password" (template 167): the old password, the new one twice, masking, and
// where to ask for it.
#pragma once

#include "ui/dialog_base.h"

class CDialogSetPassword : public DialogBase {
public:
    CDialogSetPassword();

protected:
    const MessageMap& Map() const override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void ApplyMasking();
    void ApplyOkRule();

    bool passwordStored_ = false;
};
