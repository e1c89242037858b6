// Start-up and shutdown of Kestrum.
#include "app/application.h"

#include <commctrl.h>

#include "settings/autorun.h"
#include "app/about_dialog.h"
#include "app/frame_application.h"
#include "app/instance_marker.h"
#include "app/intro_launch.h"
#include "app/note_dialog.h"
#include "app/password_prompt.h"
#include "app/set_password_dialog.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "language/language_keys.h"
#include "language/message_text.h"
#include "ui/help_topic.h"
#include "ui/window_utils.h"

CApplication::~CApplication() {
    SetMainWindow(nullptr);
    SetCurrentLanguage(nullptr);
}

bool CApplication::Start() {
    // The mutex comes first: the window marker appears only after the password and the watcher,
    // so two starts close together would both find no window and both record every opening.
    // The earlier copy is woken (or is still starting); this one touches nothing.
    if (!instance_.Acquire()) {
        WakeRunningCopy();
        return false;
    }

    help_.emplace();
    com_.emplace();
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                                          ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    // The settings live in the program's own branch (SettingsStore's default).
    const SettingsStore settings;
    ApplyAutorunAtStartup(ProgramAutorunEntry(), settings.ReadFlag(Setting::Autoload));

    language_.SetLanguage(UsableLanguageName(settings.ReadText(Setting::Lang)));
    SetCurrentLanguage(&language_);

    // Only OK goes on: Cancel, and a prompt that could not open, end the program.
    if (settings.ReadNumber(Setting::PassLaunch) != 0 && !AskPassword(nullptr)) return false;

    auto& frame = static_cast<CFrameApplication&>(SetMainWindow(std::make_unique<CFrameApplication>(model_)));
    documents_.emplace(frame, model_);
    if (!frame.CreateFrame()) return false;
    frame.SetPasswordPrompt(&AskPassword);
    frame.SetDocumentCommandRunner([this](unsigned command, const std::vector<std::string>& paths) {
        if (documents_) documents_->RunPopupCommand(command, paths);
    });
    SetInstanceMarker(frame.hwnd(), kInstanceMarker);

    // A minimised start keeps the window hidden, after the note about the tray icon.
    const bool startHidden = settings.ReadFlag(Setting::Minimized);
    if (startHidden) ShowTrayNote(frame.hwnd());
    RestoreWindowPlacement(frame.hwnd(), DefaultMainWindowRect(), WindowState::Normal, startHidden);
    if (!startHidden) ::SetFocus(frame.hwnd());

    StartQuickIntroIfWanted(frame.hwnd());
    return true;
}

int CApplication::Exit(int quitCode) {
    com_.reset();
    help_.reset();
    return quitCode;
}

const MessageMap& CApplication::Map() const {
    static constexpr CommandEntry kCommands[] = {
        route::Command<ID_SERVICE_PASSWORD, &CApplication::OnChangePassword>(),
        route::Command<ID_HELP_ABOUT, &CApplication::OnAbout>(),
        route::Command<ID_FILE_OPEN, &CApplication::OnOpen>(),
        route::Command<ID_FILE_EXPLORE, &CApplication::OnExplore>(),
        route::Command<ID_FILE_PRINT, &CApplication::OnPrint>(),
        route::Command<ID_FILE_DELETE, &CApplication::OnDelete>(),
        route::Command<ID_FILE_INFO, &CApplication::OnInfo>(),
        route::Command<ID_FILE_COPY, &CApplication::OnCopy>(),
        route::Command<ID_FILE_MOVE, &CApplication::OnMove>(),
        route::Command<ID_FILE_SAVE_LIST, &CApplication::OnSaveList>(),
        route::Command<ID_FILE_CLEAR_LIST, &CApplication::OnClearList>(),
        route::Command<ID_HELP_CONTENTS, &CApplication::OnHelpContents>(),
        route::Command<ID_HELP_WEB_SITE, &CApplication::OnWebSite>(),
        route::Command<ID_HELP_PRODUCTS, &CApplication::OnWebSite>(),
        route::Command<ID_MAKER_WEB_ADDRESS, &CApplication::OnWebSite>(),
    };
    static constexpr MessageMap kMap{.commands = kCommands};
    return kMap;
}

CFrameApplication* CApplication::Frame() const {
    return static_cast<CFrameApplication*>(MainWindow());
}

std::vector<std::string> CApplication::SelectedDocuments(bool includeMissing) const {
    std::vector<std::string> paths;
    if (CFrameApplication* frame = Frame()) frame->GetSelectedDocuments(paths, includeMissing);
    return paths;
}

HWND CApplication::DialogOwner() const {
    const CFrameWindow* frame = MainWindow();
    return frame != nullptr ? frame->hwnd() : nullptr;
}

void CApplication::OnChangePassword() {
    CDialogSetPassword dialog;
    dialog.DoModal(DialogOwner());
}

void CApplication::OnAbout() {
    CDialogAbout dialog;
    dialog.DoModal(DialogOwner());
}

// The handlers collect the selection again: a command may arrive after the rows changed, and
// one whose documents have all gone does nothing.
void CApplication::OnOpen() { documents_->Open(SelectedDocuments(false)); }
void CApplication::OnExplore() { documents_->Explore(SelectedDocuments(true)); }
void CApplication::OnPrint() { documents_->Print(SelectedDocuments(false)); }
void CApplication::OnDelete() { documents_->Delete(SelectedDocuments(false)); }
void CApplication::OnInfo() { documents_->Info(SelectedDocuments(false)); }
void CApplication::OnCopy() { documents_->CopyOrMove(SelectedDocuments(false), false); }
void CApplication::OnMove() { documents_->CopyOrMove(SelectedDocuments(false), true); }
void CApplication::OnSaveList() { documents_->SaveList(); }
void CApplication::OnClearList() { documents_->ClearList(); }

void CApplication::OnHelpContents() { SendHelpTopic("help.htm"); }

void CApplication::OnWebSite() {
    if (CFrameApplication* frame = Frame()) frame->OpenAddress(CurrentLanguage().MakerWebAddress());
}
