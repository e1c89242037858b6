// Kestrum's entry point.
#include <windows.h>

#include "app/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CApplication application;
    return application.Run(instance);
}
