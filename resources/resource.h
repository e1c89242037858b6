// Resource IDs of Kestrum. The numbers are keys of the language files: never renumber them.
#pragma once

// Main frame: menu, accelerators, icon and title string.
#define IDR_MAINFRAME 128

// Options dialog and its three property pages (General, Language, Hot-Keys).
#define IDD_OPTIONS 106
#define IDD_OPT_GENERAL 222
#define IDD_OPT_LANGUAGE 223
#define IDD_OPT_HOTKEYS 226
#define IDC_OPTIONS_HINT 1131
#define IDC_GENERAL_AUTOLOAD 1005
#define IDC_GENERAL_MINIMIZED 1426
#define IDC_GENERAL_TRAY 1317
#define IDC_GENERAL_DAYS_LABEL 1043
#define IDC_GENERAL_DAYS 1045
#define IDC_GENERAL_DAYS_SPIN 1046
#define IDC_GENERAL_TRAY_ANIM 1495
#define IDC_GENERAL_TRANSP_LABEL 1550
#define IDC_GENERAL_TRANSP 1549
#define IDC_GENERAL_TRANSP_VALUE 1551
#define IDC_HOTKEYS_MAIN_LABEL 1019
#define IDC_HOTKEYS_MAIN 1014
#define IDC_HOTKEYS_TIP_LABEL 1020
#define IDC_HOTKEYS_TIP 1015
#define IDC_LANGUAGE_INFO 1131
#define IDC_LANGUAGE_HOWTO 1401
#define IDC_LANGUAGE_LIST_LABEL 1211
#define IDC_LANGUAGE_LIST 1043
#define IDC_LANGUAGE_TRANSLATOR_LABEL 1212
#define IDC_LANGUAGE_TRANSLATOR 1036
#define IDC_LANGUAGE_CONTACT_LABEL 1213
#define IDC_LANGUAGE_CONTACT 1037
#define IDC_LANGUAGE_DATE_LABEL 1160
#define IDC_LANGUAGE_DATE 1038

// Set or change the password, and the password prompt.
#define IDD_SET_PASSWORD 167
#define IDD_PASSWORD 168
#define IDC_SETPASS_HINT 1131
#define IDC_SETPASS_OLD_LABEL 1122
#define IDC_SETPASS_NEW_LABEL 1123
#define IDC_SETPASS_CONFIRM_LABEL 1124
#define IDC_SETPASS_OLD 1125
#define IDC_SETPASS_NEW 1126
#define IDC_SETPASS_CONFIRM 1127
#define IDC_SETPASS_MASK 1316
#define IDC_SETPASS_REQUEST_GROUP 1466
#define IDC_SETPASS_ON_LAUNCH 1420
#define IDC_SETPASS_ON_MAIN_SHOW 1298
#define IDC_SETPASS_ON_TRAY_OPEN 1317
#define IDC_PASSWORD_TEXT 1029
#define IDC_PASSWORD_LABEL 1132
#define IDC_PASSWORD_EDIT 1133

// The note about the tray icon, and the date picker of the filter pane.
#define IDD_NOTE 143
#define IDD_SELECT_DATE 139
#define IDC_NOTE_PICTURE 1559
#define IDC_NOTE_TEXT 1041
#define IDC_NOTE_HIDE 1037
#define IDC_SELECT_DATE_TEXT 1029
#define IDC_SELECT_DATE_CALENDAR 1024
#define IDC_SELECT_DATE_ADD 1031

// The About box. Older language files also name a control 1429, which the box no longer has.
#define IDD_ABOUT 165
#define IDC_ABOUT_BANNER 1079
#define IDC_ABOUT_VERSION 1032
#define IDC_ABOUT_LEGAL 1033
#define IDC_ABOUT_MAKER 1034
#define IDC_ABOUT_SUPPORT 1035
#define IDC_ABOUT_OLD_LABEL 1429

// The filter pane (a child of the main frame) and the type of its initial data: the entries of
// the period list.
#define IDD_FILTER_PANE 136
#define IDW_FILTER_PANE 1040  // the pane's child identifier in the main frame
#define RT_DIALOG_INIT 240
#define IDC_FILTER_ALL 1006
#define IDC_FILTER_DAY 1005
#define IDC_FILTER_CALENDAR 1024
#define IDC_FILTER_LAST 1013
#define IDC_FILTER_PERIOD 1022
#define IDC_FILTER_BETWEEN 1010
#define IDC_FILTER_FROM_BACK 1018
#define IDC_FILTER_FROM 1011
#define IDC_FILTER_FROM_FORWARD 1012
#define IDC_FILTER_TO_BACK 1016
#define IDC_FILTER_TO 1014
#define IDC_FILTER_TO_FORWARD 1015
#define IDC_FILTER_LISTED 1025
#define IDC_FILTER_DATES 1026
#define IDC_FILTER_ADD_DATE 1021
#define IDC_FILTER_REMOVE_DATES 1023

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
// shares the number of the main frame (IDR_MAINFRAME), the large one is 129. The 32- and
// 48-pixel strips serve the buttons on displays of higher DPI.
#define IDR_TOOLBAR_LARGE    129
#define IDB_TOOLBAR_32       130
#define IDB_TOOLBAR_48       131
#define IDB_NOTE             158  // tray note picture, 240 x 240
#define IDB_ABOUT_BANNER     166  // About box banner, 400 x 120

// The files pane: the type tabs above the document list.
#define IDD_FILES_PANE 137
#define IDC_FILES_TABS 1027
#define IDC_FILES_LIST 1032

// The copy/move dialog (resources/documents.rc).
#define IDD_COPY_MOVE 141
#define IDC_COPY_MOVE_TEXT 1029
#define IDC_COPY_MOVE_LABEL 1033
#define IDC_COPY_MOVE_FOLDER 1034
#define IDC_COPY_MOVE_BROWSE 1035
#define IDC_COPY_MOVE_OVERWRITE 1036

// The save-list dialog (resources/save_list.rc).
#define IDD_SAVE_LIST 142
#define IDC_SAVE_LIST_TEXT 1029
#define IDC_SAVE_LIST_OPEN 1037
#define IDC_SAVE_LIST_NAME 1038
#define IDC_SAVE_LIST_BROWSE 1039
#define IDC_SAVE_LIST_LABEL 1040

// The document information dialog (resources/documents.rc): labels and their value fields.
#define IDD_DOCUMENT_INFO 224
#define IDC_INFO_TEXT 1029
#define IDC_INFO_NAME_LABEL 1042
#define IDC_INFO_NAME 1043
#define IDC_INFO_FOLDER_LABEL 1044
#define IDC_INFO_FOLDER 1045
#define IDC_INFO_ACCESSED_LABEL 1046
#define IDC_INFO_ACCESSED 1047
#define IDC_INFO_CREATED_LABEL 1048
#define IDC_INFO_CREATED 1049
#define IDC_INFO_MODIFIED_LABEL 1050
#define IDC_INFO_MODIFIED 1051
#define IDC_INFO_TYPE_LABEL 1052
#define IDC_INFO_TYPE 1053
#define IDC_INFO_SIZE_LABEL 1054
#define IDC_INFO_SIZE 1055
#define IDC_INFO_READ_ONLY 1056
#define IDC_INFO_HIDDEN 1057
#define IDC_INFO_SYSTEM 1058
#define IDC_INFO_ARCHIVE 1059
#define IDC_INFO_READ_ONLY_LABEL 1060
#define IDC_INFO_HIDDEN_LABEL 1061
#define IDC_INFO_SYSTEM_LABEL 1062
#define IDC_INFO_ARCHIVE_LABEL 1063

// Main frame: the tray menu, the recent-documents popup's context menu and the frame's bars.
#define IDR_TRAY_MENU        157
#define IDR_POPUP_MENU       158

// The recent-documents popup (resources/popup.rc).
#define IDD_RECENT_POPUP 200
#define IDC_POPUP_LIST 1041
#define IDC_POPUP_SHOW 1420
#define IDC_POPUP_HIDE 1421
#define IDC_POPUP_HELP 1422
#define IDC_TOOLBAR          59392
#define IDC_STATUS_BAR       59393

// Commands of the main menu, the tool bar and the accelerators. Open and Print take the numbers
// window frameworks reserve for them.
#define ID_FILE_OPEN                57601
#define ID_FILE_PRINT               57607
#define ID_FILE_SAVE_LIST           32777
#define ID_FILE_DELETE              32782
#define ID_FILE_EXPLORE             32783
#define ID_FILE_COPY                32806
#define ID_FILE_MOVE                32807
#define ID_FILE_CLEAR_LIST          32802
#define ID_FILE_INFO                32830
#define ID_FILE_HIDE                32829
#define ID_FILE_EXIT                32820
#define ID_VIEW_TYPES_ALL           32788
#define ID_VIEW_TAB_TEXT            32812
#define ID_VIEW_DUPLICATES          32833
#define ID_VIEW_DELETED             32785
#define ID_VIEW_SWITCH_FILTER       32809
#define ID_VIEW_SWITCH_LIST         32811
#define ID_VIEW_FILTER              32789
#define ID_VIEW_STATUSBAR           32804
#define ID_VIEW_TOOLBAR             32805
#define ID_VIEW_LARGE_ICONS         32803
#define ID_VIEW_COLORS_ORIGINAL     32799
#define ID_VIEW_COLORS_MODERN       32800
#define ID_VIEW_COLORS_CLASSIC      32801
#define ID_SORT_NAME                32792
#define ID_SORT_FOLDER              32797
#define ID_SORT_SIZE                32796
#define ID_SORT_ACCESSED            32794
#define ID_SORT_CREATED             32793
#define ID_SORT_MODIFIED            32795
#define ID_SERVICE_PASSWORD         32798
#define ID_SERVICE_OPTIONS          32784
#define ID_HELP_CONTENTS            32872
#define ID_HELP_PRODUCTS            32835
#define ID_HELP_WEB_SITE            32862
#define ID_HELP_ABOUT               32813
#define ID_MAKER_WEB_ADDRESS        32834
#define ID_TRAY_OPEN                32821
#define ID_POPUP_OPEN               32823
#define ID_POPUP_EXPLORE            32824
#define ID_POPUP_COPY               32825
#define ID_POPUP_MOVE               32826
#define ID_POPUP_PRINT              32827
#define ID_POPUP_DELETE             32828
#define ID_POPUP_INFO               32831

// Tourlet, the Quick Intro program: its dialog and controls (its icon is IDR_MAINFRAME too).
#define IDD_QUICK_INTRO 102
#define IDC_INTRO_BACK 1000
#define IDC_INTRO_NEXT 1001
#define IDC_INTRO_BROWSER 1002
#define IDC_INTRO_DONT_SHOW 1003
