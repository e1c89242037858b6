// Selects a GDI object into a DC for one scope and puts the previous one back, so nothing is
// deleted while still selected.
#pragma once

#include <windows.h>

class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc) {
        if (dc_ != nullptr && object != nullptr) previous_ = ::SelectObject(dc_, object);
        if (previous_ == HGDI_ERROR) previous_ = nullptr;
    }
    ~SelectedObject() {
        if (previous_ != nullptr) ::SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};
