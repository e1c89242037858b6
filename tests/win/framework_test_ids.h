// Resource IDs of the window framework's test dialogs and menu.
#pragma once

#define IDD_VALUES 1000
#define IDC_NAME 1001
#define IDC_ENABLED 1002
#define IDC_COUNT 1003
#define IDC_APPLY 1004

#define IDD_PAGE_ONE 1010
#define IDC_PAGE_ONE_EDIT 1011
#define IDD_PAGE_TWO 1020
#define IDC_PAGE_TWO_CHECK 1021
#define IDD_SHEET_HOST 1030

#define IDD_PANE 1040
#define IDC_PANE_FIRST 1041
#define IDC_PANE_SECOND 1042

#define IDR_TEST_MENU 1050

// Commands, with the numbers the program uses for them.
#define ID_TEST_OPEN 57601
#define ID_TEST_PRINT 57607
#define ID_TEST_TOOLBAR 32805
#define ID_TEST_ABOUT 32813
#define ID_TEST_SORT_NAME 32792
#define ID_TEST_SORT_SIZE 32796
