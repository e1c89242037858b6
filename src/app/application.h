// CApplication: Kestrum's application object, which decides whether this start runs, sets up
// the process-wide services and creates the main window.
#pragma once

#include <windows.h>

#include <optional>

#include "framework/application.h"
#include "app/document_commands.h"
#include "app/help_system.h"
#include "app/single_instance.h"
#include "framework/com_ptr.h"
#include "language/ui_language.h"
#include "tracking/system_document_list_model.h"

class CFrameApplication;

class CApplication : public CApplicationBase {
public:
    CApplication() = default;
    // The main window goes before the model and the language it uses.
    ~CApplication() override;

    DocumentListModel& Model() { return model_; }
    UiLanguage& Language() { return language_; }

protected:
    // One running copy per session: a second start wakes the first and ends.
    bool Start() override;
    int Exit(int quitCode) override;
    // The application's own commands: the dialogs it runs.
    const MessageMap& Map() const override;

private:
    void OnChangePassword();
    void OnAbout();
    void OnOpen();
    void OnExplore();
    void OnPrint();
    void OnDelete();
    void OnInfo();
    void OnCopy();
    void OnMove();
    void OnSaveList();
    void OnClearList();
    void OnHelpContents();
    void OnWebSite();
    HWND DialogOwner() const;
    CFrameApplication* Frame() const;
    // The distinct paths of the main window's selected rows, with or without missing documents.
    std::vector<std::string> SelectedDocuments(bool includeMissing) const;

    SingleInstance instance_;
    std::optional<HelpSystem> help_;
    std::optional<ComInit> com_;
    std::optional<DocumentCommands> documents_;
    UiLanguage language_;
    DocumentListModel model_ = MakeSystemDocumentListModel();
};
