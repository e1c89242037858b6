// ColorLabel: a static text with its own text and background colours.
//
//   ColorLabel version;                     // a member of the dialog
//   version.Subclass(Item(IDC_VERSION));
//   version.SetColours(false, ::GetSysColor(COLOR_BTNTEXT), RGB(255, 255, 255));
//
// Its parent must be one of the program's windows or dialogs, which reflect the colour request.
#pragma once

#include <windows.h>

#include "framework/message_args.h"
#include "framework/subclass_window.h"
#include "framework/win_handles.h"
#include "ui/passed_on_args.h"

class ColorLabel : public CSubclassWindow {
public:
    // Button text, transparent over whatever the parent paints, until SetColours.
    ColorLabel();

    // A transparent label paints its text straight onto its parent's background (a hollow
    // brush); otherwise it fills its rectangle with the background colour. Repaints.
    void SetColours(bool transparent, COLORREF text, COLORREF background);
    bool Transparent() const { return transparent_; }
    COLORREF TextColour() const { return text_; }
    COLORREF BackgroundColour() const { return background_; }

protected:
    ColorLabel(bool transparent, COLORREF text, COLORREF background);
    const MessageMap& Map() const override;

private:
    HBRUSH OnColor(const ColorArgs& args);
    LRESULT OnSetText(const PassedOnArgs<WM_SETTEXT>& args);
    // Repaints the parent's area under the label, and the label over it: a transparent label
    // does not erase its old text itself, so a new text would be drawn over the old one.
    void RepaintWithBackground() const;

    bool transparent_ = true;
    COLORREF text_ = 0;
    COLORREF background_ = 0;
    UniqueBrush solid_;
};
