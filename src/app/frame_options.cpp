// The Options command: the dialog, given what applying its pages does to this program.
#include "app/frame_application.h"

#include "app/options_dialog.h"
#include "settings/autorun.h"

OptionsActions CFrameApplication::MakeOptionsActions() {
    OptionsActions actions;
    actions.writeAutorun = [](bool on) { return ApplyAutorunFromOptions(ProgramAutorunEntry(), on); };
    actions.registerHotKey = [this](int id, unsigned code, unsigned modifiers) {
        return RegisterShowHotKey(id, code, modifiers);
    };
    actions.applyLanguage = [this] { ApplyLanguage(false); };
    actions.showHelp = [this](const char* topic) {
        ::SendMessageA(hwnd(), WM_SHOW_HELP_TOPIC, reinterpret_cast<WPARAM>(topic), 0);
    };
    return actions;
}

void CFrameApplication::OnOptions() {
    CDialogOptSheet dialog(MakeOptionsActions());
    dialog.DoModal(hwnd());
}
