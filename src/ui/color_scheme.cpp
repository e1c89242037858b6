// ColorScheme: gathers the colours a table needs, then carries out its paint steps with GDI.
#include "ui/color_scheme.h"

#include "ui/gdi_paint.h"

SchemeColors ColorScheme::ColorsFor(SchemeTable table) const {
    SchemeColors colors;
    colors.highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    colors.buttonFace = ::GetSysColor(COLOR_BTNFACE);
    colors.menu = ::GetSysColor(COLOR_MENU);
    // Reading a theme colour opens theme data; only the Modern table uses them.
    if (table == SchemeTable::Modern) {
        colors.themeHot = ThemeColour(0);
        colors.themeDefault = ThemeColour(1);
    }
    return colors;
}

COLORREF ColorScheme::SchemeBackground(int scheme) const {
    const bool themed = IsThemed();
    return SchemeBackgroundColor(scheme, themed, ColorsFor(TableForScheme(scheme, themed)));
}

bool ColorScheme::DrawElement(HDC dc, const RECT* rect, int kind, int scheme) const {
    if (dc == nullptr || rect == nullptr) return false;
    const SchemeTable table = TableForScheme(scheme, IsThemed());
    const auto paint = PaintForElement(kind, table, ColorsFor(table));
    if (!paint) return false;
    for (int i = 0; i < paint->count; ++i) {
        const PaintStep& step = paint->steps[static_cast<std::size_t>(i)];
        switch (step.op) {
            case PaintOp::Fill: FillSolid(dc, *rect, step.color); break;
            case PaintOp::VerticalGradient:
                VerticalGradient(dc, rect, step.color, step.from, step.to);
                break;
            case PaintOp::HorizontalGradient:
                HorizontalGradient(dc, rect, step.color, step.from, step.to);
                break;
            case PaintOp::Frame: FrameSolid(dc, *rect, step.color); break;
            case PaintOp::Etched: FrameEtched(dc, *rect, step.color, step.second); break;
        }
    }
    return true;
}
