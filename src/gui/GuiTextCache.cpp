// CGuiTextCache: draws a text into a render-target texture through the container's sprite and
// shows it as a tinted quad. Under Wine every ID3DXFont::DrawTextW lays the string out anew, which
// costs far more than one quad.
#include "GuiTextCache.h"

#include "ComRelease.h"
#include "Gui.h"
#include "GuiStateScope.h"

#include <cstring>

namespace
{
// Unclipped text may reach a little past its measured box (glyph overhangs).
constexpr LONG OVERHANG_MARGIN = 2;
// Formats where the rectangle's size moves the text; unclipped text is cached only without them.
constexpr DWORD SIZED_FORMATS = DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM | DT_WORDBREAK;

UINT PowerOfTwoAtLeast(LONG size)
{
    UINT power = 1;
    while (power < static_cast<UINT>(size))
    {
        power <<= 1;
    }
    return power;
}

// The colour with its red, green and blue scaled by its alpha, for blending a texture that holds
// colour already multiplied by coverage.
D3DCOLOR Premultiply(D3DCOLOR color)
{
    const DWORD alpha = color >> 24;
    auto scale = [alpha](DWORD channel) { return (channel * alpha + 127) / 255; };
    return (alpha << 24) | (scale((color >> 16) & 0xFF) << 16) | (scale((color >> 8) & 0xFF) << 8) |
           scale(color & 0xFF);
}
} // namespace

CGuiTextCache& CGuiTextCache::operator=(CGuiTextCache&& other) noexcept
{
    if (this != &other)
    {
        Release();
        m_texture = std::exchange(other.m_texture, nullptr);
        m_quad = std::exchange(other.m_quad, nullptr);
        m_quadCorner = other.m_quadCorner;
        m_key = std::move(other.m_key);
        m_failed = other.m_failed;
        m_area = other.m_area;
        m_textureWidth = other.m_textureWidth;
        m_textureHeight = other.m_textureHeight;
        m_renders = other.m_renders;
    }
    return *this;
}

void CGuiTextCache::Release()
{
    ReleaseCom(m_quad);
    ReleaseCom(m_texture);
    m_key = TextKey{};
    m_failed = false;
}

bool CGuiTextCache::ShowText(IDirect3DDevice9* device, ID3DXSprite* sprite, ID3DXFont* font,
                             const std::wstring& text, const RECT& rect, DWORD format, D3DCOLOR color)
{
    if (!device || !sprite || !font)
    {
        return false;
    }
    const bool clipped = !(format & DT_NOCLIP);
    if (!clipped && (format & SIZED_FORMATS))
    {
        return false;
    }
    // Unclipped text starts at the rectangle's corner whatever its size (notices give no size).
    TextKey key{font, text, format, clipped ? rect.right - rect.left : 0,
                clipped ? rect.bottom - rect.top : 0};
    if (!(key == m_key))
    {
        Release();
        m_key = std::move(key);
        m_failed = !Render(device, sprite);
    }
    if (m_failed)
    {
        return false;
    }
    ShowTexture(device, rect, color);
    return true;
}

bool CGuiTextCache::Render(IDirect3DDevice9* device, ID3DXSprite* sprite)
{
    D3DCAPS9 caps = {};
    if (FAILED(device->GetDeviceCaps(&caps)) || !(caps.PrimitiveMiscCaps & D3DPMISCCAPS_SEPARATEALPHABLEND))
    {
        return false;
    }
    // Clipped text stays inside its rectangle; unclipped text is measured from its corner.
    RECT textRect = {0, 0, m_key.width, m_key.height};
    m_area = textRect;
    if (m_key.format & DT_NOCLIP)
    {
        textRect = {OVERHANG_MARGIN, OVERHANG_MARGIN, OVERHANG_MARGIN, OVERHANG_MARGIN};
        RECT measured = textRect;
        m_key.font->DrawTextW(sprite, m_key.text.c_str(), -1, &measured, m_key.format | DT_CALCRECT, 0);
        m_area = {-OVERHANG_MARGIN, -OVERHANG_MARGIN, measured.right, measured.bottom};
    }
    const LONG width = m_area.right - m_area.left;
    const LONG height = m_area.bottom - m_area.top;
    if (width <= 0 || height <= 0)
    {
        return false;
    }
    m_textureWidth = PowerOfTwoAtLeast(width);
    m_textureHeight = PowerOfTwoAtLeast(height);
    // The quad's corners are written when it is first shown and again whenever the text moves.
    if (FAILED(device->CreateVertexBuffer(GUI_QUAD_BYTES, D3DUSAGE_DYNAMIC | D3DUSAGE_WRITEONLY,
                                          GUI_VERTEX_FVF, D3DPOOL_DEFAULT, &m_quad, nullptr)))
    {
        return false;
    }
    m_quadCorner = std::nullopt;
    if (FAILED(device->CreateTexture(m_textureWidth, m_textureHeight, 1, D3DUSAGE_RENDERTARGET,
                                     D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &m_texture, nullptr)))
    {
        ReleaseCom(m_quad);
        return false;
    }
    IDirect3DSurface9* surface = nullptr;
    IDirect3DSurface9* target = nullptr;
    IDirect3DSurface9* depth = nullptr;
    D3DVIEWPORT9 viewport = {};
    bool drawn = false;
    if (SUCCEEDED(m_texture->GetSurfaceLevel(0, &surface)) &&
        SUCCEEDED(device->GetRenderTarget(0, &target)) && SUCCEEDED(device->GetViewport(&viewport)))
    {
        device->GetDepthStencilSurface(&depth); // none is fine
        device->SetRenderTarget(0, surface);
        device->SetDepthStencilSurface(nullptr);
        device->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00000000, 1.0f, 0);
        drawn = DrawWhiteText(device, sprite, textRect);
        device->SetRenderTarget(0, target);
        device->SetDepthStencilSurface(depth);
        device->SetViewport(&viewport);
    }
    ReleaseCom(depth);
    ReleaseCom(target);
    ReleaseCom(surface);
    if (!drawn)
    {
        ReleaseCom(m_quad);
        ReleaseCom(m_texture);
        return false;
    }
    ++m_renders;
    return true;
}

// The sprite blends each glyph over the cleared texture with its alpha, which leaves colour times
// coverage; the alpha channel gets "over" blending of its own so it holds the coverage itself.
bool CGuiTextCache::DrawWhiteText(IDirect3DDevice9* device, ID3DXSprite* sprite, RECT textRect) const
{
    static const GuiStateValue<D3DRENDERSTATETYPE> states[] = {
        {D3DRS_ZENABLE, D3DZB_FALSE},
        {D3DRS_SEPARATEALPHABLENDENABLE, TRUE},
        {D3DRS_SRCBLENDALPHA, D3DBLEND_ONE},
        {D3DRS_DESTBLENDALPHA, D3DBLEND_INVSRCALPHA},
    };
    CStateScope scope(device, states);
    if (FAILED(sprite->Begin(D3DXSPRITE_ALPHABLEND)))
    {
        return false;
    }
    scope.Apply(); // after Begin, which sets the sprite's own blending
    m_key.font->DrawTextW(sprite, m_key.text.c_str(), -1, &textRect, m_key.format, 0xFFFFFFFF);
    return SUCCEEDED(sprite->End());
}

// Each frame draws one quad from a vertex buffer: under Wine DrawPrimitiveUP costs about as much
// as the DrawTextW it replaces.
void CGuiTextCache::ShowTexture(IDirect3DDevice9* device, const RECT& rect, D3DCOLOR color)
{
    if (!m_quadCorner || m_quadCorner->x != rect.left || m_quadCorner->y != rect.top)
    {
        if (!FillQuad(rect))
        {
            return;
        }
        m_quadCorner = POINT{rect.left, rect.top};
    }
    static const GuiStateValue<D3DRENDERSTATETYPE> blend[] = {
        {D3DRS_ALPHABLENDENABLE, TRUE},
        {D3DRS_SRCBLEND, D3DBLEND_ONE},
        {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
        {D3DRS_TEXTUREFACTOR, 0}, // the text's colour, set below
    };
    static const GuiStateValue<D3DTEXTURESTAGESTATETYPE> stage[] = {
        {D3DTSS_COLOROP, D3DTOP_MODULATE}, {D3DTSS_COLORARG1, D3DTA_TEXTURE},
        {D3DTSS_COLORARG2, D3DTA_TFACTOR}, {D3DTSS_ALPHAOP, D3DTOP_MODULATE},
        {D3DTSS_ALPHAARG1, D3DTA_TEXTURE}, {D3DTSS_ALPHAARG2, D3DTA_TFACTOR},
    };
    CStateScope blendScope(device, blend);
    CStateScope stageScope(device, stage);
    blendScope.Apply();
    stageScope.Apply();
    device->SetRenderState(D3DRS_TEXTUREFACTOR, Premultiply(color));

    DWORD fvf = 0;
    device->GetFVF(&fvf);
    IDirect3DBaseTexture9* texture = nullptr;
    device->GetTexture(0, &texture);
    IDirect3DVertexBuffer9* stream = nullptr;
    UINT offset = 0;
    UINT stride = 0;
    device->GetStreamSource(0, &stream, &offset, &stride);
    device->SetTexture(0, m_texture);
    device->SetFVF(GUI_VERTEX_FVF);
    device->SetStreamSource(0, m_quad, 0, sizeof(GuiVertex));
    device->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
    device->SetStreamSource(0, stream, offset, stride);
    device->SetTexture(0, texture);
    device->SetFVF(fvf);
    ReleaseCom(stream);
    ReleaseCom(texture);
}

// Pixel centres sit half a texel off the texture's, hence the shift that makes the copy exact.
bool CGuiTextCache::FillQuad(const RECT& rect) const
{
    const RECT area = {rect.left + m_area.left, rect.top + m_area.top, rect.left + m_area.right,
                       rect.top + m_area.bottom};
    const GuiUv uv{0.0f, 0.0f,
                   static_cast<float>(m_area.right - m_area.left) / static_cast<float>(m_textureWidth),
                   static_cast<float>(m_area.bottom - m_area.top) / static_cast<float>(m_textureHeight)};
    GuiVertex vertices[4];
    MakeQuadVertices(area, uv, 0.0f, vertices);
    for (GuiVertex& vertex : vertices)
    {
        vertex.x -= 0.5f;
        vertex.y -= 0.5f;
    }
    void* data = nullptr;
    if (FAILED(m_quad->Lock(0, GUI_QUAD_BYTES, &data, D3DLOCK_DISCARD)))
    {
        return false;
    }
    std::memcpy(data, vertices, GUI_QUAD_BYTES);
    m_quad->Unlock();
    return true;
}
