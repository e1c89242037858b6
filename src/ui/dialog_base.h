// DialogBase: the common frame of the program's dialogs: a footer band, a header icon, a small
// help icon with a "Help" link, and help requests and keys routed to the main frame.
//
//   class CDialogCopyMove : public DialogBase {
//   public:
//       CDialogCopyMove() : DialogBase(IDD_COPY_MOVE) {}
//   protected:
//       bool OnInitDialog() override {
//           if (!SetupFrame(IDI_COPY, IDI_HELP_LINK, "copy_move.htm")) return false;
//           ...
//       }
//   };
//
// A derived class's Map() names DialogBase::Map() as its base. Painting is the frame's: a dialog
// that paints more overrides PaintContent; one that pre-translates messages calls
// DialogBase::PreTranslateMessage first.
#pragma once

#include <windows.h>

#include <string>

#include "framework/dialog.h"
#include "framework/message_args.h"
#include "ui/dialog_frame_layout.h"
#include "ui/icon_set.h"
#include "ui/link_label.h"
#include "ui/passed_on_args.h"

class DialogBase : public CDialog {
public:
    // SetupFrame's icon argument for "no icon".
    static constexpr int kNoIcon = -1;
    // The ID of the "Help" link, the command its click sends.
    static constexpr int kHelpLinkId = 65520;

    // Loads the header icon (32 pixels) and the help icon (24 pixels) unless kNoIcon. With a help
    // icon the topic is kept and the "Help" link is made. When an icon does not load the dialog
    // ends with IDCANCEL and the result is false; false also for a dialog without a window.
    bool SetupFrame(int largeIconId, int smallIconId, std::string helpTopic);

    const std::string& HelpTopic() const { return helpTopic_; }
    // The "Help" link once SetupFrame made it, else null.
    HWND HelpLink() const { return helpLink_.hwnd(); }
    // The frame's layout for the current client area.
    DialogFrameLayout Layout() const;

    // Paints the footer band and the icons into a DC of the client area.
    void DrawFrame(HDC dc) const;
    // Sends the help topic to the main frame; the frame's answer, 0 when the topic is empty.
    LRESULT RequestHelp() const;

protected:
    explicit DialogBase(UINT templateId, HINSTANCE resources = nullptr);

    const MessageMap& Map() const override;
    // Offers each message to the main frame first (the help key): true when the frame took it.
    bool PreTranslateMessage(MSG& message) override;
    // Paints over the frame, on the same off-screen bitmap, before it reaches the screen.
    virtual void PaintContent(HDC, const RECT&) {}

private:
    void OnPaint();
    bool OnEraseBackground(const EraseArgs&) { return true; }
    LRESULT OnSetCursor(const PassedOnArgs<WM_SETCURSOR>& args);
    void OnLeftButtonUp(const MouseArgs& args);
    void OnHelpLink() { RequestHelp(); }
    bool IsOverHelpIcon(POINT client) const;
    void CreateHelpLink();

    IconSet large_;
    IconSet small_;
    LinkLabel helpLink_;
    std::string helpTopic_;
    HCURSOR hand_ = nullptr;
};
