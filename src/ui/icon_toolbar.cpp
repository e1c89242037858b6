// IconToolBar: answers the tool bar's custom-draw requests by painting each surface off-screen
// and copying it in one transfer; keeps the button table to rebuild buttons when the icon size
// or the labels change.
#include "ui/icon_toolbar.h"

#include <algorithm>

#include "framework/display_dpi.h"
#include "framework/wide_text.h"
#include "ui/grey_pattern.h"
#include "ui/offscreen_canvas.h"
#include "ui/toolbar_rules.h"

namespace {

constexpr DWORD kToolBarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_TOP | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS;
constexpr int kIndent = 4;
constexpr COLORREF kStripMask = RGB(255, 0, 255);

PixelRect ToPixels(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }

bool IsSeparator(const ToolBarButton& button) { return button.command == 0; }

// The states of the buttons now in the bar, by position, so that a rebuild keeps them.
std::vector<BYTE> TakeButtonsOut(HWND toolbar) {
    std::vector<BYTE> states;
    const auto count = static_cast<int>(::SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        TBBUTTON button{};
        ::SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
        states.push_back(button.fsState);
    }
    for (int index = count - 1; index >= 0; --index) ::SendMessageA(toolbar, TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
    return states;
}

}  // namespace

IconToolBar::~IconToolBar() {
    // The control does not own its image list: take it away before the list goes.
    if (IsAlive()) ::SendMessageA(hwnd(), TB_SETIMAGELIST, 0, 0);
}

const MessageMap& IconToolBar::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<Reflected(WM_NOTIFY), &IconToolBar::OnReflectedNotify>(),
        route::Message<WM_ERASEBKGND, &IconToolBar::OnEraseBackground>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages};
    return kMap;
}

bool IconToolBar::Create(HWND parent, UINT controlId, std::span<const ToolBarButton> buttons, DWORD extraStyle) {
    if (!::IsWindow(parent) || hwnd() != nullptr) return false;
    const HWND toolbar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "", kToolBarStyle | extraStyle, 0, 0, 0, 0, parent,
                                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)),
                                           ::GetModuleHandleA(nullptr), nullptr);
    if (toolbar == nullptr) return false;
    if (!Subclass(toolbar)) {
        ::DestroyWindow(toolbar);
        return false;
    }
    ::SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    designPadding_ = static_cast<DWORD>(::SendMessageA(toolbar, TB_GETPADDING, 0, 0));
    ::SendMessageA(toolbar, TB_SETINDENT, ScaleForWindow(toolbar, kIndent), 0);
    buttons_.assign(buttons.begin(), buttons.end());
    return RebuildButtons();
}

bool IconToolBar::RebuildButtons() { return AddButtons(TakeButtonsOut(hwnd())); }

bool IconToolBar::AddButtons(const std::vector<BYTE>& states) {
    const HWND toolbar = hwnd();
    // Back to the smallest buttons the icons allow: a control that once measured a label keeps
    // its buttons that high otherwise. The control pads by fixed pixels whatever the DPI (and
    // takes no padding wider than an edge): the margin around the icon is given as part of the
    // button size instead, scaled like the icon.
    const int dpi = DpiOfWindow(toolbar);
    const int size = std::max(IconSize(), 1);
    ::SendMessageA(toolbar, TB_SETBUTTONSIZE, 0,
                   MAKELPARAM(size + ScaleToDpi(LOWORD(designPadding_), dpi), size + ScaleToDpi(HIWORD(designPadding_), dpi)));
    std::vector<TBBUTTON> added;
    // The control copies the label texts; they only have to live through the call.
    std::vector<std::string> labels(buttons_.size());
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        const ToolBarButton& entry = buttons_[index];
        TBBUTTON button{};
        button.idCommand = static_cast<int>(entry.command);
        button.dwData = index;
        button.iString = -1;
        if (IsSeparator(entry)) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = entry.image >= 0 ? entry.image : I_IMAGENONE;
            button.fsStyle = static_cast<BYTE>(entry.check ? BTNS_CHECK : BTNS_BUTTON);
            button.fsState = index < states.size() ? states[index] : static_cast<BYTE>(TBSTATE_ENABLED);
            if (labelsShown_ && !entry.label.empty()) {
                labels[index] = entry.label;
                button.iString = reinterpret_cast<INT_PTR>(labels[index].c_str());
            }
        }
        added.push_back(button);
    }
    const bool ok = added.empty() || ::SendMessageA(toolbar, TB_ADDBUTTONSA, added.size(), reinterpret_cast<LPARAM>(added.data())) != 0;
    AutoSize();
    ::InvalidateRect(toolbar, nullptr, TRUE);
    return ok;
}

bool IconToolBar::SetIconSize(int size, int stripBitmapId) {
    if (size <= 0 || !IsAlive()) return false;
    IconSet fresh;
    fresh.SetSize(size);
    std::vector<int> loaded;
    for (const int id : iconIds_) {
        if (fresh.Add(id)) loaded.push_back(id);
    }
    icons_ = std::move(fresh);
    iconIds_ = std::move(loaded);

    // The control measures its buttons by its image list: give it one of the icon size.
    const std::vector<BYTE> states = TakeButtonsOut(hwnd());
    const bool imagesMade = MakeSizingImages(size, stripBitmapId);
    ::SendMessageA(hwnd(), TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
    ::SendMessageA(hwnd(), TB_SETINDENT, ScaleForWindow(hwnd(), kIndent), 0);
    return AddButtons(states) && imagesMade;
}

bool IconToolBar::MakeSizingImages(int size, int stripBitmapId) {
    int pictures = 1;
    for (const ToolBarButton& button : buttons_) pictures = std::max(pictures, button.image + 1);

    UniqueImageList list;
    stripPictures_ = 0;
    if (stripBitmapId != 0) {
        list.reset(::ImageList_LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(stripBitmapId), size, 0, kStripMask,
                                          IMAGE_BITMAP, LR_CREATEDIBSECTION));
        int width = 0;
        int height = 0;
        // A strip of another height would stretch every picture: leave it out.
        if (list && ::ImageList_GetIconSize(list.get(), &width, &height) && height == size) {
            stripPictures_ = ::ImageList_GetImageCount(list.get());
        } else {
            list.reset();
        }
    }
    if (!list) list.reset(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, pictures, 0));
    if (!list) return false;
    if (::ImageList_GetImageCount(list.get()) < pictures) ::ImageList_SetImageCount(list.get(), static_cast<UINT>(pictures));
    if (IsAlive()) ::SendMessageA(hwnd(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list.get()));
    images_ = std::move(list);
    return true;
}

bool IconToolBar::AddIcon(int iconId) {
    if (icons_.Size() <= 0 || !icons_.Add(iconId)) return false;
    iconIds_.push_back(iconId);
    if (IsAlive()) ::InvalidateRect(hwnd(), nullptr, TRUE);
    return true;
}

void IconToolBar::SetScheme(int scheme) {
    scheme_ = scheme;
    if (IsAlive()) ::InvalidateRect(hwnd(), nullptr, TRUE);
}

bool IconToolBar::ShowLabels(bool on) {
    if (!IsAlive()) return false;
    labelsShown_ = on;
    return RebuildButtons();
}

const ToolBarButton* IconToolBar::Find(unsigned command) const {
    if (command == 0) return nullptr;
    const auto found = std::find_if(buttons_.begin(), buttons_.end(), [&](const ToolBarButton& b) { return b.command == command; });
    return found == buttons_.end() ? nullptr : &*found;
}

bool IconToolBar::SetTip(unsigned command, const std::string& text) {
    auto* button = const_cast<ToolBarButton*>(Find(command));
    if (button == nullptr) return false;
    button->tip = text;
    return true;
}

std::string IconToolBar::TipOf(unsigned command) const {
    const ToolBarButton* button = Find(command);
    return button == nullptr ? std::string() : button->tip;
}

void IconToolBar::AutoSize() {
    if (IsAlive()) ::SendMessageA(hwnd(), TB_AUTOSIZE, 0, 0);
}

LRESULT IconToolBar::OnEraseBackground(const EraseArgs&) {
    // The custom draw's first stage paints the whole background.
    return TRUE;
}

LRESULT IconToolBar::OnReflectedNotify(const ReflectedNotifyArgs& args) {
    switch (args.header.code) {
        case NM_CUSTOMDRAW: return OnCustomDraw(reinterpret_cast<NMTBCUSTOMDRAW&>(args.header));
        case TBN_GETINFOTIPA:
        case TBN_GETINFOTIPW: return OnInfoTip(args.header);
        default: return 0;
    }
}

LRESULT IconToolBar::OnCustomDraw(NMTBCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            PaintBackground(draw.nmcd.hdc);
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT: {
            const auto index = static_cast<std::size_t>(draw.nmcd.lItemlParam);
            if (index >= buttons_.size()) return CDRF_DODEFAULT;
            PaintButton(draw.nmcd.hdc, draw.nmcd.rc, buttons_[index], draw.nmcd.uItemState);
            return CDRF_SKIPDEFAULT;
        }
        default: return CDRF_DODEFAULT;
    }
}

LRESULT IconToolBar::OnInfoTip(NMHDR& header) {
    if (header.code == TBN_GETINFOTIPA) {
        auto& request = reinterpret_cast<NMTBGETINFOTIPA&>(header);
        const std::string tip = TipOf(static_cast<unsigned>(request.iItem));
        if (!tip.empty() && request.pszText != nullptr && request.cchTextMax > 0) {
            ::lstrcpynA(request.pszText, tip.c_str(), request.cchTextMax);
        }
        return 0;
    }
    auto& request = reinterpret_cast<NMTBGETINFOTIPW&>(header);
    const std::wstring tip = WideFromUtf8(TipOf(static_cast<unsigned>(request.iItem)));
    if (!tip.empty() && request.pszText != nullptr && request.cchTextMax > 0) {
        ::lstrcpynW(request.pszText, tip.c_str(), request.cchTextMax);
    }
    return 0;
}

void IconToolBar::PaintBackground(HDC target) const {
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    OffscreenCanvas canvas(target, client.right, client.bottom);
    if (!canvas) return;
    colors_.DrawElement(canvas.Dc(), &client, element::kToolBarBackground, scheme_);
    const auto count = static_cast<int>(::SendMessageA(hwnd(), TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        TBBUTTON button{};
        ::SendMessageA(hwnd(), TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
        if ((button.fsStyle & BTNS_SEP) == 0 || (button.fsState & TBSTATE_HIDDEN) != 0) continue;
        RECT rect{};
        ::SendMessageA(hwnd(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        PaintSeparator(canvas.Dc(), rect);
    }
    canvas.CopyTo(target, 0, 0);
}

void IconToolBar::PaintSeparator(HDC dc, const RECT& rect) const {
    const RECT mark = ToRect(SeparatorMark(ToPixels(rect)));
    colors_.DrawElement(dc, &mark, element::kToolBarSeparator, scheme_);
}

void IconToolBar::PaintButton(HDC target, const RECT& rect, const ToolBarButton& button, UINT itemState) const {
    OffscreenCanvas canvas(target, rect.right - rect.left, rect.bottom - rect.top);
    if (!canvas) return;
    const HDC dc = canvas.Dc();
    const RECT local{0, 0, canvas.Width(), canvas.Height()};
    // The button's base is its slice of the bar's own gradient: a gradient of the button's
    // height would end in a darker row than the bar shows beside it and mark every button.
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    const RECT base{0, client.top - rect.top, canvas.Width(), client.bottom - rect.top};
    colors_.DrawElement(dc, &base, element::kToolBarBackground, scheme_);
    if (IsSeparator(button)) {
        PaintSeparator(dc, local);
        canvas.CopyTo(target, rect.left, rect.top);
        return;
    }

    ToolBarButtonState state;
    state.pressed = (itemState & CDIS_SELECTED) != 0;
    state.hot = (itemState & CDIS_HOT) != 0;
    state.checked = (itemState & CDIS_CHECKED) != 0;
    state.disabled = (itemState & (CDIS_DISABLED | CDIS_GRAYED | CDIS_INDETERMINATE)) != 0;
    const ToolBarButtonLook look = LookOfButton(state);
    if (look.overlay >= 0) {
        const RECT highlight = ToRect(ButtonHighlightRect(ToPixels(local)));
        colors_.DrawElement(dc, &highlight, look.overlay, scheme_);
    }

    const bool withLabel = labelsShown_ && !button.label.empty();
    const ToolBarButtonLayout layout = LayoutToolBarButton(ToPixels(local), IconSize(), withLabel);
    PaintIcon(dc, button.image, look.iconEnabled, layout.icon.x, layout.icon.y);
    if (withLabel) PaintLabel(dc, ToRect(layout.label), button.label, look.iconEnabled);
    canvas.CopyTo(target, rect.left, rect.top);
}

void IconToolBar::PaintIcon(HDC dc, int image, bool enabled, int x, int y) const {
    if (image < 0) return;
    const COLORREF grey = colors_.SchemeBackground(scheme_);
    if (icons_.Draw(dc, image, enabled, x, y, grey)) return;
    // No icon of our own for this button: its picture from the strip, greyed the same way.
    if (image >= stripPictures_) return;
    ::ImageList_Draw(images_.get(), image, dc, x, y, ILD_TRANSPARENT);
    if (enabled) return;
    const int size = IconSize();
    for (int column = 0; column < size; ++column) {
        for (int row = 0; row < size; ++row) {
            if (GreyPatternCovers(size, column, row)) ::SetPixelV(dc, x + column, y + row, grey);
        }
    }
}

void IconToolBar::PaintLabel(HDC dc, const RECT& rect, const std::string& label, bool enabled) const {
    const auto font = reinterpret_cast<HFONT>(::SendMessageA(hwnd(), WM_GETFONT, 0, 0));
    const HGDIOBJ previousFont = font != nullptr ? ::SelectObject(dc, font) : nullptr;
    const int previousMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = ::SetTextColor(dc, ::GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    RECT box = rect;
    ::DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &box,
                DT_CENTER | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SetTextColor(dc, previousColor);
    ::SetBkMode(dc, previousMode);
    if (previousFont != nullptr) ::SelectObject(dc, previousFont);
}
