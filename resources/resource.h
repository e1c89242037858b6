// Resource IDs of Kestrum. The numbers are keys of the language files: never renumber them.
#pragma once

// Main frame: menu, accelerators, icon and title string.
#define IDR_MAINFRAME 128
