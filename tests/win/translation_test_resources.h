// IDs of the resources only the translation tests use: controls no real dialog has, a menu
// and toolbar tips.
#pragma once

#define IDD_TEST_CONTROLS 901
#define IDC_TEST_LIST 1100
#define IDC_TEST_EMPTY_LIST 1101
#define IDC_TEST_COMBO 1102
#define IDC_TEST_LISTBOX 1103
#define IDC_TEST_EXCLUDED_LISTBOX 1104
#define IDC_TEST_TABS 1105
#define IDC_TEST_UNNAMED_TABS 1106
#define IDC_TEST_EDIT 1107
#define IDC_TEST_BROWSE 1108
#define IDC_TEST_SPIN 1109
#define IDC_TEST_LABEL 1110

#define IDM_TEST_MENU 901
#define IDT_TEST_TOOLBAR 901
#define ID_TEST_SAVE_LIST 41001
#define ID_TEST_WEB_SITE 41002
#define ID_TEST_OPEN 41003
#define ID_TEST_NO_TIP 41004
#define ID_TEST_VIEW_TOOLBAR 41010
#define ID_TEST_DEEP 41011
#define ID_TEST_HELP 41012
#define ID_TEST_MAKER 41013
#define ID_TEST_OPEN_MENU 57601
#define ID_TEST_SAVE_MENU 32777
#define ID_TEST_EXIT 32820
