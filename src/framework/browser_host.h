// A web browser control hosted in any window by a small OLE container of our own: the client
// site, the in-place site and the frame the control asks its container for.
//
//   WebBrowserHost browser;
//   if (browser.Create(dialog, rect)) browser.Navigate(FileUrlFromPath(page));
//
// The thread must have called OleInitialize (OleInit below). Every call is harmless on a host
// whose control could not be created: the window around it keeps working without the pages.
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <ole2.h>

#include <string_view>

#include "framework/com_ptr.h"


// OLE for the calling thread for the guard's lifetime (in-place activation needs it, not just
// COM), when that succeeded.
class OleInit {
public:
    OleInit() : result_(::OleInitialize(nullptr)) {}
    ~OleInit() {
        if (SUCCEEDED(result_)) ::OleUninitialize();
    }
    OleInit(const OleInit&) = delete;
    OleInit& operator=(const OleInit&) = delete;
    bool ok() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

class WebBrowserHost {
public:
    WebBrowserHost() = default;
    ~WebBrowserHost() { Destroy(); }
    WebBrowserHost(const WebBrowserHost&) = delete;
    WebBrowserHost& operator=(const WebBrowserHost&) = delete;

    // Creates the control in place in `parent`, covering `rect` (client coordinates). False,
    // with nothing left behind, when the control or its activation is not available.
    bool Create(HWND parent, const RECT& rect);
    bool IsCreated() const { return static_cast<bool>(browser_); }
    // The control's own window, null when there is none.
    HWND Window() const;

    // Loads a URL (UTF-8); false when there is no control or it refused the address.
    bool Navigate(std::string_view url);
    // Moves the control to `rect` (client coordinates of the parent).
    void SetRect(const RECT& rect);
    // Gives the control a queued key message first (Tab, arrows, accelerators inside the page);
    // true when it used the message.
    bool TranslateAccelerator(MSG& message);

    // Deactivates and releases the control; the parent window must still exist.
    void Destroy();

private:
    class Site;

    Site* site_ = nullptr;
    ComPtr<IOleObject> object_;
    ComPtr<IOleInPlaceObject> inPlace_;
    ComPtr<IWebBrowser2> browser_;
};
