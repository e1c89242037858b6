// Screenshots of the recent-documents popup and the three Options pages in one colour scheme,
// for looking at them (tools/gallery/tray_shots.sh).
//   tray_shots.exe SCHEME OUTPUT_PREFIX      (BMP files OUTPUT_PREFIX-popup.bmp, -general.bmp...)
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/frame_application.h"
#include "app/options_dialog.h"
#include "framework/com_ptr.h"
#include "framework/message_filters.h"
#include "framework/program_path.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "screenshot.h"
#include "settings/settings_store.h"
#include "text/ole_date.h"
#include "tracking/system_document_list_model.h"
#include "tracking/history_line.h"

namespace {

void Pump(int milliseconds) {
    const DWORD end = ::GetTickCount() + static_cast<DWORD>(milliseconds);
    while (::GetTickCount() < end) {
        PumpPendingMessages();
        ::Sleep(10);
    }
}

bool Shoot(HWND window, const std::string& path) {
    RECT area{};
    ::GetWindowRect(window, &area);
    const bool saved = SaveScreenArea(area, path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", path.c_str());
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tray_shots SCHEME OUTPUT_PREFIX\n");
        return 2;
    }
    const int scheme = std::atoi(argv[1]);
    const std::string prefix = argv[2];
    ComInit com;
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
    UiLanguage language;
    CurrentLanguageScope scope(language);
    const SettingsStore settings;
    settings.WriteNumber(Setting::ViewInterfaceColors, static_cast<std::uint32_t>(scheme));
    settings.WriteNumber(Setting::TipDays, 3);

    // A few documents opened over the last days.
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "kestrum-shots\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const int32_t today = DayNumberFromDate({now.wYear, now.wMonth, now.wDay});
    const std::string program = ProgramPath();
    std::ofstream history(program.substr(0, program.size() - 3) + "dat", std::ios::binary | std::ios::trunc);
    const char* names[] = {"Quarterly report.docx", "Budget 2026.xlsx", "Minutes.txt", "Site plan.pdf",
                           "Holiday photos.zip", "Letter to the council.docx", "Notes.txt"};
    int i = 0;
    for (const char* name : names) {
        const std::string path = folder + name;
        std::ofstream(path) << "x";
        history << FormatHistoryLine(today - 3 + (i++ * 3) / 7 + 0.5, path);
    }
    history.close();

    DocumentListModel model = MakeSystemDocumentListModel();
    CFrameApplication frame(model);
    if (!frame.CreateFrame()) return 1;
    ::SetCursorPos(10, 10);
    if (!frame.ShowRecentPopup()) return 1;
    Pump(800);
    Shoot(frame.Popup()->hwnd(), prefix + "-popup.bmp");
    frame.HideRecentPopup();

    CDialogOptSheet options(frame.MakeOptionsActions());
    if (!options.Create(frame.hwnd())) return 1;
    ::ShowWindow(options.hwnd(), SW_SHOW);
    const char* pages[] = {"general", "hotkeys", "language"};
    for (int page = 0; page < 3; ++page) {
        options.Sheet().SetActivePage(page);
        Pump(600);
        Shoot(options.hwnd(), prefix + "-options-" + pages[page] + ".bmp");
    }
    return 0;
}
