// Measures the main window over a history whose documents have mostly gone: 1,000,000 lines
// over 200,000 distinct documents, 1 % of them existing in a few thousand folders, the rest in
// folders that are gone (and some missing from folders that still exist). For deleted documents
// hidden and shown, at a first start and at a later one that finds the cache the first kept, it
// prints the time until the first rows are painted, until every status the view asked for is
// known, and the longest time the window's thread left a 10 ms timer waiting.
// Not a test: it prints figures and fails only when it cannot run.
//
//   status_benchmark [LINES [DOCUMENTS]]      default 1000000 200000
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "app/frame_application.h"
#include "framework/com_ptr.h"
#include "framework/program_path.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "settings/settings_store.h"
#include "text/ole_date.h"
#include "tracking/document_list_model.h"
#include "tracking/history_line.h"
#include "tracking/system_document_list_model.h"

namespace {

using Clock = std::chrono::steady_clock;

// Of every 100 documents, one exists; four more are recorded in the same folder and missing.
// The other 95 lie in folders that are gone, 50 documents to a folder.
constexpr int kGroup = 100;
const char* const kExtensions[] = {"docx", "xlsx", "pdf", "txt", "pptx", "jpg", "png", "zip", "cpp", "md"};

double Ms(Clock::duration duration) { return std::chrono::duration<double, std::milli>(duration).count(); }

std::string DocumentPath(const std::string& root, int document) {
    const int group = document / kGroup, within = document % kGroup;
    const std::string name = "file " + std::to_string(document) + "." + kExtensions[document % std::size(kExtensions)];
    if (within < 5) return root + "kept " + std::to_string(group) + "\\" + name;
    return root + "gone " + std::to_string(document / 50) + "\\" + name;
}

std::string HistoryPath() {
    const std::string program = ProgramPath();
    return program.substr(0, program.size() - 3) + "dat";
}

void WriteHistory(const std::string& root, int lines, int documents, int32_t today) {
    std::ofstream out(HistoryPath(), std::ios::binary | std::ios::trunc);
    std::string block;
    for (int i = 0; i < lines; ++i) {
        const int32_t day = today - 3650 + static_cast<int32_t>(static_cast<int64_t>(i) * 3650 / lines);
        const int document = static_cast<int>((static_cast<int64_t>(i) * 7919) % documents);
        block += FormatHistoryLine(day + 0.5, DocumentPath(root, document));
        if (block.size() > (1 << 20)) {
            out << block;
            block.clear();
        }
    }
    out << block;
}

void MakeDocuments(const std::string& root, int documents) {
    for (int document = 0; document < documents; document += kGroup) {
        const std::string path = DocumentPath(root, document);
        ::SHCreateDirectoryExA(nullptr, path.substr(0, path.rfind('\\')).c_str(), nullptr);
        std::ofstream(path, std::ios::binary) << "x";
    }
}

// The longest wait of a 10 ms timer on this thread: how long the window left its messages.
class LatenessProbe {
public:
    LatenessProbe() : last_(Clock::now()) { timer_ = ::SetTimer(nullptr, 0, 10, nullptr); }
    ~LatenessProbe() { ::KillTimer(nullptr, timer_); }
    void Tick() {
        const auto now = Clock::now();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    bool Owns(const MSG& message) const { return message.message == WM_TIMER && message.wParam == timer_; }
    double LongestMs() const { return Ms(longest_); }

private:
    UINT_PTR timer_ = 0;
    Clock::time_point last_;
    Clock::duration longest_{};
};

struct Figures {
    double firstRows = 0, allKnown = 0, longestWait = 0, cacheKept = 0;
    int rows = 0;
};

std::string CachePath() {
    const std::string program = ProgramPath();
    return program.substr(0, program.size() - 3) + "idx";
}

// One start of the program over the history: with the cache of an earlier run when there is
// one, keeping it at the end as Exit does.
Figures Measure(bool showDeleted) {
    SettingsStore().WriteNumber(Setting::ViewDeleted, showDeleted ? 1 : 0);
    SettingsStore().WriteNumber(Setting::FilterType, 0);  // every date: the whole history
    SettingsStore().WriteNumber(Setting::Minimized, 1);
    DocumentListModel model = MakeSystemDocumentListModel();
    Figures figures;
    const auto started = Clock::now();
    auto frame = std::make_unique<CFrameApplication>(model);
    if (!frame->CreateFrame()) {
        std::fprintf(stderr, "cannot open the main window\n");
        std::exit(1);
    }
    frame->ShowMainWindow();
    ::UpdateWindow(frame->hwnd());
    if (CFilesListCtrl* list = frame->ListControl()) ::UpdateWindow(list->hwnd());
    figures.firstRows = Ms(Clock::now() - started);

    LatenessProbe probe;
    const auto deadline = Clock::now() + std::chrono::seconds(120);
    MSG message;
    while (Clock::now() < deadline) {
        frame->AskForStatuses();
        if (model.StatusesOutstanding() == 0) break;
        if (!::GetMessageA(&message, nullptr, 0, 0)) break;
        if (probe.Owns(message)) probe.Tick();
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    figures.allKnown = Ms(Clock::now() - started);
    probe.Tick();
    figures.longestWait = probe.LongestMs();
    figures.rows = frame->FilesPane().RowCount();
    frame.reset();
    const auto exiting = Clock::now();
    model.SaveHistoryCache();
    figures.cacheKept = Ms(Clock::now() - exiting);
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    ComInit com;
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillon Works\\Kestrum");
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    UiLanguage language;
    language.SetProgramFolder(temp);
    CurrentLanguageScope scope(language);

    const int lines = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const int documents = argc > 2 ? std::atoi(argv[2]) : 200000;
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const int32_t today = DayNumberFromDate({now.wYear, now.wMonth, now.wDay});
    const std::string root = std::string(temp) + "kestrum-status-bench\\";
    MakeDocuments(root, documents);
    WriteHistory(root, lines, documents, today);

    std::printf("%d lines over %d documents (1 %% existing)\n", lines, documents);
    for (const bool showDeleted : {false, true}) {
        // The first start parses the history and keeps its cache; every later one reads that.
        ::DeleteFileA(CachePath().c_str());
        for (const char* start : {"first start", "later start"}) {
            const Figures figures = Measure(showDeleted);
            std::printf("deleted %s, %s: first rows %7.1f ms, every status known %7.1f ms, longest wait %6.1f ms, %d rows, "
                        "cache kept at exit in %5.1f ms\n",
                        showDeleted ? "shown " : "hidden", start, figures.firstRows, figures.allKnown, figures.longestWait,
                        figures.rows, figures.cacheKept);
            std::fflush(stdout);
        }
    }
    ::DeleteFileA(HistoryPath().c_str());
    ::DeleteFileA(CachePath().c_str());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillon Works\\Kestrum");
    return 0;
}
