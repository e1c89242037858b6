// Starting and stopping the help engine, found at run time.
#include "app/help_system.h"

#include "framework/proc_address.h"

namespace {
constexpr UINT kHelpInitialize = 0x1C;
constexpr UINT kHelpUninitialize = 0x1D;
}  // namespace

HelpSystem::HelpSystem() : library_(::LoadLibraryA("hhctrl.ocx")) {
    htmlHelp_ = ProcAddress<HtmlHelpFunction>(library_.get(), "HtmlHelpA");
    if (htmlHelp_ != nullptr) htmlHelp_(nullptr, nullptr, kHelpInitialize, reinterpret_cast<DWORD_PTR>(&cookie_));
}

HelpSystem::~HelpSystem() {
    if (htmlHelp_ != nullptr && cookie_ != 0) htmlHelp_(nullptr, nullptr, kHelpUninitialize, cookie_);
}
