// The save-list dialog (template 142): the name of the file the document list is written to,
// HTML for ".htm" and comma-separated text otherwise, and whether to open it afterwards.
//
//   CDialogSaveList dialog;
//   dialog.SetSource([&] { return ListExportTableOf(list.hwnd(), model); });
//   dialog.SetScanner(&list.Scanner());
//   dialog.DoModal(frame);
#pragma once

#include <functional>
#include <string>

#include "panes/list_export.h"
#include "ui/dialog_base.h"
#include "ui/history_combo_box.h"
#include "ui/shell_open.h"

class RecentScanner;

class CDialogSaveList : public DialogBase {
public:
    CDialogSaveList();

    // What OK writes, asked for at that moment. Without a source the dialog ends at once with
    // IDCANCEL.
    void SetSource(std::function<ListExportTable()> source) { source_ = std::move(source); }
    // Scans of the Recent folder pause while the file dialog is open and while the file is
    // written (both pump messages). None by default.
    void SetScanner(RecentScanner* scanner) { scanner_ = scanner; }
    // Who opens the written file when the box is ticked; the shell unless replaced (tests).
    void SetOpener(ShellOpener opener) { opener_ = std::move(opener); }

    // The trimmed file name OK wrote to (or tried to); empty before OK.
    const std::string& FileName() const { return fileName_; }

protected:
    const MessageMap& Map() const override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnNameEdited();
    void OnNamePicked();
    void OnBrowse();
    void UpdateOk(const std::string& name);

    HistoryComboBox names_;
    std::function<ListExportTable()> source_;
    RecentScanner* scanner_ = nullptr;
    ShellOpener opener_;
    std::string fileName_;
};
