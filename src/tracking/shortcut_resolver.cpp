// Shortcut resolution through the shell link object.
#include "tracking/shortcut_resolver.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "framework/com_ptr.h"
#include "framework/wide_text.h"

namespace {
// Far beyond MAX_PATH: the shell stores targets longer than 260 characters, and a path cut
// at the buffer's end must never be recorded.
constexpr int kTargetBuffer = 32768;
}  // namespace

bool ResolveShortcut(const std::string& shortcutPath, std::string& target) {
    target.clear();
    if (shortcutPath.empty()) return true;

    // The wide interface: the narrow one goes through a MAX_PATH buffer of its own on some
    // systems and would cut long targets short.
    ComPtr<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  link.put_void()))) {
        return false;
    }
    ComPtr<IPersistFile> file;
    if (FAILED(link.QueryInterface(IID_IPersistFile, file))) return false;
    // Read access is all a shortcut needs; asking for write access would fail on read-only
    // shortcuts and compete with the shell while it writes them.
    if (FAILED(file->Load(WideFromUtf8(shortcutPath).c_str(), STGM_READ))) return false;

    std::vector<wchar_t> buffer(kTargetBuffer, L'\0');
    if (FAILED(link->GetPath(buffer.data(), kTargetBuffer, nullptr, SLGP_RAWPATH))) return false;
    buffer.back() = L'\0';
    const std::wstring_view path(buffer.data());
    if (path.size() >= static_cast<size_t>(kTargetBuffer - 1)) return false;  // cut short
    target = Utf8FromWide(path);
    return true;
}
