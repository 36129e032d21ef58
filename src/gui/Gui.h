// CRVDXGui: one screen layer of the toolkit. It owns a background, fonts, styles, quads, controls,
// floating notices and a sprite, builds controls, exchanges control values by id and releases it
// all. The per-frame pass is ProcessFrame (GuiFrame.h); nothing here draws.
#pragma once

#include "GuiControl.h"
#include "GuiEventHandler.h"
#include "GuiListBox.h"
#include "GuiTypes.h"

#include <d3dx9core.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Exchange directions: collect reads a control into the value, show writes the value into it.
constexpr int GUI_EXCHANGE_SHOW = 0;
constexpr int GUI_EXCHANGE_COLLECT = 1;

// Id of the character-list labels that ClearListLabels removes.
constexpr int GUI_LIST_LABEL_ID = 3;

// Embedded images the list box builder uses: the cell image and the atlas with the scroll bar.
constexpr int GUI_CELL_IMAGE = 319;
constexpr int GUI_ATLAS_IMAGE = 312;

// Decimal text of a value, with a leading '-' when it is negative.
std::wstring FormatInt(int32_t value);
// Reads a decimal text as FormatInt writes it: an optional leading '-', then digits up to the
// first other character. Values beyond the int32 range stop at its ends; empty gives 0.
int32_t ParseInt(const std::wstring& text);

class CRVDXGui
{
public:
    CRVDXGui() = default;
    virtual ~CRVDXGui();
    CRVDXGui(const CRVDXGui&) = delete;
    CRVDXGui& operator=(const CRVDXGui&) = delete;

    // Resources. Creation results are not reported: a failed image leaves a null texture (its
    // quads draw untextured), a failed font a null slot (its texts and reports are skipped).
    void SetBackground(int resourceId);
    // Appends a font of the face, or of an installed Chinese face when that one is missing; with
    // no device it does nothing and leaves index untouched.
    void AddFont(const wchar_t* face, int height, int& index);
    // Appends a style; the rectangles are in texture pixels, null normal = the whole texture,
    // null pressed = no pressed look.
    void AddStyle(int resourceId, int width, int height, const RECT* normal, const RECT* pressed, int& index);
    // Appends a quad of four vertices in strip order; null adds nothing. Its index is the quad
    // count before the call.
    void AddQuad(const GuiVertex* vertices);
    // Appends a control; the container owns it from now on. Returns it for filling its fields.
    CRVDXGUIControl* AddControl(std::unique_ptr<CRVDXGUIControl> control);

    // Builders. Rectangles and positions are relative to the origin; font -1 = m_defaultFont.
    void AddLabel(int id, const wchar_t* text, const RECT& rect, D3DCOLOR color, int font,
                  D3DCOLOR hoverColor, D3DCOLOR disabledColor, bool centred,
                  CRVDXGUIControl** control = nullptr);
    void AddButton(int resourceId, const RECT* uv, int id, const wchar_t* text, const RECT& rect,
                   int pressedResourceId, const RECT* pressedUv, int hoverResourceId, D3DCOLOR color,
                   D3DCOLOR hoverColor, int font);
    void AddNameEdit(const RECT* uv, const RECT* pressedUv, const RECT& rect, int resourceId, int font);
    void AddNumberEdit(int id, int x, int y, int style, int maxLength, int font);
    void AddCheckBox(int font, const RECT& rect);
    void AddListBox(const RECT& rect, const RECT& itemSource, const RECT& trackSource,
                    const RECT& thumbSource, CRVDXGUIListBox** listBox);

    // Value exchange with the first control of the id; nothing happens when there is none.
    void ExchangeText(int direction, int id, std::wstring& text);
    void ExchangeInt(int direction, int id, int32_t& value);
    CRVDXGUIControl* FindControl(int id) const;

    // Deletes every control with GUI_LIST_LABEL_ID; their entries stay, empty.
    void ClearListLabels();
    // Appends a floating notice that starts at the canvas bottom.
    void AddNotice(const std::wstring& text, D3DCOLOR color);
    // Releases every texture, quad, font, control, style and the sprite; counts become 0. Notices
    // stay, without their text textures.
    void ReleaseAll();

    int FontCount() const { return static_cast<int>(m_fonts.size()); }
    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    int StyleCount() const { return static_cast<int>(m_styles.size()); }
    int QuadCount() const { return static_cast<int>(m_quads.size()); }

    // Table lookups that answer null for an index outside the table.
    ID3DXFont* FontAt(int index) const;
    const CRVDXGUIStyle* StyleAt(int index) const;
    IDirect3DVertexBuffer9* QuadAt(int index) const;

    IDirect3DDevice9* m_device = nullptr; // not owned
    int m_width = 0;
    int m_height = 0;
    int m_originX = 0;
    int m_originY = 0;
    IDirect3DTexture9* m_background = nullptr;
    IDirect3DVertexBuffer9* m_backgroundQuad = nullptr;
    std::vector<ID3DXFont*> m_fonts;
    int m_defaultFont = 0;
    std::vector<std::unique_ptr<CRVDXGUIControl>> m_controls; // drawing order; entries may be empty
    std::vector<CRVDXGUIStyle> m_styles;
    std::vector<IDirect3DVertexBuffer9*> m_quads;
    bool m_textEntry = false; // an edit box had the focus during the last pass
    int m_checkBoxStyle = -1;
    DWORD m_noticeLifetime = 0; // milliseconds
    int m_noticeFont = -1;
    std::vector<CRVDXGUINotice> m_notices; // oldest first
    ID3DXSprite* m_sprite = nullptr;
    IGuiEventHandler* m_handler = nullptr; // not owned; null = nothing is reported

private:
    IDirect3DTexture9* CreateTexture(int resourceId) const;
    IDirect3DVertexBuffer9* CreateQuad(const GuiVertex* vertices) const;
    // Appends the quad of a rectangle and a texture rectangle; returns its index.
    int AddRectQuad(const RECT& rect, const GuiUv& uv);
    void ReleaseControl(std::unique_ptr<CRVDXGUIControl>& control);
};

// Texture coordinates of a rectangle in pixels of the texture's top level; null rectangle or
// null texture = the whole texture.
GuiUv TextureUv(IDirect3DTexture9* texture, const RECT* pixels);
// The four strip-ordered vertices of a rectangle with a texture rectangle.
void MakeQuadVertices(const RECT& rect, const GuiUv& uv, float z, GuiVertex vertices[4]);
