// HistoryComboBox: an editable combo box that remembers its last texts in a registry list of the
// settings branch and completes typed text from them.
//
//   HistoryComboBox folders;                // a member of the dialog
//   folders.Subclass(Item(IDC_FOLDER));     // a CBS_DROPDOWN combo box
//   folders.Init("MoveCopyFolders", kHistoryEntries, kHistoryTextLimit);
//
// When the combo box's window is destroyed (its dialog closes, with OK or Cancel), the text in
// its edit field goes to the top of the list and the list is written back. Translate the dialog
// before Init, or the translation walk takes the remembered texts for texts to translate.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "framework/subclass_window.h"
#include "ui/passed_on_args.h"

class HistoryComboBox : public CSubclassWindow {
public:
    HistoryComboBox() = default;
    // Records the list if the window outlives the object (a dialog object destroyed while open).
    ~HistoryComboBox() override;

    // Binds the combo box to the list `listName`: limits its text to `limit` characters and fills
    // it with up to `maximum` stored entries (trimmed; empty, overlong and repeated ones left
    // out). False, reading nothing, unless the window is a live drop-down combo box, the name is
    // not empty, both numbers are above 0 and no list is bound yet; false too when the settings
    // branch cannot be opened (the list is then still written at the end if it can be).
    bool Init(std::string listName, std::size_t maximum, std::size_t limit);

    const std::string& ListName() const { return listName_; }
    // The texts of the drop-down list, top first.
    std::vector<std::string> Entries() const;
    // Whether the next change of the text completes it from the list.
    bool Completes() const { return complete_; }

protected:
    const MessageMap& Map() const override;
    bool PreTranslateMessage(MSG& message) override;

private:
    LRESULT OnCommand(const PassedOnArgs<WM_COMMAND>& args);
    LRESULT OnDestroy(const PassedOnArgs<WM_DESTROY>& args);
    void Complete();
    bool RefusesCharacter(unsigned character) const;
    void SaveList() const;

    std::string listName_;
    std::size_t maximum_ = 0;
    std::size_t limit_ = 255;
    bool complete_ = true;
    bool completing_ = false;
};
