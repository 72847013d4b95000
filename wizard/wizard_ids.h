// Resource ids shared by the pages of both wizard programs (also read by windres).
#pragma once

#define IDC_TITLE 1001
#define IDC_SUBTITLE 1002
// The progress bar of the page that does the work.
#define IDC_PROGRESS 1009
#define IDD_COMPLETE 134
// The completion page's list of what failed (empty after a clean run).
#define IDC_COMPLETE_DETAILS 1013
