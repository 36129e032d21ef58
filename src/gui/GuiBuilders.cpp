// Control builders of CRVDXGui: each makes one control with its textures and quads. Rectangles
// arrive relative to the container's origin and are stored in canvas pixels.
#include "Gui.h"

#include "GuiMessage.h"

namespace
{
// Shown in the name box until a character is shown there.
const wchar_t* const NAME_PLACEHOLDER = L"Quillmark站";

RECT OffsetRect(const RECT& rect, int x, int y)
{
    return RECT{rect.left + x, rect.top + y, rect.right + x, rect.bottom + y};
}
} // namespace

void CRVDXGui::AddLabel(int id, const wchar_t* text, const RECT& rect, D3DCOLOR color, int font,
                        D3DCOLOR hoverColor, D3DCOLOR disabledColor, bool centred, CRVDXGUIControl** control)
{
    if (!text || font < 0 || font >= FontCount())
    {
        return;
    }
    CRVDXGUIControl* label = AddControl(std::make_unique<CRVDXGUIControl>());
    label->m_id = id;
    label->m_type = GUI_TYPE_LABEL;
    label->m_rect = OffsetRect(rect, m_originX, m_originY);
    label->m_font = font;
    label->m_color = color;
    label->m_hoverColor = hoverColor ? hoverColor : color;
    label->m_disabledColor = disabledColor ? disabledColor : color;
    label->m_text = text;
    label->m_option = centred;
    if (control)
    {
        *control = label;
    }
}

void CRVDXGui::AddButton(int resourceId, const RECT* uv, int id, const wchar_t* text, const RECT& rect,
                         int pressedResourceId, const RECT* pressedUv, int hoverResourceId, D3DCOLOR color,
                         D3DCOLOR hoverColor, int font)
{
    CRVDXGUIControl* button = AddControl(std::make_unique<CRVDXGUIControl>());
    button->m_id = id;
    button->m_owner = this;
    button->m_type = GUI_TYPE_BUTTON;
    button->m_rect = OffsetRect(rect, m_originX, m_originY);
    button->m_color = color;
    button->m_disabledColor = color;
    button->m_hoverColor = hoverColor ? hoverColor : color;
    button->m_font = font == -1 ? m_defaultFont : font;
    if (text)
    {
        button->m_text = text;
    }
    button->m_texture = CreateTexture(resourceId);
    button->m_pressedTexture = pressedResourceId ? CreateTexture(pressedResourceId) : button->m_texture;
    button->m_hoverTexture = hoverResourceId ? CreateTexture(hoverResourceId) : button->m_texture;
    button->m_quad = AddRectQuad(button->m_rect, TextureUv(button->m_texture, uv));
    button->m_pressedQuad = pressedUv
                                ? AddRectQuad(button->m_rect, TextureUv(button->m_pressedTexture, pressedUv))
                                : button->m_quad;
    button->m_hoverQuad = button->m_quad;
}

void CRVDXGui::AddNameEdit(const RECT* uv, const RECT* pressedUv, const RECT& rect, int resourceId, int font)
{
    CRVDXGUIControl* edit = AddControl(std::make_unique<CRVDXGUIControl>());
    edit->m_owner = this;
    edit->m_type = GUI_TYPE_EDIT;
    edit->m_id = 1;
    edit->m_rect = OffsetRect(rect, m_originX, m_originY);
    edit->m_option = false;
    edit->m_color = 0xFF060504;
    edit->m_font = font == -1 ? m_defaultFont : font;
    edit->m_text = NAME_PLACEHOLDER;
    edit->m_texture = CreateTexture(resourceId);
    edit->m_pressedTexture = edit->m_texture;
    edit->m_hoverTexture = edit->m_texture;
    edit->m_quad = AddRectQuad(edit->m_rect, TextureUv(edit->m_texture, uv));
    edit->m_pressedQuad =
        pressedUv ? AddRectQuad(edit->m_rect, TextureUv(edit->m_texture, pressedUv)) : edit->m_quad;
    edit->m_hoverQuad = edit->m_quad;
    edit->m_maxLength = 14;
}

void CRVDXGui::AddNumberEdit(int id, int x, int y, int style, int maxLength, int font)
{
    const CRVDXGUIStyle* look = StyleAt(style);
    if (!look)
    {
        return;
    }
    const CRVDXGUIStyle& chosen = *look;
    CRVDXGUIControl* edit = AddControl(std::make_unique<CRVDXGUIControl>());
    edit->m_style = style;
    edit->m_id = id;
    edit->m_type = GUI_TYPE_EDIT;
    const int left = x + m_originX;
    const int top = y + m_originY;
    edit->m_rect = RECT{left, top, left + chosen.m_width, top + chosen.m_height};
    edit->m_option = true;
    edit->m_color = 0xFFFFFFFF;
    edit->m_font = font == -1 ? m_defaultFont : font;
    edit->m_quad = AddRectQuad(edit->m_rect, chosen.m_uv);
    edit->m_pressedQuad =
        chosen.m_pressedUv.IsPresent() ? AddRectQuad(edit->m_rect, chosen.m_pressedUv) : edit->m_quad;
    edit->m_hoverQuad = edit->m_quad;
    edit->m_maxLength = maxLength;
}

void CRVDXGui::AddCheckBox(int font, const RECT& rect)
{
    const CRVDXGUIStyle* look = StyleAt(m_checkBoxStyle);
    if (!look)
    {
        ShowGuiMessage(L"未给CheckBox设置Style");
        return;
    }
    const CRVDXGUIStyle& chosen = *look;
    CRVDXGUIControl* box = AddControl(std::make_unique<CRVDXGUIControl>());
    box->m_owner = this;
    box->m_type = GUI_TYPE_CHECKBOX;
    box->m_id = 63;
    box->m_rect = OffsetRect(rect, m_originX, m_originY);
    box->m_color = 0xFF401F0D;
    box->m_hoverColor = 0xFF401F0D;
    box->m_disabledColor = 0xFF401F0D;
    box->m_font = font == -1 ? m_defaultFont : font;
    box->m_text = L"直面人生";
    box->m_style = m_checkBoxStyle;
    // The quad covers only the style's box; the hit rectangle also covers the text right of it.
    const RECT square = {box->m_rect.left, box->m_rect.top, box->m_rect.left + chosen.m_width,
                         box->m_rect.top + chosen.m_height};
    box->m_quad = AddRectQuad(square, chosen.m_uv);
    box->m_pressedQuad =
        chosen.m_pressedUv.IsPresent() ? AddRectQuad(square, chosen.m_pressedUv) : box->m_quad;
}

void CRVDXGui::AddListBox(const RECT& rect, const RECT& itemSource, const RECT& trackSource,
                          const RECT& thumbSource, CRVDXGUIListBox** listBox)
{
    auto owned = std::make_unique<CRVDXGUIListBox>();
    CRVDXGUIListBox* box = owned.get();
    AddControl(std::move(owned));
    box->m_owner = this;
    box->m_type = GUI_TYPE_LISTBOX;
    box->m_id = 101;
    box->m_rect = OffsetRect(rect, m_originX, m_originY);
    box->m_font = m_defaultFont;
    box->m_itemWidth = 72;
    box->m_itemHeight = 70;
    box->m_columns = 3;
    AddStyle(GUI_CELL_IMAGE, 72, 70, &itemSource, nullptr, box->m_itemStyle);
    box->m_itemOffsetX = 0;
    box->m_itemOffsetY = 0;
    if (listBox)
    {
        *listBox = box;
    }
    box->m_itemSource = itemSource;
    box->m_option = true;
    box->m_trackTexture = CreateTexture(GUI_ATLAS_IMAGE);
    box->m_trackSource = trackSource;
    box->m_thumbSource = thumbSource;
    box->m_thumbTexture = box->m_trackTexture;
    box->m_trackLength = 460;
    box->m_thumbLength = 90;
    box->m_trackWidth = 14;
    box->m_thumbWidth = 5;
    box->m_trackOffsetX = 218;
    box->m_trackOffsetY = 8;
    box->m_thumbOffsetX = 5;
    box->m_thumbOffsetY = 5;
    // An empty source rectangle would divide by zero; such a bar is drawn at its source size.
    const auto scale = [](int wanted, LONG low, LONG high)
    { return high != low ? static_cast<float>(wanted) / static_cast<float>(high - low) : 1.0f; };
    box->m_trackScale[0] = scale(box->m_trackWidth, trackSource.left, trackSource.right);
    box->m_trackScale[1] = scale(box->m_trackLength, trackSource.top, trackSource.bottom);
    box->m_thumbScale[0] = scale(box->m_thumbWidth, thumbSource.left, thumbSource.right);
    box->m_thumbScale[1] = scale(box->m_thumbLength, thumbSource.top, thumbSource.bottom);
    const RECT& r = box->m_rect;
    box->m_trackRect = RECT{r.left + 218, r.top + 8, r.left + 232, r.top + 468};
    box->m_thumbRect = RECT{r.left + 223, r.top + 13, r.left + 228, r.top + 103};
}
