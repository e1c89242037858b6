// Resource IDs of Kestrum. The numbers are keys of the language files: never renumber them.
#pragma once

// Main frame: menu, accelerators, icon and title string.
#define IDR_MAINFRAME 128

// Icons (every one holds 16, 24, 32 and 48 pixel frames; drawn by tools/art/make_art.sh).
#define IDI_SORT_DESCENDING  138  // list header: column sorted descending
#define IDI_MISSING_DOCUMENT 140  // list row of a document that no longer exists
#define IDI_HELP_LINK        142  // dialog footer, beside the "Help" link
#define IDI_COPY             143
#define IDI_MOVE             144
#define IDI_SAVE_LIST        145
#define IDI_SORT_ASCENDING   146  // list header: column sorted ascending
#define IDI_OPTIONS          147
#define IDI_PASSWORD         148
#define IDI_OPEN             149
#define IDI_EXPLORE          150
#define IDI_PRINT            151
#define IDI_DELETE           152
#define IDI_CLEAR_LIST       153
#define IDI_HELP_CONTENTS    154
#define IDI_WEB_SITE         155
#define IDI_NOTE             158  // the tray note
#define IDI_SHOW_WINDOW      159  // popup caption button: a window with an upward arrow
#define IDI_HIDE_POPUP       160  // popup caption button: a window with a downward arrow
#define IDI_HELP_BUTTON      161  // popup caption button: a question mark
#define IDI_INFO             162
#define IDI_PRODUCTS         167

// Bitmaps. The tool-bar strips hold one picture per button in button order (separators have
// none), 24-bit with magenta (RGB 255, 0, 255) where the button shows through; the small strip
// shares the number of the main frame (IDR_MAINFRAME), the large one is 129.
#define IDR_TOOLBAR_LARGE    129
#define IDB_NOTE             158  // tray note picture, 240 x 240
#define IDB_ABOUT_BANNER     166  // About box banner, 400 x 120
