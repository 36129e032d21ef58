// Small drawing and hit-test helpers shared by the pass and the list box; internal to the toolkit.
#pragma once

#include <d3d9.h>

// Strict on all four sides: a pointer on an edge is not over the rectangle.
inline bool IsOver(const RECT& rect, int x, int y)
{
    return rect.left < x && x < rect.right && rect.top < y && y < rect.bottom;
}

// Blending with the source alpha, as every control look and the list box draw; off afterwards.
inline void SetAlphaBlend(IDirect3DDevice9* device, bool on)
{
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, on ? TRUE : FALSE);
    if (on)
    {
        device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    }
}
