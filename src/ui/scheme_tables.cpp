// The Classic, Modern and Original tables. Each row is the recipe for one surface element; the
// factors were chosen so that highlights read as soft gradients framed by the base colour.
#include "ui/scheme_tables.h"

namespace {

PaintStep Fill(Color c) { return {PaintOp::Fill, c}; }
PaintStep Vertical(Color c, double from, double to) { return {PaintOp::VerticalGradient, c, from, to}; }
PaintStep Horizontal(Color c, double from, double to) {
    return {PaintOp::HorizontalGradient, c, from, to};
}
PaintStep Frame(Color c) { return {PaintOp::Frame, c}; }
PaintStep Etched(Color topLeft, Color bottomRight) {
    return {PaintOp::Etched, topLeft, 0.0, 0.0, bottomRight};
}

ElementPaint Paint(PaintStep first) { return {{first, PaintStep{}}, 1}; }
ElementPaint Paint(PaintStep first, PaintStep second) { return {{first, second}, 2}; }

std::optional<ElementPaint> Classic(int kind, const SchemeColors& s) {
    const Color h = s.highlight;
    const Color f = s.buttonFace;
    switch (kind) {
        case element::kMenuBackground: return Paint(Fill(s.menu));
        case element::kMenuHighlight: return Paint(Vertical(h, 0.75, 0.99), Frame(h));
        case element::kMenuCheckBox: return Paint(Fill(Lighten(h, 0.85)), Frame(h));
        case element::kMenuCheckBoxSelected: return Paint(Fill(Lighten(h, 0.5)), Frame(h));
        case element::kMenuIconColumn: return Paint(Horizontal(f, 0.9, 0.0));
        case element::kMenuBarItem: return Paint(Fill(f));
        case element::kMenuSeparator: return Paint(Fill(Darken(Lighten(f, 0.16), 0.18)));
        case element::kToolBarBackground: return Paint(Vertical(f, -0.1, 0.7));
        case element::kToolBarHot: return Paint(Vertical(h, 0.55, 0.999999), Frame(h));
        case element::kToolBarPressed: return Paint(Vertical(h, 0.35, 0.99), Frame(h));
        case element::kToolBarSeparator: return Paint(Etched(Darken(f, 0.2), Lighten(f, 0.9)));
        default: return std::nullopt;
    }
}

std::optional<ElementPaint> Modern(int kind, const SchemeColors& s) {
    const Color h = s.highlight;
    const Color t0 = s.themeHot;
    const Color t1 = s.themeDefault;
    switch (kind) {
        case element::kMenuBackground: return Paint(Fill(s.menu));
        case element::kMenuHighlight:
        case element::kToolBarHot: return Paint(Vertical(t0, 0.2, 0.9), Frame(Darken(h, 0.4)));
        case element::kMenuCheckBox: return Paint(Vertical(t0, 0.5, 0.9), Frame(Darken(h, 0.2)));
        case element::kMenuCheckBoxSelected:
            return Paint(Vertical(t0, 0.0001, 0.6), Frame(Darken(h, 0.2)));
        case element::kMenuIconColumn: return Paint(Horizontal(t1, 0.7, -0.1));
        case element::kMenuBarItem: return Paint(Fill(Lighten(t1, 0.2)));
        case element::kMenuSeparator: return Paint(Fill(h));
        case element::kToolBarBackground: return Paint(Vertical(t1, -0.1, 0.7));
        case element::kToolBarPressed: return Paint(Vertical(t0, 0.0001, 0.8), Frame(Darken(h, 0.4)));
        case element::kToolBarSeparator: return Paint(Etched(Lighten(h, 0.3), Lighten(h, 0.9)));
        default: return std::nullopt;
    }
}

std::optional<ElementPaint> Original(int kind) {
    const Color a = kAccentColor;
    switch (kind) {
        case element::kMenuBackground:
        case element::kMenuBarItem: return Paint(Fill(Lighten(a, 0.9)));
        case element::kMenuHighlight:
        case element::kMenuCheckBox:
        case element::kMenuCheckBoxSelected:
        case element::kToolBarHot:
        case element::kToolBarPressed: return Paint(Fill(kPaperColor), Frame(Darken(a, 0.2)));
        case element::kMenuIconColumn: return Paint(Horizontal(a, 0.9, 0.7));
        case element::kMenuSeparator: return Paint(Fill(Lighten(a, 0.7)));
        case element::kToolBarBackground: return Paint(Vertical(a, 0.7, 0.99));
        case element::kToolBarSeparator: return Paint(Etched(Lighten(a, 0.7), kPaperColor));
        default: return std::nullopt;
    }
}

}  // namespace

SchemeTable TableForScheme(int scheme, bool themed) {
    if (!themed || scheme == kSchemeClassic) return SchemeTable::Classic;
    return scheme == kSchemeModern ? SchemeTable::Modern : SchemeTable::Original;
}

std::optional<ElementPaint> PaintForElement(int kind, SchemeTable table, const SchemeColors& colors) {
    switch (table) {
        case SchemeTable::Classic: return Classic(kind, colors);
        case SchemeTable::Modern: return Modern(kind, colors);
        case SchemeTable::Original: return Original(kind);
    }
    return std::nullopt;
}

Color SchemeBackgroundColor(int scheme, bool themed, const SchemeColors& colors) {
    switch (TableForScheme(scheme, themed)) {
        case SchemeTable::Classic: return colors.buttonFace;
        case SchemeTable::Modern: return Lighten(colors.themeDefault, 0.2);
        case SchemeTable::Original: return Lighten(kAccentColor, 0.9);
    }
    return colors.buttonFace;
}
