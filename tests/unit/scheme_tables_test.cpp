// The scheme tables given fixed system and theme colours: which table applies, what each element
// is painted with (colours worked out by hand), and that unknown elements are refused.
#include "ui/scheme_tables.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

// Readable failure messages: the operation, its colours and factors.
void PrintTo(const PaintStep& step, std::ostream* out) {
    *out << "{op " << static_cast<int>(step.op) << std::hex << ", color 0x" << step.color << ", second 0x"
         << step.second << std::dec << ", " << step.from << " -> " << step.to << "}";
}

namespace {

// A classic grey desktop with a navy highlight, and two distinct theme hints.
SchemeColors Desktop() {
    SchemeColors s;
    s.highlight = MakeColor(10, 36, 106);
    s.buttonFace = MakeColor(212, 208, 200);
    s.menu = MakeColor(255, 255, 254);
    s.themeHot = MakeColor(49, 106, 197);
    s.themeDefault = MakeColor(120, 160, 220);
    return s;
}

std::vector<PaintStep> Steps(int kind, SchemeTable table, const SchemeColors& colors = Desktop()) {
    const auto paint = PaintForElement(kind, table, colors);
    if (!paint) return {};
    return {paint->steps.begin(), paint->steps.begin() + paint->count};
}

PaintStep Fill(Color c) { return {PaintOp::Fill, c}; }
PaintStep Frame(Color c) { return {PaintOp::Frame, c}; }
PaintStep V(Color c, double from, double to) { return {PaintOp::VerticalGradient, c, from, to}; }
PaintStep Hz(Color c, double from, double to) { return {PaintOp::HorizontalGradient, c, from, to}; }
PaintStep Etched(Color a, Color b) { return {PaintOp::Etched, a, 0.0, 0.0, b}; }

using Recipe = std::vector<PaintStep>;

TEST(TableForScheme, WithoutThemesEverySchemeIsClassic) {
    for (int scheme : {0, 1, 2, 3, -1}) {
        EXPECT_EQ(TableForScheme(scheme, false), SchemeTable::Classic) << scheme;
    }
}

TEST(TableForScheme, WithThemesUnknownNumbersAreOriginal) {
    EXPECT_EQ(TableForScheme(kSchemeClassic, true), SchemeTable::Classic);
    EXPECT_EQ(TableForScheme(kSchemeModern, true), SchemeTable::Modern);
    EXPECT_EQ(TableForScheme(kSchemeOriginal, true), SchemeTable::Original);
    EXPECT_EQ(TableForScheme(7, true), SchemeTable::Original);
    EXPECT_EQ(TableForScheme(-1, true), SchemeTable::Original);
}

TEST(PaintForElement, EveryTableKnowsTheSameElementsAndNoOthers) {
    for (SchemeTable table : {SchemeTable::Classic, SchemeTable::Modern, SchemeTable::Original}) {
        for (int kind = -2; kind <= 13; ++kind) {
            const bool known = kind >= 0 && kind <= 11 && kind != 5;
            EXPECT_EQ(PaintForElement(kind, table, Desktop()).has_value(), known)
                << "kind " << kind << " table " << static_cast<int>(table);
        }
    }
}

TEST(ClassicTable, MenuElements) {
    const SchemeColors s = Desktop();
    EXPECT_EQ(Steps(element::kMenuBackground, SchemeTable::Classic), Recipe{Fill(s.menu)});
    EXPECT_EQ(Steps(element::kMenuHighlight, SchemeTable::Classic),
              (Recipe{V(s.highlight, 0.75, 0.99), Frame(s.highlight)}));
    // Lighten(highlight, 0.85): 10 + 208.25, 36 + 186.15, 106 + 126.65.
    EXPECT_EQ(Steps(element::kMenuCheckBox, SchemeTable::Classic),
              (Recipe{Fill(MakeColor(218, 222, 232)), Frame(s.highlight)}));
    // Lighten(highlight, 0.5): 10 + 122.5, 36 + 109.5, 106 + 74.5.
    EXPECT_EQ(Steps(element::kMenuCheckBoxSelected, SchemeTable::Classic),
              (Recipe{Fill(MakeColor(132, 145, 180)), Frame(s.highlight)}));
    EXPECT_EQ(Steps(element::kMenuIconColumn, SchemeTable::Classic), Recipe{Hz(s.buttonFace, 0.9, 0.0)});
    EXPECT_EQ(Steps(element::kMenuBarItem, SchemeTable::Classic), Recipe{Fill(s.buttonFace)});
    // Lighten(face, 0.16) = (218, 215, 208), then Darken(.., 0.18) = (178.76, 176.3, 170.56).
    EXPECT_EQ(Steps(element::kMenuSeparator, SchemeTable::Classic), Recipe{Fill(MakeColor(178, 176, 170))});
}

TEST(ClassicTable, ToolBarElements) {
    const SchemeColors s = Desktop();
    EXPECT_EQ(Steps(element::kToolBarBackground, SchemeTable::Classic), Recipe{V(s.buttonFace, -0.1, 0.7)});
    EXPECT_EQ(Steps(element::kToolBarHot, SchemeTable::Classic),
              (Recipe{V(s.highlight, 0.55, 0.999999), Frame(s.highlight)}));
    EXPECT_EQ(Steps(element::kToolBarPressed, SchemeTable::Classic),
              (Recipe{V(s.highlight, 0.35, 0.99), Frame(s.highlight)}));
    // Darken(face, 0.2) = (169.6, 166.4, 160); Lighten(face, 0.9) = (250.7, 250.3, 249.5).
    EXPECT_EQ(Steps(element::kToolBarSeparator, SchemeTable::Classic),
              Recipe{Etched(MakeColor(169, 166, 160), MakeColor(250, 250, 249))});
}

TEST(ClassicTable, IgnoresTheThemeColours) {
    SchemeColors other = Desktop();
    other.themeHot = 0x123456;
    other.themeDefault = 0x654321;
    for (int kind = 0; kind <= 11; ++kind) {
        EXPECT_EQ(Steps(kind, SchemeTable::Classic), Steps(kind, SchemeTable::Classic, other)) << kind;
    }
}

TEST(ModernTable, HighlightsUseTheHotThemeColourFramedByDarkHighlight) {
    const SchemeColors s = Desktop();
    // Darken(highlight, 0.4) = (6, 21.6, 63.6); Darken(highlight, 0.2) = (8, 28.8, 84.8).
    const Color dark40 = MakeColor(6, 21, 63);
    const Color dark20 = MakeColor(8, 28, 84);
    EXPECT_EQ(Steps(element::kMenuHighlight, SchemeTable::Modern),
              (Recipe{V(s.themeHot, 0.2, 0.9), Frame(dark40)}));
    EXPECT_EQ(Steps(element::kToolBarHot, SchemeTable::Modern), Steps(element::kMenuHighlight, SchemeTable::Modern));
    EXPECT_EQ(Steps(element::kMenuCheckBox, SchemeTable::Modern), (Recipe{V(s.themeHot, 0.5, 0.9), Frame(dark20)}));
    EXPECT_EQ(Steps(element::kMenuCheckBoxSelected, SchemeTable::Modern),
              (Recipe{V(s.themeHot, 0.0001, 0.6), Frame(dark20)}));
    EXPECT_EQ(Steps(element::kToolBarPressed, SchemeTable::Modern),
              (Recipe{V(s.themeHot, 0.0001, 0.8), Frame(dark40)}));
}

TEST(ModernTable, SurfacesUseTheDefaultThemeColour) {
    const SchemeColors s = Desktop();
    EXPECT_EQ(Steps(element::kMenuBackground, SchemeTable::Modern), Recipe{Fill(s.menu)});
    EXPECT_EQ(Steps(element::kMenuIconColumn, SchemeTable::Modern), Recipe{Hz(s.themeDefault, 0.7, -0.1)});
    // Lighten(themeDefault, 0.2): 120 + 27, 160 + 19, 220 + 7.
    EXPECT_EQ(Steps(element::kMenuBarItem, SchemeTable::Modern), Recipe{Fill(MakeColor(147, 179, 227))});
    EXPECT_EQ(Steps(element::kMenuSeparator, SchemeTable::Modern), Recipe{Fill(s.highlight)});
    EXPECT_EQ(Steps(element::kToolBarBackground, SchemeTable::Modern), Recipe{V(s.themeDefault, -0.1, 0.7)});
    // Lighten(highlight, 0.3) = (83.5, 101.7, 150.7); Lighten(highlight, 0.9) = (230.5, 233.1, 240.1).
    EXPECT_EQ(Steps(element::kToolBarSeparator, SchemeTable::Modern),
              Recipe{Etched(MakeColor(83, 101, 150), MakeColor(230, 233, 240))});
}

TEST(OriginalTable, PaintsInTheAccentWhateverTheSystemColours) {
    // Lighten(accent, 0.9) = (255, 229.5, 247.6); Darken(accent, 0.2) = (204, 0, 144.8);
    // Lighten(accent, 0.7) = (255, 178.5, 232.8).
    const Color pale = MakeColor(255, 229, 247);
    const Recipe highlight{Fill(kWhite), Frame(MakeColor(204, 0, 144))};
    EXPECT_EQ(Steps(element::kMenuBackground, SchemeTable::Original), Recipe{Fill(pale)});
    EXPECT_EQ(Steps(element::kMenuBarItem, SchemeTable::Original), Recipe{Fill(pale)});
    for (int kind : {1, 2, 3, 9, 10}) EXPECT_EQ(Steps(kind, SchemeTable::Original), highlight) << kind;
    EXPECT_EQ(Steps(element::kMenuIconColumn, SchemeTable::Original), Recipe{Hz(kAccentColor, 0.9, 0.7)});
    EXPECT_EQ(Steps(element::kMenuSeparator, SchemeTable::Original), Recipe{Fill(MakeColor(255, 178, 232))});
    EXPECT_EQ(Steps(element::kToolBarBackground, SchemeTable::Original), Recipe{V(kAccentColor, 0.7, 0.99)});
    EXPECT_EQ(Steps(element::kToolBarSeparator, SchemeTable::Original),
              Recipe{Etched(MakeColor(255, 178, 232), kWhite)});

    const SchemeColors black{};
    for (int kind = 0; kind <= 11; ++kind) {
        EXPECT_EQ(Steps(kind, SchemeTable::Original), Steps(kind, SchemeTable::Original, black)) << kind;
    }
}

TEST(SchemeBackgroundColor, FollowsTheTableInUse) {
    const SchemeColors s = Desktop();
    for (int scheme : {0, 1, 2}) EXPECT_EQ(SchemeBackgroundColor(scheme, false, s), s.buttonFace) << scheme;
    EXPECT_EQ(SchemeBackgroundColor(kSchemeClassic, true, s), s.buttonFace);
    EXPECT_EQ(SchemeBackgroundColor(kSchemeModern, true, s), MakeColor(147, 179, 227));
    EXPECT_EQ(SchemeBackgroundColor(kSchemeOriginal, true, s), MakeColor(255, 229, 247));
    EXPECT_EQ(SchemeBackgroundColor(9, true, s), MakeColor(255, 229, 247));
}

}  // namespace
