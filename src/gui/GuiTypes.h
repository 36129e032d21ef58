// Shared vocabulary of the GUI toolkit: control types, event codes, left-button states and the
// screen-space quad vertex. Plain constants and one POD; no Direct3D calls here.
#pragma once

#include <d3d9.h>

constexpr int GUI_TYPE_LABEL = 1;
constexpr int GUI_TYPE_BUTTON = 2;
constexpr int GUI_TYPE_EDIT = 3;
constexpr int GUI_TYPE_LISTBOX = 4;
constexpr int GUI_TYPE_CHECKBOX = 5;

constexpr int GUI_EVENT_NONE = 0;
constexpr int GUI_EVENT_HOVER = 1;
constexpr int GUI_EVENT_PRESS = 2;
constexpr int GUI_EVENT_CLICK = 3;
constexpr int GUI_EVENT_SELECT = 5;

// Left-button state shared by the window (writes UP and PRESSED) and the pass (promotes PRESSED
// to HELD once the frames that must see the press have run).
constexpr int BUTTON_UP = 0;
constexpr int BUTTON_PRESSED = 1;
constexpr int BUTTON_HELD = 2;

// One corner of a pre-transformed, textured quad; four of them make a triangle strip.
struct GuiVertex
{
    float x, y, z, rhw;
    float u, v;
};

// Position with rhw and one texture coordinate set: exactly the 24 bytes of GuiVertex (0x104).
constexpr DWORD GUI_VERTEX_FVF = D3DFVF_XYZRHW | D3DFVF_TEX1;
constexpr UINT GUI_QUAD_BYTES = 4 * sizeof(GuiVertex);

static_assert(sizeof(GuiVertex) == 24, "the vertex stride the device is given");
