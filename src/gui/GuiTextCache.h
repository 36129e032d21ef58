// CGuiTextCache: one text drawn once into a texture, in white, and then shown each frame as one
// textured quad tinted with the text's colour. Draws nothing itself when the device cannot make the
// texture: the caller then draws the text directly.
#pragma once

#include <d3dx9core.h>

#include <optional>
#include <string>
#include <utility>

class CGuiTextCache
{
public:
    CGuiTextCache() = default;
    ~CGuiTextCache() { Release(); }
    CGuiTextCache(const CGuiTextCache&) = delete;
    CGuiTextCache& operator=(const CGuiTextCache&) = delete;
    CGuiTextCache(CGuiTextCache&& other) noexcept { *this = std::move(other); }
    CGuiTextCache& operator=(CGuiTextCache&& other) noexcept;

    // Shows the text as font->DrawTextW(sprite, text, -1, &rect, format, color) would, inside a
    // scene. It is drawn into the texture again only when the font, text, format or rectangle
    // size changed. False when it could not be shown this way.
    bool ShowText(IDirect3DDevice9* device, ID3DXSprite* sprite, ID3DXFont* font, const std::wstring& text,
                  const RECT& rect, DWORD format, D3DCOLOR color);
    void Release();

    // How many times the text was drawn into a texture.
    int RenderCount() const { return m_renders; }
    IDirect3DTexture9* Texture() const { return m_texture; }

private:
    // What the text looks like, apart from its colour and position.
    struct TextKey
    {
        ID3DXFont* font = nullptr; // not owned
        std::wstring text;
        DWORD format = 0;
        LONG width = 0;
        LONG height = 0;

        bool operator==(const TextKey&) const = default;
    };

    bool Render(IDirect3DDevice9* device, ID3DXSprite* sprite);
    bool DrawWhiteText(IDirect3DDevice9* device, ID3DXSprite* sprite, RECT textRect) const;
    void ShowTexture(IDirect3DDevice9* device, const RECT& rect, D3DCOLOR color);
    bool FillQuad(const RECT& rect) const;

    IDirect3DTexture9* m_texture = nullptr;
    IDirect3DVertexBuffer9* m_quad = nullptr;
    std::optional<POINT> m_quadCorner; // the text rectangle's corner the quad was written for
    TextKey m_key;
    bool m_failed = false;      // this key could not be drawn into a texture: the caller draws it
    RECT m_area = {0, 0, 0, 0}; // texture pixels in use, relative to the text rectangle's corner
    UINT m_textureWidth = 0;
    UINT m_textureHeight = 0;
    int m_renders = 0;
};
