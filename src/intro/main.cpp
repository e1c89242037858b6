// Tourlet's entry point: the Quick Intro dialog, run modally; the program ends with it.
#include <windows.h>
#include <commctrl.h>

#include "framework/browser_host.h"
#include "intro/intro_dialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const OleInit ole;
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    CQuickIntroDialog dialog;
    dialog.DoModal(nullptr);
    return 0;
}
