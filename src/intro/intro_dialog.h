// The Quick Intro dialog: five local pages in a web browser control, Back, Next, Close and the
// "do not show again" box that tells Kestrum whether to start the intro next time.
#pragma once

#include <windows.h>

#include "framework/browser_host.h"
#include "framework/dialog.h"
#include "framework/message_args.h"
#include "framework/win_handles.h"

class CQuickIntroDialog : public CDialog {
public:
    CQuickIntroDialog();

    int Page() const { return page_; }
    // Whether the page control exists (it does not where the system has no web browser).
    bool HasBrowser() const { return browser_.IsCreated(); }

protected:
    const MessageMap& Map() const override;
    bool OnInitDialog() override;
    bool PreTranslateMessage(MSG& message) override;

private:
    void OnBack() { ShowPage(page_ - 1); }
    void OnNext() { ShowPage(page_ + 1); }
    void OnDontShowAgain();
    void OnSize(const SizeArgs&) { Layout(); }
    void OnPaint();
    HICON OnQueryDragIcon() { return largeIcon_.get(); }
    void OnDestroy() { browser_.Destroy(); }

    void PlaceWindow();
    void ShowPage(int page);
    void Layout();

    int page_ = 0;
    UniqueIcon largeIcon_;
    UniqueIcon smallIcon_;
    WebBrowserHost browser_;
};
