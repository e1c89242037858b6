// A real main window in the test process: its history beside the test program, the settings
// branch cleared before and after, a language folder and a documents folder of its own.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "app/frame_application.h"
#include "framework/com_ptr.h"
#include "framework/program_path.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "registry_test_support.h"
#include "settings/settings_store.h"
#include "tracking/system_document_list_model.h"
#include "wine_test_support.h"

namespace testsupport {

// One history line of `path`, opened at noon of `day`.
inline std::string Line(int32_t day, const std::string& path) {
    return std::to_string(day) + ".500000 " + path + "\r\n";
}

class FrameFixture : public testing::Test {
protected:
    void SetUp() override {
        DeleteSettingsBranch();
        language_.SetProgramFolder(languages_.Path());
        today_ = TodayDayNumber();
    }
    void TearDown() override {
        frame_.reset();
        DeleteSettingsBranch();
        ::DeleteFileA(HistoryPath().c_str());
    }

    // The files pane puts the history beside the running program: the test's own.
    static std::string HistoryPath() {
        const std::string path = ProgramPath();
        return path.substr(0, path.size() - 3) + "dat";
    }
    std::string Doc(const std::string& name, size_t bytes = 1) {
        const std::string path = documents_.Path() + name;
        WriteFile(path, std::string(bytes, 'x'));
        return path;
    }
    // Creates the frame, not shown, on `history`, and lets it learn its rows' statuses.
    void Open(const std::string& history) {
        WriteFile(HistoryPath(), history);
        frame_ = std::make_unique<CFrameApplication>(model_);
        ASSERT_TRUE(frame_->CreateFrame());
        // A shown list asks for the statuses of the rows it draws; this one is never drawn.
        for (size_t row = 0; row < model_.RowCount(); ++row) model_.RowStatusKnown(row);
        SettleStatuses();
    }
    // Lets the status worker answer every question the view raised, as the running program does
    // between messages. False when answers are still outstanding after 10 s.
    bool SettleStatuses() {
        const bool settled = WaitUntil(
            [&] {
                frame_->AskForStatuses();
                return model_.StatusesOutstanding() == 0;
            },
            std::chrono::seconds(10));
        EXPECT_TRUE(settled) << "file statuses still outstanding";
        return settled;
    }
    void Store(Setting setting, std::uint32_t value) { SettingsStore().WriteNumber(setting, value); }
    std::uint32_t Stored(Setting setting) { return SettingsStore().ReadNumber(setting); }
    HWND Window() { return frame_->hwnd(); }

    ComInit com_;
    ScratchFolder languages_{"kestrum-frame-lang"};
    ScratchFolder documents_{"kestrum-frame-docs"};
    UiLanguage language_;
    CurrentLanguageScope languageScope_{language_};
    DocumentListModel model_ = MakeSystemDocumentListModel();
    std::unique_ptr<CFrameApplication> frame_;
    int32_t today_ = 0;
};

}  // namespace testsupport
