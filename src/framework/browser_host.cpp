// The OLE container sites behind WebBrowserHost and the control's life in place.
#include "framework/browser_host.h"


#include "framework/wide_text.h"

// The container's side of the control's conversation: one object answers as client site,
// in-place site and frame. The control keeps references to it, so it counts its own life.
class WebBrowserHost::Site final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    Site(HWND parent, const RECT& rect) : parent_(parent), rect_(rect) {}

    void SetRect(const RECT& rect) { rect_ = rect; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
            *out = static_cast<IOleClientSite*>(this);
        } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
            *out = static_cast<IOleInPlaceSite*>(this);
        } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
            *out = static_cast<IOleInPlaceFrame*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite: no storage, no moniker, no container; the control is always visible.
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override {
        if (out) *out = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** out) override {
        if (out) *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (shared by the in-place site and the frame): the parent window.
    STDMETHODIMP GetWindow(HWND* out) override {
        if (out == nullptr) return E_POINTER;
        *out = parent_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite: activation is always welcome; the control fills rect_.
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr || info == nullptr) {
            return E_POINTER;
        }
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *document = nullptr;
        *position = rect_;
        *clip = rect_;
        info->fMDIApp = FALSE;
        info->hwndFrame = parent_;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame: no tool space, menus or status bar to share.
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override {
        active_.reset();
        if (object != nullptr) object->QueryInterface(IID_IOleInPlaceActiveObject, active_.put_void());
        return S_OK;
    }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // The object the control named active, for its keyboard handling.
    IOleInPlaceActiveObject* Active() const { return active_.get(); }
    void Forget() { active_.reset(); }

private:
    ~Site() = default;

    ULONG references_ = 1;
    HWND parent_;
    RECT rect_;
    ComPtr<IOleInPlaceActiveObject> active_;
};

bool WebBrowserHost::Create(HWND parent, const RECT& rect) {
    Destroy();
    if (parent == nullptr) return false;
    if (FAILED(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  object_.put_void()))) {
        return false;
    }
    site_ = new Site(parent, rect);
    RECT position = rect;
    const bool placed = SUCCEEDED(object_->SetClientSite(static_cast<IOleClientSite*>(site_))) &&
                        SUCCEEDED(::OleSetContainedObject(object_.get(), TRUE)) &&
                        SUCCEEDED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                                                  static_cast<IOleClientSite*>(site_), 0, parent, &position)) &&
                        SUCCEEDED(object_.QueryInterface(IID_IOleInPlaceObject, inPlace_)) &&
                        SUCCEEDED(object_.QueryInterface(IID_IWebBrowser2, browser_));
    if (!placed) {
        Destroy();
        return false;
    }
    SetRect(rect);
    return true;
}

HWND WebBrowserHost::Window() const {
    HWND window = nullptr;
    if (inPlace_ && SUCCEEDED(inPlace_->GetWindow(&window))) return window;
    return nullptr;
}

bool WebBrowserHost::Navigate(std::string_view url) {
    if (!browser_) return false;
    const std::wstring wide = WideFromUtf8(url);
    BSTR address = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (address == nullptr) return false;
    VARIANT empty;
    ::VariantInit(&empty);
    const HRESULT result = browser_->Navigate(address, &empty, &empty, &empty, &empty);
    ::SysFreeString(address);
    return SUCCEEDED(result);
}

void WebBrowserHost::SetRect(const RECT& rect) {
    if (site_ != nullptr) site_->SetRect(rect);
    if (inPlace_) inPlace_->SetObjectRects(&rect, &rect);
}

bool WebBrowserHost::TranslateAccelerator(MSG& message) {
    if (site_ == nullptr || site_->Active() == nullptr) return false;
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    const HWND window = Window();
    if (window == nullptr || (message.hwnd != window && !::IsChild(window, message.hwnd))) return false;
    return site_->Active()->TranslateAccelerator(&message) == S_OK;
}

void WebBrowserHost::Destroy() {
    browser_.reset();
    if (inPlace_) inPlace_->InPlaceDeactivate();
    inPlace_.reset();
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_.reset();
    }
    if (site_ != nullptr) {
        site_->Forget();
        std::exchange(site_, nullptr)->Release();
    }
}
