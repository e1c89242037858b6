// The files pane: the type tabs above the document list, filling the right of the main window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/message_args.h"
#include "panes/document_images.h"
#include "panes/files_list_ctrl.h"
#include "tracking/document_list_model.h"

// What the pane asks of the main window.
class FilesPaneHost {
public:
    virtual ~FilesPaneHost() = default;
    // Refills the list for a type tab (-1: all types); the user picked another tab.
    virtual bool FillList(int tab) = 0;
    // Rebuilds tabs and list, after the tab texts changed.
    virtual bool RebuildView() = 0;
    // A recorded opening was appended to the history; by default the view is rebuilt at once.
    virtual void OnHistoryAppended() { RebuildView(); }
};

class CDialogFiles : public CDialog {
public:
    // Child window identifier of the pane in the main window.
    static constexpr UINT kChildId = 1030;

    CDialogFiles(DocumentListModel& model, FilesPaneHost& host);

    // Creates the pane (dialog 137) as a child of the frame, sets up its list (which attaches
    // the Recent-folder scanner and starts the watcher) and hands list and tabs to the model.
    bool CreatePane(HWND frame);
    // Attaches the model to the history beside the program and starts reading it on a thread
    // of its own, unless it is attached already. The pane does so as it is made; a frame that
    // has more to build first calls it before anything else.
    void StartReadingHistory();

    // The model's passes with what belongs to the window around them: the view settings, the
    // wait cursor, the scanner held off (a message box pumps messages) and a message when the
    // history cannot be read or rewritten. False on such a failure.
    bool BuildTabs(const DateFilter& dates);
    bool Fill(const DateFilter& dates, int tab, bool purge);
    // After lines were appended to the history, the last passes carried on over them only: the
    // tab strip gains the new tabs at its end, the list its new rows in their places. False,
    // with no message, when only a full pass can tell (see DocumentListModel::ExtendRows).
    bool ExtendTabs(const DateFilter& dates);
    bool ExtendRows(const DateFilter& dates, int tab);

    // The tab strip (tabs are rebuilt from the model's tabs).
    int SelectedTab() const;  // -1 when none is selected; 0 without a list
    int TabCount() const;
    void SelectTab(int tab);
    void ShowTabs();  // the model's tabs, with names when ViewTabText is on
    // The shell's name of a tab's type (kept when the tabs show no names); empty out of range.
    std::string TabTypeName(int tab) const;

    // The list.
    int RowCount() const;
    bool ListIsEmpty() const;
    // Paths of the selected rows (Folder + Name), each once whatever its case; missing files
    // only with `includeMissing`. True when at least one was collected.
    bool GetSelectedDocuments(std::vector<std::string>& paths, bool includeMissing) const;
    bool HasSelectedDocuments(bool includeMissing) const;
    // How many documents the selected rows name, and how many of those exist (as last asked,
    // at most a few seconds ago). Cheap enough to run after every change of a large selection.
    struct DocumentCounts {
        int documents = 0;
        int existing = 0;
    };
    DocumentCounts CountSelectedDocuments() const;
    CFilesListCtrl* ListControl();

    // Hidden while the list is empty or all types are listed together; lays the pane out.
    void ShowOrHideTabStrip();
    // Tabs with names (on) or fixed-width icon-only tabs (off); rebuilds when there are tabs.
    void SetTextLabels(bool on);

    // The icons of rows and tabs, which the recent-documents popup shares.
    DocumentImages& Images() { return images_; }
    // After the window moved to a display of another DPI: icons of that DPI's small-icon size,
    // rows and tabs measured for them.
    void ApplyDpi(int dpi);

protected:
    const MessageMap& Map() const override;
    bool OnInitDialog() override;

private:
    void Layout();
    LRESULT OnSize(const SizeArgs& args);
    LRESULT OnTabChanged(NMHDR& header);

    bool Report(DocumentListModel::PassResult result) const;

    DocumentListModel& model_;
    FilesPaneHost& host_;
    DocumentImages images_;
    CFilesListCtrl list_;
    std::vector<ShellTypes::Type> tabTypes_;  // of the model's tabs, in order
    HWND tabs_ = nullptr;

    struct TabLabel {
        std::string text;
        int image = -1;
        bool operator==(const TabLabel&) const = default;
    };
    TabLabel LabelOf(size_t tab, bool withNames) const;
    void InsertTab(size_t position, TabLabel& label);
    std::vector<TabLabel> shownTabs_;
};
