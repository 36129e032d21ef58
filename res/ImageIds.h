// Resource ids of the embedded GUI images (RCDATA), shared by the program and the toolkit's tests.
#pragma once

#define IDR_CHARACTER_PAGE 310 // DDS DXT1 1024 x 1024: character page background
#define IDR_ATLAS 312          // DDS DXT5 1024 x 1024: control images
#define IDR_MAIN_PAGE 314      // DDS DXT1 2048 x 1024: main page background
#define IDR_LOGO_NORMAL 315    // PNG RGBA 88 x 33: logo button, normal look
#define IDR_LOGO_PRESSED 316   // PNG RGBA 88 x 33: logo button, pressed look
#define IDR_LOGO_HOVER 317     // PNG RGBA 88 x 33: logo button, hover look
#define IDR_ITEMS_PAGE 318     // DDS DXT1 1024 x 1024: items page background
#define IDR_CELL 319           // DDS DXT1 512 x 512: list box cell at (0, 0, 70, 70)
