// Records the container holds: a control, a style (textured look shared by controls) and a
// floating notice. Plain data with defaults; the container creates and releases their textures.
#pragma once

#include "GuiTextCache.h"

#include <d3d9.h>

#include <string>

class CRVDXGui;

// A texture rectangle (uLeft, vTop, uRight, vBottom); uLeft of -10 marks a look that is absent.
struct GuiUv
{
    float uLeft = -10.0f;
    float vTop = -10.0f;
    float uRight = -10.0f;
    float vBottom = -10.0f;

    bool IsPresent() const { return uLeft > -2.0f; }
};

struct CRVDXGUIStyle
{
    int m_width = 0;  // width of the box the style draws; builders use it as control width
    int m_height = 0; // height of that box
    IDirect3DTexture9* m_texture = nullptr; // owned by the container
    GuiUv m_uv;                             // normal look
    GuiUv m_pressedUv;                      // pressed (focused, checked) look, absent unless given
};

class CRVDXGUIControl
{
public:
    virtual ~CRVDXGUIControl() = default;

    int m_type = 0;
    int m_id = 0; // reported with every event; several controls may share one
    CRVDXGui* m_owner = nullptr;
    D3DCOLOR m_color = 0;
    D3DCOLOR m_hoverColor = 0;
    D3DCOLOR m_disabledColor = 0;
    RECT m_rect = {0, 0, 0, 0}; // hit and text rectangle in canvas pixels
    int m_font = 0;
    int m_quad = -1;
    int m_pressedQuad = -1; // edit box: focused look; check box: checked look
    int m_hoverQuad = -1;
    std::wstring m_text;     // empty = no text
    bool m_pressed = false;  // press in progress; edit box: has the keyboard focus
    bool m_disabled = false; // labels only
    bool m_option = false;   // label: centred; edit: digits only; check box: checked; list box: scroll bar
    int m_maxLength = -1;    // edit box: most characters, compared unsigned (-1 = no limit)
    int m_style = -1;        // style index, -1 = the control's own textures
    // Own textures, released by the container; the pressed and hover ones are owned only when
    // they differ from m_texture.
    IDirect3DTexture9* m_texture = nullptr;
    IDirect3DTexture9* m_pressedTexture = nullptr;
    IDirect3DTexture9* m_hoverTexture = nullptr;
    CGuiTextCache m_textCache; // the drawn m_text; released with the control
};

struct CRVDXGUINotice
{
    std::wstring m_text;
    D3DCOLOR m_color = 0;
    DWORD m_created = 0;       // tick count when added
    DWORD m_lastMove = 0;      // tick count of the last upward move
    int m_y = 0;               // canvas y of the text's top
    CGuiTextCache m_textCache; // released with the notice
};
