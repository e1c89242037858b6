// Starting Tourlet.exe at Kestrum's start-up.
#include "app/intro_launch.h"

#include <shellapi.h>

#include <string>
#include <string_view>

#include "framework/program_path.h"
#include "settings/settings_store.h"
#include "text/path_split.h"

namespace {

// The intro program lives beside Kestrum.
std::string QuickIntroPath(std::string_view programPath) {
    return std::string(programPath.substr(0, BaseNameOffset(programPath))) + "Tourlet.exe";
}

}  // namespace

void StartQuickIntroIfWanted(HWND owner) {
    if (!SettingsStore().ReadFlag(Setting::ShowIntro)) return;
    const std::string program = ProgramPath();
    if (program.empty()) return;
    const std::string intro = QuickIntroPath(program);
    // Checked first, and started without the shell's error boxes, so a missing intro stays silent.
    if (::GetFileAttributesA(intro.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    SHELLEXECUTEINFOA run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_FLAG_NO_UI;
    run.hwnd = owner;
    run.lpVerb = "open";
    run.lpFile = intro.c_str();
    run.nShow = SW_SHOWNORMAL;
    ::ShellExecuteExA(&run);
}
