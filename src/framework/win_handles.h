// Owned Win32 handle kinds: kernel objects, registry keys, searches, modules, GDI and menus.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "framework/unique_handle.h"

namespace handle_traits {

struct Kernel {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::CloseHandle(h); }
};

struct FindFile {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::FindClose(h); }
};

struct ChangeNotification {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::FindCloseChangeNotification(h); }
};

struct RegKey {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { ::RegCloseKey(h); }
};

struct Module {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { ::FreeLibrary(h); }
};

template <typename T>
struct GdiObject {
    using Handle = T;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { ::DeleteObject(h); }
};

struct Icon {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { ::DestroyIcon(h); }
};

struct Menu {
    using Handle = HMENU;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { ::DestroyMenu(h); }
};

struct ImageList {
    using Handle = HIMAGELIST;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { ::ImageList_Destroy(h); }
};

struct Accelerators {
    using Handle = HACCEL;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { ::DestroyAcceleratorTable(h); }
};

struct Window {
    using Handle = HWND;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) {
        if (::IsWindow(h)) ::DestroyWindow(h);
    }
};

struct MemoryDc {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { ::DeleteDC(h); }
};

// Memory the shell hands out through the COM task allocator, such as item identifier lists.
template <typename T>
struct CoTaskMemory {
    using Handle = T*;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { ::CoTaskMemFree(h); }
};

}  // namespace handle_traits

using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;
using UniqueFindHandle = UniqueHandle<handle_traits::FindFile>;
using UniqueChangeNotification = UniqueHandle<handle_traits::ChangeNotification>;
using UniqueRegKey = UniqueHandle<handle_traits::RegKey>;
using UniqueModule = UniqueHandle<handle_traits::Module>;
using UniqueBitmap = UniqueHandle<handle_traits::GdiObject<HBITMAP>>;
using UniqueBrush = UniqueHandle<handle_traits::GdiObject<HBRUSH>>;
using UniquePen = UniqueHandle<handle_traits::GdiObject<HPEN>>;
using UniqueFont = UniqueHandle<handle_traits::GdiObject<HFONT>>;
using UniqueRegion = UniqueHandle<handle_traits::GdiObject<HRGN>>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueMenu = UniqueHandle<handle_traits::Menu>;
using UniqueImageList = UniqueHandle<handle_traits::ImageList>;
using UniqueAccelerators = UniqueHandle<handle_traits::Accelerators>;
using UniqueWindow = UniqueHandle<handle_traits::Window>;
using UniqueMemoryDc = UniqueHandle<handle_traits::MemoryDc>;
// Controls never destroy the image lists they are given: their owner keeps one of these.
template <typename T>
using UniqueCoTaskMemory = UniqueHandle<handle_traits::CoTaskMemory<T>>;
