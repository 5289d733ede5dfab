#pragma once
// Resources of the framework's test program (FrameworkTest.rc).

#define IDT_TOOLBAR 7
#define IDT_PREVIEW_BAR 8
#define IDT_BROKEN_TOOLBAR 9
#define IDT_CMD_ONE 101
#define IDT_CMD_TWO 102
#define IDT_CMD_THREE 103
#define IDT_PAGE_COUNTER 1047
#define IDT_TEST_DIALOG 10
#define IDT_TEST_EDIT 1001
