// OwnerDrawMenu: converts a menu tree to owner-drawn items carrying a record each (the text, the
// icon, the sub-menu object), then measures and paints those items on request. One tree shares
// its fonts, brushes, check mark, icons and painter; the scheme is shared by every tree.
#include "ui/owner_draw_menu.h"

#include <unordered_map>
#include <unordered_set>

#include "framework/display_dpi.h"
#include "framework/proc_address.h"
#include "framework/selected_object.h"
#include "ui/offscreen_canvas.h"

namespace {

constexpr int kSystemCheckBitmap = 32760;  // OBM_CHECK
constexpr int kMaxItemText = 256;
constexpr LONG kBoldWeight = 700;

int g_currentScheme = 0;

std::unordered_map<HMENU, OwnerDrawMenu*>& MenuRegistry() {
    static std::unordered_map<HMENU, OwnerDrawMenu*> menus;
    return menus;
}

// Item data is only trusted when it is one of our live records: other code may own-draw too.
std::unordered_set<const void*>& LiveRecords() {
    static std::unordered_set<const void*> records;
    return records;
}

HFONT MenuFont(bool bold) {
    LOGFONTA font{};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    if (bold) font.lfWeight = kBoldWeight;
    return ::CreateFontIndirectA(&font);
}

}  // namespace

struct OwnerDrawMenu::ItemRecord {
    std::string text;
    MenuItemKind kind = MenuItemKind::Command;
    OwnerDrawMenu* subMenu = nullptr;
    int image = 0;  // 0: none; n: icon n - 1 of the tree's icon set
    bool topLevel = false;
    const OwnerDrawMenu* owner = nullptr;  // the popup whose columns the item uses
};

struct OwnerDrawMenu::Shared {
    using SetMenuInfoFn = BOOL(WINAPI*)(HMENU, LPCMENUINFO);

    Shared()
        : normalFont(MenuFont(false)),
          boldFont(MenuFont(true)),
          greyText(Darken(Lighten(::GetSysColor(COLOR_BTNFACE), 0.16), 0.18)),
          menuText(::GetSysColor(COLOR_MENUTEXT)),
          greyBrush(::CreateSolidBrush(Darken(Lighten(::GetSysColor(COLOR_BTNFACE), 0.16), 0.25))),
          user32(::LoadLibraryA("user32.dll")),
          setMenuInfo(ProcAddress<SetMenuInfoFn>(user32.get(), "SetMenuInfo")) {}

    ColorScheme painter;
    UniqueFont normalFont;
    UniqueFont boldFont;
    COLORREF greyText;
    COLORREF menuText;  // both the selected and the normal text colour
    UniqueBrush greyBrush;
    UniqueBrush backgroundBrush;
    UniqueModule user32;
    SetMenuInfoFn setMenuInfo;
    MenuMetrics metrics = MenuMetricsAt(SystemDpi());
    UniqueImageList checkImages;
    int checkWidth = 0;
    int checkHeight = 0;
    std::unique_ptr<IconSet> icons;
};

OwnerDrawMenu::OwnerDrawMenu() : shared_(std::make_shared<Shared>()) {}

OwnerDrawMenu::OwnerDrawMenu(HMENU menu, OwnerDrawMenu* root)
    : menu_(menu), enabled_(true), root_(root), shared_(root->shared_) {
    Register();
}

OwnerDrawMenu::~OwnerDrawMenu() {
    if (root_ == nullptr || root_ == this) {
        Disable();
    } else {
        ReleaseItems();
        Unregister();
    }
}

void OwnerDrawMenu::Attach(HMENU menu) {
    Disable();
    menu_ = menu;
    ownsMenu_ = true;
    Register();
}

bool OwnerDrawMenu::Load(int id) {
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (menu == nullptr) return false;
    Attach(menu);
    return true;
}

void OwnerDrawMenu::Register() {
    if (menu_ != nullptr) MenuRegistry()[menu_] = this;
}

void OwnerDrawMenu::Unregister() {
    const auto found = MenuRegistry().find(menu_);
    if (found != MenuRegistry().end() && found->second == this) MenuRegistry().erase(found);
}

OwnerDrawMenu* OwnerDrawMenu::FromHandle(HMENU menu) {
    const auto found = MenuRegistry().find(menu);
    return found == MenuRegistry().end() ? nullptr : found->second;
}

int OwnerDrawMenu::CurrentScheme() { return g_currentScheme; }

bool OwnerDrawMenu::Enable() {
    if (enabled_ || !::IsMenu(menu_) || shared_->checkImages) return enabled_;

    UniqueBitmap check(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(kSystemCheckBitmap)));
    BITMAP size{};
    if (!check || ::GetObjectA(check.get(), sizeof(size), &size) == 0) return false;
    UniqueImageList images(::ImageList_Create(size.bmWidth, size.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0));
    if (!images) return false;
    ::ImageList_AddMasked(images.get(), check.get(), RGB(255, 255, 255));
    if (::ImageList_GetImageCount(images.get()) != 1) return false;
    ::ImageList_SetBkColor(images.get(), CLR_NONE);
    shared_->checkImages = std::move(images);
    shared_->checkWidth = size.bmWidth;
    shared_->checkHeight = size.bmHeight;

    shared_->icons = std::make_unique<IconSet>();
    shared_->icons->SetSize(shared_->metrics.iconSize);

    root_ = this;
    enabled_ = Convert(menu_, true);
    SetScheme(0);
    return enabled_;
}

bool OwnerDrawMenu::SetDpi(int dpi) {
    if (enabled_) return false;
    shared_->metrics = MenuMetricsAt(dpi);
    return true;
}

bool OwnerDrawMenu::Convert(HMENU menu, bool topLevel) {
    const int count = ::GetMenuItemCount(menu);
    if (count < 0) return false;
    bool converted = true;
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) {
            converted = false;
            continue;
        }
        char text[kMaxItemText + 1] = {};
        ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);

        auto record = std::make_unique<ItemRecord>();
        record->text = text;
        record->topLevel = topLevel;
        record->owner = this;
        if (info.hSubMenu != nullptr) {
            std::unique_ptr<OwnerDrawMenu> sub(new OwnerDrawMenu(info.hSubMenu, root_));
            sub->MeasureWidths();
            converted = sub->Convert(info.hSubMenu, false) && converted;
            record->kind = MenuItemKind::SubMenu;
            record->subMenu = sub.get();
            subMenus_.push_back(std::move(sub));
        } else {
            const bool separator = (info.fType & MFT_SEPARATOR) != 0 || info.wID == 0;
            record->kind = separator ? MenuItemKind::Separator : MenuItemKind::Command;
        }

        MENUITEMINFOA update{};
        update.cbSize = sizeof(update);
        update.fMask = MIIM_FTYPE | MIIM_DATA;
        update.fType = info.fType | MFT_OWNERDRAW;
        update.dwItemData = reinterpret_cast<ULONG_PTR>(record.get());
        if (!::SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &update)) converted = false;
        LiveRecords().insert(record.get());
        records_.push_back(std::move(record));
    }
    return converted;
}

void OwnerDrawMenu::MeasureWidths() {
    std::vector<MenuPopupItem> items;
    const int count = ::GetMenuItemCount(menu_);
    for (int position = 0; position < count; ++position) {
        char text[kMaxItemText + 1] = {};
        ::GetMenuStringA(menu_, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
        const UINT state = ::GetMenuState(menu_, static_cast<UINT>(position), MF_BYPOSITION);
        items.push_back({text, (state & MFS_DEFAULT) != 0});
    }
    HDC screen = ::GetDC(nullptr);
    const auto measure = [this, screen](std::string_view text, bool bold) {
        const SelectedObject font(screen, bold ? shared_->boldFont.get() : shared_->normalFont.get());
        SIZE extent{};
        ::GetTextExtentPoint32A(screen, text.data(), static_cast<int>(text.size()), &extent);
        return static_cast<int>(extent.cx);
    };
    widths_ = MeasurePopupWidths(items, measure, shared_->metrics);
    ::ReleaseDC(nullptr, screen);
}

bool OwnerDrawMenu::AddImage(int command, int iconId) {
    if (!enabled_ || root_ == nullptr) return false;
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    // Looked up by command, which searches the sub-menus too.
    if (!::GetMenuItemInfoA(root_->menu_, static_cast<UINT>(command), FALSE, &info)) return false;
    if ((info.fType & MFT_OWNERDRAW) == 0) return false;
    auto* record = const_cast<ItemRecord*>(RecordOf(info.dwItemData));
    if (record == nullptr || !shared_->icons || !shared_->icons->Add(iconId)) return false;
    record->image = static_cast<int>(shared_->icons->Count());
    return true;
}

bool OwnerDrawMenu::SetScheme(int scheme) {
    if (!enabled_ || shared_->setMenuInfo == nullptr) return false;
    g_currentScheme = scheme;
    UniqueBrush brush(::CreateSolidBrush(shared_->painter.SchemeBackground(scheme)));
    MENUINFO info{};
    info.cbSize = sizeof(info);
    // The sub-menus too: their frames would otherwise keep the system's menu colour around
    // the painted items.
    info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
    info.hbrBack = brush.get();
    const bool applied = shared_->setMenuInfo(menu_, &info) != FALSE;
    // The old brush may still be in the menus' hands until they take the new one.
    if (applied) shared_->backgroundBrush = std::move(brush);
    return applied;
}

void OwnerDrawMenu::ReleaseItems() {
    const int count = ::IsMenu(menu_) ? ::GetMenuItemCount(menu_) : 0;
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA;
        if (::GetMenuItemInfoA(menu_, static_cast<UINT>(position), TRUE, &info) && RecordOf(info.dwItemData)) {
            info.dwItemData = 0;
            ::SetMenuItemInfoA(menu_, static_cast<UINT>(position), TRUE, &info);
        }
    }
    for (const auto& record : records_) LiveRecords().erase(record.get());
    records_.clear();
    subMenus_.clear();  // each releases its own items
}

void OwnerDrawMenu::Disable() {
    if (root_ != nullptr && root_ != this) return;  // sub-menu objects go with their root
    enabled_ = false;
    ReleaseItems();
    shared_->checkImages.reset();
    shared_->icons.reset();
    root_ = nullptr;
    Unregister();
    if (ownsMenu_ && ::IsMenu(menu_)) ::DestroyMenu(menu_);
    menu_ = nullptr;
    ownsMenu_ = false;
}

const OwnerDrawMenu::ItemRecord* OwnerDrawMenu::RecordOf(ULONG_PTR data) const {
    const auto* record = reinterpret_cast<const ItemRecord*>(data);
    return record != nullptr && LiveRecords().count(record) != 0 ? record : nullptr;
}

bool OwnerDrawMenu::MeasureItem(MEASUREITEMSTRUCT* request) const {
    if (request == nullptr || request->CtlType != ODT_MENU) return false;
    const ItemRecord* record = RecordOf(request->itemData);
    if (record == nullptr) return false;
    int plainWidth = 0;
    if (record->kind == MenuItemKind::SubMenu || record->topLevel) {
        const std::string plain = StripMnemonicMarkers(record->text);
        HDC screen = ::GetDC(nullptr);
        {
            const SelectedObject font(screen, shared_->normalFont.get());
            SIZE extent{};
            ::GetTextExtentPoint32A(screen, plain.data(), static_cast<int>(plain.size()), &extent);
            plainWidth = extent.cx;
        }
        ::ReleaseDC(nullptr, screen);
    }
    const MenuItemSize size =
        MeasureMenuItem(record->kind, plainWidth, record->owner->widths_, record->topLevel, shared_->metrics);
    if (record->kind != MenuItemKind::Separator) request->itemWidth = static_cast<UINT>(size.width);
    request->itemHeight = static_cast<UINT>(size.height);
    return true;
}

bool OwnerDrawMenu::DrawItem(const DRAWITEMSTRUCT* request) const {
    if (request == nullptr || request->CtlType != ODT_MENU || request->hDC == nullptr) return false;
    const ItemRecord* record = RecordOf(request->itemData);
    if (record == nullptr) return false;
    const int width = request->rcItem.right - request->rcItem.left;
    const int height = request->rcItem.bottom - request->rcItem.top;
    const OffscreenCanvas canvas(request->hDC, width, height);
    if (!canvas) return false;
    PaintItem(canvas.Dc(), *record, request->itemState, width, height);
    return canvas.CopyTo(request->hDC, request->rcItem.left, request->rcItem.top);
}

void OwnerDrawMenu::PaintItem(HDC dc, const ItemRecord& record, UINT state, int width, int height) const {
    const ColorScheme& painter = shared_->painter;
    const int scheme = g_currentScheme;
    const RECT all{0, 0, width, height};
    const MenuMetrics& metrics = shared_->metrics;
    const RECT column{0, 0, metrics.iconColumnWidth, height};
    const RECT plain{metrics.iconColumnWidth, 0, width, height};
    if (record.kind == MenuItemKind::Separator) {
        painter.DrawElement(dc, &column, element::kMenuIconColumn, scheme);
        painter.DrawElement(dc, &plain, element::kMenuBackground, scheme);
        const int lineTop = (metrics.separatorHeight - 1) / 2;
        const RECT line{metrics.popupTextLeft, lineTop, width, lineTop + 1};
        painter.DrawElement(dc, &line, element::kMenuSeparator, scheme);
        return;
    }
    const bool greyed = (state & (ODS_GRAYED | ODS_DISABLED)) != 0;
    switch (MenuBackgroundOf((state & ODS_SELECTED) != 0, greyed, (state & ODS_HOTLIGHT) != 0, record.topLevel)) {
        case MenuBackground::Highlight: painter.DrawElement(dc, &all, element::kMenuHighlight, scheme); break;
        case MenuBackground::MenuBar: painter.DrawElement(dc, &all, element::kMenuBarItem, scheme); break;
        case MenuBackground::IconColumnAndPlain:
            painter.DrawElement(dc, &column, element::kMenuIconColumn, scheme);
            painter.DrawElement(dc, &plain, element::kMenuBackground, scheme);
            break;
    }
    PaintText(dc, record, state, width, height);
    if (record.kind == MenuItemKind::SubMenu) return;
    if ((state & ODS_CHECKED) != 0) {
        PaintCheckMark(dc, state, height);  // the check box takes the icon's place
    } else if (record.image > 0 && shared_->icons) {
        shared_->icons->Draw(dc, record.image - 1, !greyed, metrics.iconLeft, metrics.iconTop,
                             painter.SchemeBackground(scheme));
    }
}

void OwnerDrawMenu::PaintText(HDC dc, const ItemRecord& record, UINT state, int width, int height) const {
    if (record.text.empty()) return;
    const bool greyed = (state & (ODS_GRAYED | ODS_DISABLED)) != 0;
    ::SetTextColor(dc, greyed ? shared_->greyText : shared_->menuText);
    ::SetBkMode(dc, TRANSPARENT);
    const SelectedObject font(dc, (state & ODS_DEFAULT) != 0 ? shared_->boldFont.get() : shared_->normalFont.get());
    // Underlines stay hidden until the keyboard is used, as in the system's own menus.
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | ((state & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0);
    const MenuTextParts parts = SplitMenuText(record.text);
    const MenuTextBoxes boxes =
        LayoutMenuText(record.topLevel, parts.hasTab, record.owner->widths_, width, height, shared_->metrics);
    RECT label{boxes.label.left, boxes.label.top, boxes.label.right, boxes.label.bottom};
    ::DrawTextA(dc, parts.label.data(), static_cast<int>(parts.label.size()), &label, format);
    if (parts.hasTab) {
        RECT accelerator{boxes.accelerator.left, boxes.accelerator.top, boxes.accelerator.right,
                         boxes.accelerator.bottom};
        ::DrawTextA(dc, parts.accelerator.data(), static_cast<int>(parts.accelerator.size()), &accelerator,
                    format);
    }
}

void OwnerDrawMenu::PaintCheckMark(HDC dc, UINT state, int height) const {
    const MenuRect box = MenuCheckBox(height, shared_->metrics);
    const RECT rect{box.left, box.top, box.right, box.bottom};
    const bool selected = (state & ODS_SELECTED) != 0;
    shared_->painter.DrawElement(dc, &rect, selected ? element::kMenuCheckBoxSelected : element::kMenuCheckBox,
                                 g_currentScheme);
    if (!shared_->checkImages) return;
    const MenuPoint origin = MenuCheckImageOrigin(shared_->checkWidth, shared_->checkHeight, box);
    if ((state & (ODS_GRAYED | ODS_DISABLED)) != 0) {
        UniqueIcon icon(::ImageList_GetIcon(shared_->checkImages.get(), 0, ILD_NORMAL));
        if (!icon) return;
        ::DrawStateA(dc, shared_->greyBrush.get(), nullptr, reinterpret_cast<LPARAM>(icon.get()), 0, origin.x,
                     origin.y, 0, 0, DST_ICON | DSS_MONO);
    } else {
        ::ImageList_Draw(shared_->checkImages.get(), 0, dc, origin.x, origin.y, ILD_TRANSPARENT);
    }
}

bool OwnerDrawMenu::MeasureAnyItem(MEASUREITEMSTRUCT* request) {
    if (request == nullptr || request->CtlType != ODT_MENU) return false;
    const auto* record = reinterpret_cast<const ItemRecord*>(request->itemData);
    if (record == nullptr || LiveRecords().count(record) == 0) return false;
    return record->owner->MeasureItem(request);
}

bool OwnerDrawMenu::DrawAnyItem(const DRAWITEMSTRUCT* request) {
    if (request == nullptr || request->CtlType != ODT_MENU) return false;
    const OwnerDrawMenu* menu = FromHandle(reinterpret_cast<HMENU>(request->hwndItem));
    return menu != nullptr && menu->DrawItem(request);
}

LRESULT OwnerDrawMenu::MenuChar(HMENU menu, char key) {
    const OwnerDrawMenu* owner = FromHandle(menu);
    if (owner == nullptr) return 0;
    std::vector<std::string> texts;
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
        const ItemRecord* record = owner->RecordOf(info.dwItemData);
        texts.emplace_back(record != nullptr ? SplitMenuText(record->text).label : std::string_view{});
    }
    const MnemonicMatch match = FindMnemonic(texts, key);
    if (match.index < 0) return 0;
    return MAKELRESULT(match.index, match.unique ? MNC_EXECUTE : MNC_SELECT);
}
