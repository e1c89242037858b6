// CApplication: Kestrum's application object, which decides whether this start runs, sets up
// the process-wide services and creates the main window.
#pragma once

#include <windows.h>

#include <optional>

#include "framework/application.h"
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
    HWND DialogOwner() const;

    SingleInstance instance_;
    std::optional<HelpSystem> help_;
    std::optional<ComInit> com_;
    UiLanguage language_;
    DocumentListModel model_ = MakeSystemDocumentListModel();
};
