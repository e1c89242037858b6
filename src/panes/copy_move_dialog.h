// "Copying/Moving Document(s)": asks for a target folder and copies or moves the given
// documents into it, reporting the outcome in one message.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "panes/copy_move_plan.h"
#include "ui/dialog_base.h"
#include "ui/history_combo_box.h"

//   CDialogCopyMove dialog;
//   if (dialog.SetSources(selectedPaths, TransferMode::Move)) dialog.DoModal(owner);
//
// DoModal returns IDOK after OK, whatever became of the documents (the user saw the message),
// and IDCANCEL after Cancel or when no sources were set.
class CDialogCopyMove : public DialogBase {
public:
    CDialogCopyMove();

    // False, changing nothing, once the window exists or for an empty list.
    bool SetSources(std::vector<std::string> sources, TransferMode mode);

    // The target folder text as the user left it, trimmed.
    const std::string& TargetFolder() const { return folder_; }
    // What the last OK did.
    const TransferOutcome& Outcome() const { return outcome_; }

protected:
    const MessageMap& Map() const override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnFolderEdited();
    void OnFolderChosen();
    void OnBrowse();
    void TakeFolderText(std::string_view text);

    HistoryComboBox folders_;
    std::vector<std::string> sources_;
    TransferMode mode_ = TransferMode::Copy;
    std::string folder_;
    TransferOutcome outcome_;
};
