// The About box (template 165): banner, version, notice and two links on white, no caption bar.
#pragma once

#include <windows.h>

#include <string>

#include "framework/dialog.h"
#include "framework/message_args.h"
#include "framework/win_handles.h"
#include "ui/color_label.h"
#include "ui/link_label.h"
#include "ui/passed_on_args.h"

class CDialogAbout : public CDialog {
public:
    CDialogAbout();

    // Whom the links ask to open their targets; the shell unless replaced (tests).
    void SetOpener(ShellOpener opener) { opener_ = std::move(opener); }
    const LinkLabel& MakerLink() const { return maker_; }
    const LinkLabel& SupportLink() const { return support_; }

protected:
    const MessageMap& Map() const override;
    bool OnInitDialog() override;

private:
    LRESULT OnHitTest(const PassedOnArgs<WM_NCHITTEST>& args);
    HBRUSH OnDialogColor(const PassedOnArgs<WM_CTLCOLORDLG>& args);
    HBRUSH OnButtonColor(const PassedOnArgs<WM_CTLCOLORBTN>& args);

    ColorLabel version_;
    ColorLabel legal_;
    ColorLabel oldLabel_;
    LinkLabel maker_;
    LinkLabel support_;
    UniqueBrush white_;
    ShellOpener opener_;
};
