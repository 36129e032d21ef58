// The list box part of the per-frame pass (cells, selection, scroll bar) and its cell layout.
#include "GuiListBox.h"

#include "Gui.h"
#include "GuiDraw.h"
#include "GuiTypes.h"

#include <d3dx9math.h>

#include <algorithm>

namespace
{
// Draws a bar image stretched by the scale; the sprite transform scales the position too, so
// the position is divided by it to land on the rectangle's corner.
void DrawBar(ID3DXSprite* sprite, IDirect3DTexture9* texture, const RECT& source, const float scale[2],
             const RECT& rect, float z)
{
    D3DXMATRIX transform;
    D3DXMatrixScaling(&transform, scale[0], scale[1], 1.0f);
    sprite->SetTransform(&transform);
    const D3DXVECTOR3 position(static_cast<float>(rect.left) / scale[0],
                               static_cast<float>(rect.top) / scale[1], z);
    if (texture)
    {
        sprite->Draw(texture, &source, nullptr, &position, 0xFFFFFFFF);
    }
    D3DXMatrixIdentity(&transform);
    sprite->SetTransform(&transform);
}
} // namespace

void CRVDXGUIListBox::AddListItem()
{
    CRVDXGUIListBoxItem item;
    item.m_index = static_cast<int>(m_items.size());
    const int columns = std::max(m_columns, 1);
    item.m_rect.left = (item.m_index % columns) * m_itemWidth + m_itemOffsetX + m_rect.left;
    item.m_rect.top = (item.m_index / columns) * m_itemHeight + m_itemOffsetY + m_rect.top;
    item.m_rect.right = item.m_rect.left + m_itemWidth;
    item.m_rect.bottom = item.m_rect.top + m_itemHeight;
    m_items.push_back(item);
}

void CRVDXGUIListBox::ScrollTo(int p)
{
    p = std::clamp(p, 0, std::max(m_trackLength - m_thumbLength, 0));
    m_thumbRect.top = m_trackRect.top + m_thumbOffsetY + p;
    m_thumbRect.bottom = m_thumbRect.top + m_thumbLength;
}

int CRVDXGUIListBox::ThumbPosition() const
{
    return m_thumbRect.top - m_trackRect.top - m_thumbOffsetY;
}

int CRVDXGUIListBox::ProcessListBox(int event, int leftButton, int x, int y)
{
    if (!m_owner || !m_owner->m_device || !m_owner->m_sprite)
    {
        return event;
    }
    IDirect3DDevice9* device = m_owner->m_device;
    ID3DXSprite* sprite = m_owner->m_sprite;
    SetAlphaBlend(device, true);
    sprite->Begin(D3DXSPRITE_ALPHABLEND | D3DXSPRITE_SORT_TEXTURE);
    int result = event;
    DrawCells(event, leftButton, x, y, result);
    if (m_option)
    {
        ProcessScrollBar(leftButton, x, y);
    }
    sprite->End();
    SetAlphaBlend(device, false);
    return result;
}

void CRVDXGUIListBox::DrawCells(int event, int leftButton, int x, int y, int& result)
{
    if (m_columns <= 0 || m_itemHeight <= 0)
    {
        return;
    }
    const CRVDXGUIStyle* style = m_owner->StyleAt(m_itemStyle);
    IDirect3DTexture9* texture = style ? style->m_texture : nullptr;
    const bool overBox = event != GUI_EVENT_NONE;
    const int rows = (static_cast<int>(m_items.size()) + 2) / m_columns;
    const int range = std::max(rows * m_itemHeight - m_trackLength, 0);
    const int travel = m_trackLength - m_thumbLength;
    const int visibleTop = m_itemOffsetY + m_rect.top;
    const double scrolled = travel > 0 ? static_cast<double>(ThumbPosition()) / travel * range : 0.0;
    const int base = static_cast<int>(visibleTop - scrolled);
    for (CRVDXGUIListBoxItem& item : m_items)
    {
        const int top = (item.m_index / m_columns) * m_itemHeight + base;
        const int bottom = top + m_itemHeight;
        item.m_rect.top = top;
        item.m_rect.bottom = bottom;
        if (bottom <= visibleTop)
        {
            item.m_visible = false;
            continue;
        }
        if (top >= m_rect.bottom)
        {
            item.m_visible = false;
            break;
        }
        item.m_visible = true;
        RECT source = m_itemSource;
        D3DXVECTOR3 position(static_cast<float>(item.m_rect.left), static_cast<float>(top), 0.0f);
        if (top < visibleTop)
        {
            const int hidden = visibleTop - top;
            position.y += static_cast<float>(hidden);
            source.top += hidden * (m_itemSource.bottom - m_itemSource.top) / m_itemHeight;
        }
        if (bottom > m_rect.bottom)
        {
            source.bottom -= bottom - m_rect.bottom;
        }
        if (texture)
        {
            m_owner->m_sprite->Draw(texture, &source, nullptr, &position, 0xFFFFFFFF);
        }
        if (!overBox)
        {
            continue;
        }
        if (IsOver(item.m_rect, x, y))
        {
            if (leftButton == BUTTON_UP)
            {
                item.m_pressed = false;
            }
            else if (leftButton == BUTTON_PRESSED && !item.m_pressed)
            {
                m_selected = item.m_index;
                result = GUI_EVENT_SELECT;
                item.m_pressed = true;
            }
        }
        else
        {
            item.m_pressed = false;
        }
    }
}

void CRVDXGUIListBox::ProcessScrollBar(int leftButton, int x, int y)
{
    if (leftButton == BUTTON_UP)
    {
        m_dragging = false;
    }
    if (IsOver(m_thumbRect, x, y))
    {
        if (leftButton == BUTTON_PRESSED && !m_dragging)
        {
            m_grab = y - ThumbPosition();
            m_dragging = true;
        }
    }
    else if (IsOver(m_trackRect, x, y))
    {
        if (leftButton == BUTTON_UP && m_trackPressed)
        {
            m_trackPressed = false;
            ScrollTo(y - m_trackRect.top - m_thumbOffsetY);
        }
        else if (leftButton == BUTTON_PRESSED && !m_trackPressed)
        {
            m_trackPressed = true;
        }
    }
    else
    {
        m_trackPressed = false;
    }
    ID3DXSprite* sprite = m_owner->m_sprite;
    DrawBar(sprite, m_trackTexture, m_trackSource, m_trackScale, m_trackRect, 0.3f);
    if (m_dragging)
    {
        ScrollTo(y - m_grab);
    }
    DrawBar(sprite, m_thumbTexture, m_thumbSource, m_thumbScale, m_thumbRect, 0.2f);
}
