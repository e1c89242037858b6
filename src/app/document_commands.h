// The commands that act on documents, for the main window's selection and the popup's: open,
// explore, print, delete, copy, move and information, and the list commands (export, clear).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CFrameApplication;
class DocumentListModel;

class DocumentCommands {
public:
    DocumentCommands(CFrameApplication& frame, DocumentListModel& model);

    // Each path once, in order, with the hourglass around each single shell request. Open and
    // Print leave an unanswered request unreported: a type without a program simply does not open.
    void Open(const std::vector<std::string>& paths);
    void Print(const std::vector<std::string>& paths);
    // The folder of each path, one window per path; then the view is rebuilt.
    void Explore(const std::vector<std::string>& paths);
    // Asks first; then sends each document to the Recycle Bin until one fails (reported with its
    // path) or the user declines a deletion for good; the view is rebuilt in every case.
    void Delete(const std::vector<std::string>& paths);
    // The information dialog for the first path.
    void Info(const std::vector<std::string>& paths);
    // The copy/move dialog with all paths; a move that ended with OK rebuilds the view.
    void CopyOrMove(const std::vector<std::string>& paths, bool move);
    // The export dialog for the list as it is shown.
    void SaveList();
    // Asks, then removes the shown lines from the history and rebuilds the view.
    void ClearList();

    // A command of the popup's context menu (other than Open) on the popup's paths.
    void RunPopupCommand(unsigned command, const std::vector<std::string>& paths);

private:
    HWND Owner() const;
    // The status of the documents a command changed is read afresh at once: a deleted or moved
    // document shows as missing in the rebuilt view.
    void RebuildAfterFileChanges(const std::vector<std::string>& paths);
    void RunVerbOnEach(const char* verb, const std::vector<std::string>& targets, HWND owner);

    CFrameApplication& frame_;
    DocumentListModel& model_;
};
