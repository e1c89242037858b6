// An existing window, typically a standard control, whose messages pass through an object first.
#pragma once

#include <windows.h>

#include "framework/window_object.h"

// The base of the custom controls: the object's tables see the control's messages and the
// messages its parent reflects to it (see Reflected). The object rides on the comctl32 subclass
// chain, so it needs none of the control's window bytes.
class CSubclassWindow : public CWindowObject {
public:
    // Removes the object from a control that is still alive; the control itself stays.
    ~CSubclassWindow() override;

    // Puts the object in front of the window's procedure; false when it already serves a
    // window or the window is not alive.
    bool Subclass(HWND window);
    // Takes the object out again and leaves the window as it was.
    void Unsubclass();

protected:
    CSubclassWindow() = default;
    // The control's own procedure, for messages no table handles.
    LRESULT DefaultProcedure(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR object);
    friend CWindowObject* SubclassedObject(HWND control);
};
