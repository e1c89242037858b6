// The main window's caption and status texts, help requests and tool bar resources.
#include "app/frame_texts.h"

#include <gtest/gtest.h>

namespace {

const StatusWords kEnglish{"Filter", "Type", "Date", "None", "Total", "Selected", "Help", "Checking"};

TEST(FrameTexts, CaptionNamesTheTypeOfTheSelectedTab) {
    EXPECT_EQ(CaptionText("Kestrum", "Text Document", false), "Kestrum - [Text Document]");
    EXPECT_EQ(CaptionText("Kestrum", "Text Document", true), "Kestrum");
    EXPECT_EQ(CaptionText("Kestrum", "", false), "Kestrum");
}

TEST(FrameTexts, FilterPaneNamesTheFiltersThatApply) {
    struct Case {
        bool date;
        bool typesAll;
        const char* text;
    };
    const Case cases[] = {
        {true, false, "Filter: Date, Type  "},
        {false, false, "Filter: Type  "},
        {true, true, "Filter: Date"},  // the comma goes with the type that follows no more
        {false, true, "Filter: None  "},
    };
    for (const Case& c : cases) EXPECT_EQ(FilterPaneText(kEnglish, c.date, c.typesAll), c.text) << c.text;
}

TEST(FrameTexts, TranslatedWordsAreUsedAsTheyCome) {
    const StatusWords words{"Filtre", "Type", "Date", "Aucun", "Total", "Choisis", "Aide", "Vérification"};
    EXPECT_EQ(FilterPaneText(words, false, true), "Filtre: Aucun  ");
    EXPECT_EQ(HelpPaneText(words), "Aide - F1");
    EXPECT_EQ(HelpPaneText(words, 1200), "Vérification: 1200  ") << "while documents are being checked";
}

TEST(FrameTexts, CountsEndInTwoBlanks) {
    EXPECT_EQ(CountPaneText("Total", 0), "Total: 0  ");
    EXPECT_EQ(CountPaneText("Selected", 12345), "Selected: 12345  ");
    EXPECT_EQ(HelpPaneText(kEnglish), "Help - F1");
}

TEST(FrameTexts, HelpOpensOnlyForADirectRequestOrTheKeyUpOfF1) {
    EXPECT_TRUE(HelpRequestOpensPage("help.htm", HelpRequestKind::Direct));
    EXPECT_TRUE(HelpRequestOpensPage("opt.htm", HelpRequestKind::F1KeyUp));
    EXPECT_FALSE(HelpRequestOpensPage("opt.htm", HelpRequestKind::F1KeyDown));
    EXPECT_FALSE(HelpRequestOpensPage("opt.htm", HelpRequestKind::OtherMessage));
    EXPECT_FALSE(HelpRequestOpensPage("", HelpRequestKind::Direct));
    EXPECT_EQ(HelpTopicAddress("https://kestrum.example.org", "trans.htm"), "https://kestrum.example.org/trans.htm");
}

TEST(FrameTexts, ToolBarResourcesOfEitherCompilerAreReadWithTheirSeparators) {
    // Microsoft's resource compiler: 16-bit fields after the version.
    const std::uint8_t microsoft[] = {1, 0, 16, 0, 16, 0, 3, 0, 0x01, 0xE1, 0, 0, 0x2F, 0x80};
    // GNU windres: 32-bit fields, no version.
    const std::uint8_t gnu[] = {24, 0, 0, 0, 24, 0, 0, 0, 3, 0, 0, 0, 0x01, 0xE1, 0, 0,
                                0,  0, 0, 0, 0x2F, 0x80, 0, 0};
    ToolBarResource resource;
    ASSERT_TRUE(ParseToolBarResource(microsoft, resource));
    EXPECT_EQ(resource.width, 16);
    EXPECT_EQ(resource.height, 16);
    EXPECT_EQ(resource.commands, (std::vector<unsigned>{57601, 0, 32815}));
    ASSERT_TRUE(ParseToolBarResource(gnu, resource));
    EXPECT_EQ(resource.width, 24);
    EXPECT_EQ(resource.height, 24);
    EXPECT_EQ(resource.commands, (std::vector<unsigned>{57601, 0, 32815}));
}

TEST(FrameTexts, CutShortToolBarResourcesGiveNothing) {
    ToolBarResource resource;
    const std::uint8_t microsoftCut[] = {1, 0, 16, 0, 16, 0, 2, 0, 0x01, 0xE1};
    EXPECT_FALSE(ParseToolBarResource(microsoftCut, resource));
    EXPECT_TRUE(resource.commands.empty());
    const std::uint8_t gnuCut[] = {16, 0, 0, 0, 16, 0, 0, 0, 2, 0, 0, 0, 0x01, 0xE1, 0, 0};
    EXPECT_FALSE(ParseToolBarResource(gnuCut, resource));
    const std::uint8_t hugeCount[] = {16, 0, 0, 0, 16, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_FALSE(ParseToolBarResource(hugeCount, resource));
    const std::uint8_t header[] = {1, 0, 16};
    EXPECT_FALSE(ParseToolBarResource(header, resource));
    EXPECT_FALSE(ParseToolBarResource({}, resource));
    const std::uint8_t empty[] = {1, 0, 24, 0, 24, 0, 0, 0};
    EXPECT_TRUE(ParseToolBarResource(empty, resource));
    EXPECT_TRUE(resource.commands.empty());
    EXPECT_EQ(resource.height, 24);
}

}  // namespace
