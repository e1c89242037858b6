// Starting the Quick Intro program beside Kestrum, unless the user switched it off.
#pragma once

#include <windows.h>

// When ShowIntro is set, starts Tourlet.exe from the program's folder, owned by `owner`. A
// missing or failing intro is not worth a word to the user: nothing is shown then.
void StartQuickIntroIfWanted(HWND owner);
