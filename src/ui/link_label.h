// LinkLabel: a static text that looks like a web link (blue, underlined, hand cursor) and opens
// its target with the shell when clicked.
//
//   LinkLabel site;                         // a member of the dialog
//   site.Subclass(Item(IDC_SITE));          // the static needs SS_NOTIFY
//   site.SetTarget("https://example.org/");
//   site.SetColours(false, RGB(0, 0, 255), RGB(255, 255, 255));
//
// Its parent must be one of the program's windows or dialogs, which reflect the colour request.
#pragma once

#include <windows.h>

#include <string>

#include "framework/message_args.h"
#include "framework/win_handles.h"
#include "ui/color_label.h"
#include "ui/passed_on_args.h"
#include "ui/shell_open.h"

class LinkLabel : public ColorLabel {
public:
    // Blue, transparent, opening nothing until it has a target.
    LinkLabel();

    // Takes over a static control; one with the "notify" style gets the link font at once (the
    // default GUI font, underlined). False when the window is not alive or already taken.
    bool Subclass(HWND label);

    // True for a live static with the "notify" style. Without it the static passes every mouse
    // message to its parent, so it cannot be clicked: the operations below then do nothing.
    bool IsLink() const;

    // The document, folder or address a click opens; empty opens nothing.
    bool SetTarget(std::string target);
    const std::string& Target() const { return target_; }

    // A font from the default GUI font: `height` in logical units (-1 keeps its height), bold
    // or normal weight, italic and underline as asked; applied and redrawn.
    bool SetLinkFont(int height, bool bold, bool italic, bool underline);
    bool SetColours(bool transparent, COLORREF text, COLORREF background);

    // Who opens the target; ShellOpen unless replaced.
    void SetOpener(ShellOpener opener) { opener_ = std::move(opener); }

protected:
    const MessageMap& Map() const override;

private:
    bool OnSetCursor(const SetCursorArgs& args);
    LRESULT OnLeftButtonDown(const PassedOnArgs<WM_LBUTTONDOWN>& args);

    UniqueFont font_;
    HCURSOR hand_;
    std::string target_;
    ShellOpener opener_;
};
