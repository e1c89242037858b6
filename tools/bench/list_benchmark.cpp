// Measures the document list at scale: builds histories of ten years with 20,000 distinct
// documents, then times each stage of a refresh through the real model, pane and list, each
// beside one plain read of the same file in the same pass, and prints the peak memory. Not a
// test: it prints figures and fails only when it cannot run.
//
//   list_benchmark [LINES...]      default 10000 100000 1000000
//   list_benchmark --plain-read    reads the history once; the exit code is the time in µs + 2
#include <windows.h>
#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "framework/com_ptr.h"
#include "framework/program_path.h"
#include "framework/win_handles.h"
#include "framework/window.h"
#include "panes/files_pane.h"
#include "panes/popup_window.h"
#include "tracking/document_list_model.h"
#include "tracking/system_document_list_model.h"
#include "tracking/history_line.h"
#include "text/ole_date.h"
#include "tracking/recent_watcher.h"

namespace {

constexpr int kDocuments = 20000;
constexpr int kExistingDocuments = 1000;
const char* const kExtensions[] = {"docx", "xlsx", "pdf", "txt", "pptx", "jpg", "png", "zip", "cpp", "h",
                                   "md", "csv", "html", "odt", "ods", "mp3", "mp4", "eml", "rtf", "xml"};

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// A frame stand-in with the main window's refresh operations.
class BenchFrame : public CWindow, public FilesPaneHost {
public:
    explicit BenchFrame(DocumentListModel& model) : model_(model), pane_(model, *this) {}
    DocumentImages& Images() { return pane_.Images(); }
    bool Open() {
        RegisterWindowClass({.name = "KestrumListBenchmark"});
        if (!Create({.className = "KestrumListBenchmark", .title = "benchmark", .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                     .width = 1000, .height = 700})) {
            return false;
        }
        return pane_.CreatePane(hwnd());
    }
    bool RebuildView() override {
        if (!pane_.BuildTabs(filter)) return false;
        pane_.ShowTabs();
        return FillList(SettingsStore().ReadNumber(Setting::ViewTypesAll) ? -1 : tab);
    }
    bool FillList(int which) override {
        const bool filled = pane_.Fill(filter, which, false);
        pane_.ListControl()->ShowRows();
        pane_.ListControl()->SortByStoredKey();
        if (model_.RowCount() > 0) pane_.ListControl()->Select(0);
        pane_.ShowOrHideTabStrip();
        return filled;
    }
    // As the main window does: the view carried on over the appended lines when it can.
    void OnHistoryAppended() override {
        const int which = SettingsStore().ReadNumber(Setting::ViewTypesAll) ? -1 : tab;
        if (!pane_.ExtendTabs(filter) || !pane_.ExtendRows(filter, which)) RebuildView();
    }
    // Paints what the stage left to paint, as the message loop would next.
    void Paint() {
        ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    }
    CDialogFiles& Pane() { return pane_; }

    DateFilter filter = DateFilter::All();
    int tab = -1;

protected:
    const MessageMap& Map() const override {
        static constexpr MessageMap kMap{};
        return kMap;
    }

private:
    DocumentListModel& model_;
    CDialogFiles pane_;
};

std::string HistoryPath() {
    const std::string program = ProgramPath();
    return program.substr(0, program.size() - 3) + "dat";
}

std::string DocumentPath(const std::string& root, int document) {
    return root + "Project " + std::to_string(document / 200) + "\\Documents\\report " + std::to_string(document) +
           "." + kExtensions[document % std::size(kExtensions)];
}

void WriteHistory(const std::string& root, int lines, int32_t today) {
    std::ofstream out(HistoryPath(), std::ios::binary | std::ios::trunc);
    std::string block;
    for (int i = 0; i < lines; ++i) {
        // Ten years, oldest first; documents recur in a scattered order.
        const int32_t day = today - 3650 + static_cast<int32_t>(static_cast<int64_t>(i) * 3650 / lines);
        const int document = static_cast<int>((static_cast<int64_t>(i) * 7919) % kDocuments);
        block += FormatHistoryLine(day + 0.5, DocumentPath(root, document));
        if (block.size() > (1 << 20)) {
            out << block;
            block.clear();
        }
    }
    out << block;
}

// The peak working set: Wine's private-bytes counters do not follow the heap.
double PeakMiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

void TouchHistory() {
    const UniqueKernelHandle file(::CreateFileA(HistoryPath().c_str(), FILE_WRITE_ATTRIBUTES,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    SYSTEMTIME now;
    ::GetSystemTime(&now);
    FILETIME stamp;
    ::SystemTimeToFileTime(&now, &stamp);
    if (!file || !::SetFileTime(file.get(), nullptr, nullptr, &stamp)) {
        std::fprintf(stderr, "cannot touch the history\n");
        std::exit(1);
    }
}

// One plain read of the whole history into memory, the measure of every figure. It runs in a
// process of its own, so that its buffer does not count in the benchmark's peak memory.
int PlainRead() {
    const UniqueKernelHandle file(::CreateFileA(HistoryPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size)) return 1;
    // The buffer is in memory before the clock starts: under Wine, first touches of fresh pages
    // cost more than the read itself, and the figure is to be the cost of reading alone.
    std::string text(static_cast<size_t>(size.QuadPart), '\0');
    const auto started = Clock::now();
    for (size_t done = 0; done < text.size();) {
        DWORD read = 0;
        const auto want = static_cast<DWORD>(std::min<size_t>(text.size() - done, size_t{1} << 30));
        if (!::ReadFile(file.get(), text.data() + done, want, &read, nullptr) || read == 0) return 1;
        done += read;
    }
    // The time goes back as the exit code, in microseconds.
    return static_cast<int>(std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started).count()) + 2;
}

double PlainReadMs() {
    const std::string command = "\"" + ProgramPath() + "\" --plain-read";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = command;
    DWORD code = 0;
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) code = 1;
    const UniqueKernelHandle child(process.hProcess);
    const UniqueKernelHandle thread(process.hThread);
    if (child) {
        ::WaitForSingleObject(child.get(), INFINITE);
        ::GetExitCodeProcess(child.get(), &code);
    }
    if (code < 2) {
        std::fprintf(stderr, "cannot read the history\n");
        std::exit(1);
    }
    return static_cast<double>(code - 2) / 1000.0;
}

struct Figures {
    double plainRead = 0, first = 0, reread = 0, rebuild = 0, noDuplicates = 0, append = 0, filter = 0, tab = 0, sort = 0, popup = 0, popupAgain = 0;
};

// One pass over every stage with a new model and window, as the program does at its start.
Figures Measure(const std::string& root, int32_t today) {
    const SettingsStore settings;
    // Before the window: the pane starts reading the history as it is made, as in the program,
    // and the read would overlap the plain one.
    const double plainRead = PlainReadMs();
    DocumentListModel model = MakeSystemDocumentListModel();
    BenchFrame frame(model);
    if (!frame.Open()) {
        std::fprintf(stderr, "cannot open the benchmark window\n");
        std::exit(1);
    }
    Figures figures;
    auto timed = [&](double& figure, auto&& stage) {
        const auto started = Clock::now();
        stage();
        frame.Paint();
        figure = Ms(started);
    };
    figures.plainRead = plainRead;
    timed(figures.first, [&] { frame.RebuildView(); });
    // A new last-write time makes the model read the whole history again, as after the file
    // was replaced: a full rebuild in a running program.
    TouchHistory();
    timed(figures.reread, [&] { frame.RebuildView(); });
    timed(figures.rebuild, [&] { frame.RebuildView(); });

    // The tray popup over the history the main window already holds: filled with the last
    // three days, shown and painted, as the program calls it up.
    RecentPopup popup(model, frame.Images(), PopupHost{});
    if (!popup.CreatePopup()) {
        std::fprintf(stderr, "cannot create the popup\n");
        std::exit(1);
    }
    const auto shown = Clock::now();
    popup.Fill(3);
    popup.ShowOnTop();
    ::UpdateWindow(popup.hwnd());
    ::UpdateWindow(popup.List());
    figures.popup = Ms(shown);
    popup.Hide();
    // Shown again at once: the file status of its documents is still known, so what remains
    // is the pass over the parsed history and the painting.
    const auto again = Clock::now();
    popup.Fill(3);
    popup.ShowOnTop();
    ::UpdateWindow(popup.hwnd());
    ::UpdateWindow(popup.List());
    figures.popupAgain = Ms(again);
    popup.Hide();

    settings.WriteNumber(Setting::ViewDuplicates, 0);
    timed(figures.noDuplicates, [&] { frame.RebuildView(); });
    settings.WriteNumber(Setting::ViewDuplicates, 1);
    frame.RebuildView();
    frame.Paint();  // a stage pays only for what it leaves to paint

    // A recorded opening while the window is shown, into the list sorted by name.
    timed(figures.append, [&] {
        model.History().Append(FormatHistoryLine(today + 0.75, DocumentPath(root, 4242)));
        frame.OnHistoryAppended();
    });

    frame.filter = DateFilter::Range(today - 365, today);
    timed(figures.filter, [&] { frame.RebuildView(); });
    frame.filter = DateFilter::All();
    frame.RebuildView();
    frame.Paint();

    timed(figures.tab, [&] { frame.FillList(2); });
    timed(figures.sort, [&] { frame.Pane().ListControl()->Sort(kColumnFolder, false); });
    return figures;
}

double Median(std::vector<Figures>& runs, double Figures::*figure) {
    std::sort(runs.begin(), runs.end(), [&](const Figures& a, const Figures& b) { return a.*figure < b.*figure; });
    return runs[runs.size() / 2].*figure;
}

void Run(int lines, const std::string& root, int32_t today, int repeats) {
    WriteHistory(root, lines, today);
    std::vector<Figures> runs;
    for (int i = 0; i < repeats; ++i) runs.push_back(Measure(root, today));
    const double read = Median(runs, &Figures::plainRead);
    const double full = Median(runs, &Figures::reread);
    const double append = Median(runs, &Figures::append);
    std::printf("%9d lines: plain read %6.1f ms, first rebuild %6.1f ms, full rebuild %6.1f ms (%.1f reads), rebuild %6.1f ms, "
                "without duplicates %6.1f ms, after append %6.1f ms (%.3f of a full rebuild), filter %6.1f ms, tab %6.1f ms, "
                "sort %6.1f ms, popup %6.1f ms, popup again %6.1f ms, peak %6.1f MiB\n",
                lines, read, Median(runs, &Figures::first), full, full / read, Median(runs, &Figures::rebuild),
                Median(runs, &Figures::noDuplicates), append, append / full, Median(runs, &Figures::filter),
                Median(runs, &Figures::tab), Median(runs, &Figures::sort), Median(runs, &Figures::popup),
                Median(runs, &Figures::popupAgain), PeakMiB());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--plain-read") return PlainRead();
    ComInit com;
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillon Works\\Kestrum");
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const int32_t today = DayNumberFromDate({now.wYear, now.wMonth, now.wDay});

    // Some documents exist, most have gone since.
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "kestrum-bench\\";
    for (int document = 0; document < kExistingDocuments; ++document) {
        const std::string path = DocumentPath(root, document * (kDocuments / kExistingDocuments));
        ::SHCreateDirectoryExA(nullptr, path.substr(0, path.rfind('\\')).c_str(), nullptr);
        std::ofstream(path, std::ios::binary) << std::string(static_cast<size_t>(document) * 37, 'x');
    }

    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {10000, 100000, 1000000};
    // The machine's other work moves single figures by a factor of two: each is the median of
    // several passes, each with a new model and window.
    constexpr int kRepeats = 5;
    std::printf("median of %d passes; the first pass of the process also pays the shell's start\n", kRepeats);
    for (int lines : sizes) Run(lines, root, today, kRepeats);
    ::DeleteFileA(HistoryPath().c_str());
    return 0;
}
