// Resource ids of the program's own resources in quillmark.rc (the GUI images are in ImageIds.h).
// Plain #defines, read by windres and the compiler alike.
#pragma once

#include "FrameworkIds.h"

#define IDR_MAINFRAME 128       // menu, accelerators, icon group, title string
#define IDR_TOOLBAR 129         // toolbar layout and its 16 x 15 bitmap
#define IDD_ABOUTBOX 100        // About box template
#define IDS_OLE_INIT_FAILED 100 // message when OLE cannot be initialised
#define IDS_TOOLBAR_STANDARD 124
#define IDS_TOOLBAR_CUSTOMIZE 125
#define IDC_BLADE 311  // the program cursor: a golden blade, hot spot (0, 0)
#define IDC_HOME_LINK 1000 // About box: link to the home page

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
