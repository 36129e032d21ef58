// Command, pane and style values of the application framework, shared by the code and the .rc files.
// Plain #defines only, so that windres can read this file too.
#pragma once

// Commands the framework knows.
#define ID_FILE_NEW 57600
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681
#define ID_VIEW_CUSTOMIZE 126

// Child window ids of the panes and the view.
#define AFX_IDW_TOOLBAR 59392
#define AFX_IDW_STATUS_BAR 59393
#define AFX_IDW_PANE_FIRST 59648

// Status bar indicators: 0 is the stretching message pane; the others show the lock keys and name
// the string that is shown while the key is on.
#define ID_SEPARATOR 0
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139

// Frame style flag: the caption is the application title. Not a Win32 style bit; it is taken off
// before the window is created.
#define FWS_ADDTOTITLE 0x00008000L

// Resource type of a toolbar layout: WORD version 1, button width, height, count, then one command
// per button (0 = separator).
#define RT_TOOLBAR 241
