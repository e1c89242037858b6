// Copy and move runs on real files, and the copy/move dialog driven as a user drives it: every
// file's content is read back afterwards, so that a run that loses or truncates one fails.
#include <windows.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "framework/window_text.h"
#include "language/message_text.h"
#include "panes/copy_move_dialog.h"
#include "panes/copy_move_plan.h"
#include "panes/system_document_files.h"
#include "resource.h"
#include "settings/registry_list.h"
#include "settings/settings_store.h"
#include "thread_window_driver.h"
#include "wine_test_support.h"

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

constexpr char kBranch[] = "Software\\Quillon Works\\Kestrum";

// Every file below `root` by its path relative to it, with "\" separators, and its content.
std::map<std::string, std::string> FilesBelow(const std::string& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(root))) {
        if (!entry.is_regular_file()) continue;
        std::string relative = fs::relative(entry.path(), fs::path(root)).string();
        for (char& c : relative) c = c == '/' ? '\\' : c;
        files[relative] = ReadFile(entry.path().string());
    }
    return files;
}

// in\a.txt, in\b.txt, other\a.txt (a second document named a.txt), out\b.txt and the folder
// in\sub, in the scratch folder.
void Populate(const std::string& root) {
    WriteFile(root + "in\\a.txt", "a");
    WriteFile(root + "in\\b.txt", "b");
    WriteFile(root + "other\\a.txt", "other a");
    WriteFile(root + "out\\b.txt", "old b");
    ::CreateDirectoryA((root + "in\\sub").c_str(), nullptr);
}

const std::map<std::string, std::string> kUntouched = {
    {"in\\a.txt", "a"}, {"in\\b.txt", "b"}, {"other\\a.txt", "other a"}, {"out\\b.txt", "old b"}};

std::map<std::string, std::string> With(std::map<std::string, std::string> changes, std::vector<std::string> gone = {}) {
    auto files = kUntouched;
    for (const auto& path : gone) files.erase(path);
    for (auto& [path, content] : changes) files[path] = content;
    return files;
}

TEST(SystemCopyMove, RealFilesAreNeverLostOrTruncated) {
    struct Case {
        const char* name;
        std::vector<std::string> sources;  // relative to the scratch folder
        const char* folder;                // relative to the scratch folder
        TransferMode mode;
        bool overwrite;
        std::size_t done;
        std::map<std::string, std::string> after;
    };
    const Case cases[] = {
        {"copy, overwrite off", {"in\\a.txt", "in\\b.txt"}, "out", TransferMode::Copy, false, 1,
         With({{"out\\a.txt", "a"}})},
        {"copy, overwrite on", {"in\\a.txt", "in\\b.txt"}, "out\\", TransferMode::Copy, true, 2,
         With({{"out\\a.txt", "a"}, {"out\\b.txt", "b"}})},
        {"move, overwrite on", {"in\\a.txt", "in\\b.txt"}, "out/", TransferMode::Move, true, 2,
         With({{"out\\a.txt", "a"}, {"out\\b.txt", "b"}}, {"in\\a.txt", "in\\b.txt"})},
        {"copy onto itself", {"in\\a.txt"}, "IN/", TransferMode::Copy, true, 0, kUntouched},
        {"move onto itself", {"in\\a.txt"}, "in\\\\", TransferMode::Move, true, 0, kUntouched},
        {"two sources of one name", {"in\\a.txt", "other\\a.txt"}, "out", TransferMode::Copy, true, 1,
         With({{"out\\a.txt", "a"}})},
        {"folder source", {"in\\sub", "in\\a.txt"}, "out", TransferMode::Copy, true, 0, kUntouched},
    };
    for (const Case& c : cases) {
        const ScratchFolder scratch("kestrum-copymove");
        Populate(scratch.Path());
        std::vector<std::string> sources;
        for (const auto& source : c.sources) sources.push_back(scratch.Path() + source);
        SystemDocumentFiles files;
        const TransferOutcome outcome = TransferDocuments(sources, scratch.Path() + c.folder, c.mode, c.overwrite, files);
        EXPECT_EQ(outcome.done, c.done) << c.name;
        EXPECT_EQ(outcome.succeeded, c.done == c.sources.size()) << c.name;
        EXPECT_EQ(FilesBelow(scratch.Path()), c.after) << c.name;
    }
}

TEST(SystemCopyMove, TheIdentityOfAFileSeesThroughASecondName) {
    const ScratchFolder scratch("kestrum-copymove");
    Populate(scratch.Path());
    const std::string original = scratch.Path() + "in\\a.txt";
    const std::string link = scratch.Path() + "links\\a.txt";
    ::CreateDirectoryA((scratch.Path() + "links").c_str(), nullptr);
    ASSERT_TRUE(::CreateHardLinkA(link.c_str(), original.c_str(), nullptr));
    SystemDocumentFiles files;
    EXPECT_TRUE(files.SameFile(link, original));
    EXPECT_FALSE(files.SameFile(original, scratch.Path() + "other\\a.txt"));
    EXPECT_FALSE(files.SameFile(original, scratch.Path() + "in\\missing.txt"));

    for (const TransferMode mode : {TransferMode::Copy, TransferMode::Move}) {
        EXPECT_FALSE(TransferDocuments({link}, scratch.Path() + "in", mode, true, files).succeeded);
        EXPECT_EQ(ReadFile(original), "a");
        EXPECT_EQ(ReadFile(link), "a");
    }
}

TEST(SystemCopyMove, MovesReachAnotherDrive) {
    const ScratchFolder scratch("kestrum-copymove");
    Populate(scratch.Path());
    // The scratch folder lies on C:, the host's own folders on Z:.
    std::random_device seed;
    const std::string other = "Z:\\tmp\\kestrum-copymove-" + std::to_string(seed()) + "\\";
    ASSERT_TRUE(::CreateDirectoryA(other.c_str(), nullptr));
    SystemDocumentFiles files;
    const TransferOutcome outcome =
        TransferDocuments({scratch.Path() + "in\\a.txt"}, other, TransferMode::Move, false, files);
    const std::string moved = ReadFile(other + "a.txt");
    std::error_code ignored;
    fs::remove_all(fs::path(other), ignored);
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(moved, "a");
    EXPECT_EQ(FilesBelow(scratch.Path()), With({}, {"in\\a.txt"}));
}

class CopyMoveDialogTest : public testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
        SettingsStore::ForgetHeldValues();
        Populate(scratch.Path());
    }
    void TearDown() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
        SettingsStore::ForgetHeldValues();
    }

    HWND FolderEdit(const CDialogCopyMove& dialog) const {
        return ::FindWindowExA(dialog.Item(IDC_COPY_MOVE_FOLDER), nullptr, "Edit", nullptr);
    }
    // Replaces the folder text key by key, as typing does.
    void Type(const CDialogCopyMove& dialog, const std::string& text) const {
        const HWND edit = FolderEdit(dialog);
        ::SendMessageA(edit, EM_SETSEL, 0, -1);
        ::SendMessageA(edit, WM_CHAR, VK_BACK, 0);
        for (const char c : text) ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
    }
    bool OkEnabled(const CDialogCopyMove& dialog) const { return ::IsWindowEnabled(dialog.Item(IDOK)) != FALSE; }
    static std::string OkAndAnswer(const CDialogCopyMove& dialog) {
        auto answer = std::async(std::launch::async, &AnswerMessageBox);
        ::SendMessageA(dialog.Item(IDOK), BM_CLICK, 0, 0);
        return answer.get();
    }

    ScratchFolder scratch{"kestrum-copymove"};
};

TEST_F(CopyMoveDialogTest, OkRunsTheDocumentsIntoTheTypedFolderAndReportsTheOutcome) {
    struct Case {
        TransferMode mode;
        bool overwrite;
        unsigned caption;
        unsigned message;
        std::map<std::string, std::string> after;
    };
    const Case cases[] = {
        {TransferMode::Copy, false, 1830, 1850, With({{"out\\a.txt", "a"}})},
        {TransferMode::Move, false, 1820, 1840, With({{"out\\a.txt", "a"}}, {"in\\a.txt"})},
        {TransferMode::Move, true, 1820, 1860, With({{"out\\a.txt", "a"}, {"out\\b.txt", "b"}}, {"in\\a.txt", "in\\b.txt"})},
    };
    for (const Case& c : cases) {
        const ScratchFolder run("kestrum-copymove-dialog");
        Populate(run.Path());
        CDialogCopyMove dialog;
        ASSERT_TRUE(dialog.SetSources({run.Path() + "in\\a.txt", run.Path() + "in\\b.txt"}, c.mode));
        ASSERT_TRUE(dialog.Create(nullptr));
        EXPECT_EQ(WindowText(dialog.hwnd()), MessageText(c.caption));
        EXPECT_FALSE(OkEnabled(dialog));
        Type(dialog, "  " + run.Path() + "out\\  ");
        EXPECT_TRUE(OkEnabled(dialog));
        // The box starts as the last OK left it.
        if (dialog.IsChecked(IDC_COPY_MOVE_OVERWRITE) != c.overwrite) {
            ::SendMessageA(dialog.Item(IDC_COPY_MOVE_OVERWRITE), BM_CLICK, 0, 0);
        }

        EXPECT_EQ(OkAndAnswer(dialog), MessageText(c.message));
        EXPECT_EQ(dialog.Result(), IDOK);
        EXPECT_EQ(dialog.TargetFolder(), run.Path() + "out\\");
        EXPECT_EQ(FilesBelow(run.Path()), c.after);
        EXPECT_EQ(SettingsStore().ReadNumber(Setting::FileOverwrite), c.overwrite ? 1u : 0u);
    }
}

TEST_F(CopyMoveDialogTest, OkIsGreyedWhileTheFolderTextIsBlank) {
    const RegistryKey branch = SettingsStore().OpenBranch();
    ASSERT_TRUE(WriteList(branch.get(), "MoveCopyFolders", {"  D:\\kept  ", "E:\\older"}));
    SettingsStore().WriteNumber(Setting::FileOverwrite, 1);
    CDialogCopyMove dialog;
    ASSERT_TRUE(dialog.SetSources({scratch.Path() + "in\\a.txt"}, TransferMode::Copy));
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_TRUE(dialog.IsChecked(IDC_COPY_MOVE_OVERWRITE));

    struct Step {
        const char* typed;
        bool enabled;
    };
    for (const Step& step : {Step{"x", true}, Step{"   ", false}, Step{"\t ", false}, Step{" D:\\y ", true}, Step{"", false}}) {
        Type(dialog, step.typed);
        EXPECT_EQ(OkEnabled(dialog), step.enabled) << '"' << step.typed << '"';
    }
    // Enter reaches OK even while it is greyed: nothing runs and the dialog stays.
    ::SendMessageA(dialog.hwnd(), WM_COMMAND, IDOK, 0);
    EXPECT_NE(dialog.hwnd(), nullptr);

    // Choosing a remembered folder takes its text as chosen, before the edit field shows it.
    const HWND combo = dialog.Item(IDC_COPY_MOVE_FOLDER);
    ::SendMessageA(combo, CB_SETCURSEL, 1, 0);
    ::SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_COPY_MOVE_FOLDER, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_TRUE(OkEnabled(dialog));
    EXPECT_EQ(dialog.TargetFolder(), "E:\\older");
}

TEST_F(CopyMoveDialogTest, TheFolderBrowserStartsAtTheTypedFolderAndCancelKeepsIt) {
    // Typed in another spelling, so that a folder picked in the browser shows in its own.
    const std::string typed = scratch.Path() + "OUT\\";
    for (const bool pick : {false, true}) {
        CDialogCopyMove dialog;
        ASSERT_TRUE(dialog.SetSources({scratch.Path() + "in\\a.txt"}, TransferMode::Copy));
        ASSERT_TRUE(dialog.Create(nullptr));
        Type(dialog, typed);
        const HWND combo = dialog.Item(IDC_COPY_MOVE_FOLDER);
        const auto remembered = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
        ThreadWindowDriver driver("#32770", [&](HWND browser) {
            ::PostMessageA(browser, WM_COMMAND, pick ? IDOK : IDCANCEL, 0);
        });
        ::SendMessageA(dialog.Item(IDC_COPY_MOVE_BROWSE), BM_CLICK, 0, 0);
        ASSERT_TRUE(driver.Ran());
        const std::string expected = pick ? scratch.Path() + "out" : typed;
        EXPECT_EQ(dialog.TargetFolder(), expected) << pick;
        EXPECT_EQ(WindowText(combo), expected) << pick;
        EXPECT_TRUE(OkEnabled(dialog));
        // A picked folder joins the list (the first round left the typed text remembered there).
        EXPECT_EQ(::SendMessageA(combo, CB_GETCOUNT, 0, 0), remembered + (pick ? 1 : 0));
    }
}

TEST_F(CopyMoveDialogTest, SourcesAreRefusedWhenEmptyOrOnceTheWindowExists) {
    CDialogCopyMove dialog;
    EXPECT_FALSE(dialog.SetSources({}, TransferMode::Copy));
    // Without sources the dialog ends at once.
    EXPECT_FALSE(dialog.Create(nullptr));
    EXPECT_EQ(dialog.Result(), IDCANCEL);

    ASSERT_TRUE(dialog.SetSources({scratch.Path() + "in\\a.txt"}, TransferMode::Move));
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_FALSE(dialog.SetSources({scratch.Path() + "in\\b.txt"}, TransferMode::Copy));
    EXPECT_EQ(WindowText(dialog.hwnd()), MessageText(1820));
    ::SendMessageA(dialog.Item(IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.Result(), IDCANCEL);
    EXPECT_EQ(FilesBelow(scratch.Path()), kUntouched);
}

}  // namespace
