// The three pages of the Options dialog: General, Hot-Keys and Language. Each fills its
// controls from the settings and stores them when the dialog's OK asks it to.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/message_args.h"
#include "framework/property_sheet.h"
#include "ui/link_label.h"

// What applying the pages does beyond storing settings, given by the main window (or a test).
struct OptionsActions {
    // Writes (true) or removes the entry that starts the program with Windows; the registry's
    // result code.
    std::function<LONG(bool on)> writeAutorun;
    // Registers hot key 0 (main window) or 1 (popup) anew; false when the system refused it.
    std::function<bool(int id, unsigned keyCode, unsigned controlModifiers)> registerHotKey;
    // Makes the stored language current and translates the open windows.
    std::function<void()> applyLanguage;
    // Opens a help topic ("trans.htm").
    std::function<void(const char* topic)> showHelp;
};

class CDialogOptMain : public CPropertyPage {
public:
    explicit CDialogOptMain(const OptionsActions& actions);
    void Initialise();
    // Stores the page. A refused Start-with-Windows entry is reported and its box cleared.
    void Apply();

protected:
    const MessageMap& Map() const override;
    bool OnInitDialog() override;

private:
    void OnTrayClicked() { UpdateDependants(); }
    void OnScroll(const ScrollArgs& args);
    HBRUSH OnColor(const ColorArgs& args);
    void UpdateDependants();
    void ShowTransparency(int opacity);

    const OptionsActions& actions_;
};

class CDialogOptHotKeys : public CPropertyPage {
public:
    CDialogOptHotKeys(const OptionsActions& actions);
    void Initialise();
    // False, after saying why and focusing the control, when a key may not be a hot key.
    bool Validate();
    // Stores both keys and registers them anew, reporting a key the system refused.
    void Apply();

protected:
    const MessageMap& Map() const override;

private:
    HBRUSH OnColor(const ColorArgs& args);
    const OptionsActions& actions_;
};

class CDialogOptLang : public CPropertyPage {
public:
    CDialogOptLang(const OptionsActions& actions);
    void Initialise();
    void Apply();

protected:
    const MessageMap& Map() const override;
    bool OnInitDialog() override;

private:
    void OnHowTo();
    HBRUSH OnColor(const ColorArgs& args);

    const OptionsActions& actions_;
    LinkLabel howTo_;
    std::string stored_;  // the language when the page was filled
};
