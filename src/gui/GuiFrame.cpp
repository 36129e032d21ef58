// ProcessFrame: one pass over a container. Hit test, state change, drawing and report of each
// control happen together, in table order; then the notices; then the button state ages.
#include "GuiFrame.h"

#include "Clock.h"
#include "Gui.h"
#include "GuiDraw.h"
#include "GuiTyping.h"

#include <algorithm>

namespace
{
// Consecutive passes, over all containers, that ended with the button PRESSED. Two passes run per
// frame when a page is shown, so PRESSED must survive until the second of them.
int s_pressPasses = 0;

constexpr DWORD TEXT_CENTRED = DT_CENTER | DT_VCENTER;

void DrawQuad(IDirect3DDevice9* device, IDirect3DVertexBuffer9* quad, IDirect3DTexture9* texture)
{
    device->SetTexture(0, texture);
    device->SetStreamSource(0, quad, 0, sizeof(GuiVertex));
    device->SetFVF(GUI_VERTEX_FVF);
    device->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
}

// Draws a control's look with blending; a quad index outside the table draws nothing.
void DrawLook(CRVDXGui& gui, int quadIndex, IDirect3DTexture9* texture)
{
    IDirect3DVertexBuffer9* quad = gui.QuadAt(quadIndex);
    if (!quad)
    {
        return;
    }
    SetAlphaBlend(gui.m_device, true);
    DrawQuad(gui.m_device, quad, texture);
    SetAlphaBlend(gui.m_device, false);
}

// A text is drawn into a texture once and shown as a tinted quad from then on, in table order.
// When that is not possible it goes through the container's sprite in a batch of its own: without
// a sprite ID3DXFont makes and frees one for every call, which under Wine costs about three times
// as much.
void DrawControlText(CRVDXGui& gui, CGuiTextCache& cache, ID3DXFont* font, const std::wstring& text,
                     RECT rect, DWORD format, D3DCOLOR color)
{
    if (!font || text.empty())
    {
        cache.Release();
        return;
    }
    if (cache.ShowText(gui.m_device, gui.m_sprite, font, text, rect, format, color))
    {
        return;
    }
    ID3DXSprite* sprite = gui.m_sprite;
    if (sprite && FAILED(sprite->Begin(D3DXSPRITE_ALPHABLEND)))
    {
        sprite = nullptr;
    }
    font->DrawTextW(sprite, text.c_str(), -1, &rect, format, color);
    if (sprite)
    {
        sprite->End();
    }
}

// The click rule of labels, buttons and check boxes: down over the control, held over it, up
// over it. Returns true on the pass of the click.
bool ApplyClickRule(CRVDXGUIControl& control, bool over, int leftButton)
{
    if (!over)
    {
        control.m_pressed = false;
        return false;
    }
    if (leftButton == BUTTON_UP && control.m_pressed)
    {
        control.m_pressed = false;
        return true;
    }
    if (leftButton == BUTTON_PRESSED && !control.m_pressed)
    {
        control.m_pressed = true;
    }
    return false;
}

// The texture a look draws with: the style's when the control has one (none when the style
// index is outside the table), else the control's own.
bool ChooseTexture(const CRVDXGui& gui, const CRVDXGUIControl& control, IDirect3DTexture9* own,
                   IDirect3DTexture9*& texture)
{
    if (control.m_style < 0)
    {
        texture = own;
        return true;
    }
    const CRVDXGUIStyle* style = gui.StyleAt(control.m_style);
    texture = style ? style->m_texture : nullptr;
    return style != nullptr;
}

// Returns false when the control is not to be reported in this pass.
bool ProcessLabel(CRVDXGui& gui, CRVDXGUIControl& label, bool over, int leftButton, int& event)
{
    D3DCOLOR color = label.m_color;
    if (label.m_disabled)
    {
        color = label.m_disabledColor;
    }
    else
    {
        if (ApplyClickRule(label, over, leftButton))
        {
            event = GUI_EVENT_CLICK;
        }
        if (over && label.m_hoverColor)
        {
            color = label.m_hoverColor;
        }
    }
    ID3DXFont* font = gui.FontAt(label.m_font);
    if (!font)
    {
        return false;
    }
    DrawControlText(gui, label.m_textCache, font, label.m_text, label.m_rect,
                    label.m_option ? TEXT_CENTRED : DT_NOCLIP, color);
    return true;
}

void ProcessButton(CRVDXGui& gui, CRVDXGUIControl& button, bool over, int leftButton, int& event)
{
    if (ApplyClickRule(button, over, leftButton))
    {
        event = GUI_EVENT_CLICK;
    }
    int quad = button.m_quad;
    IDirect3DTexture9* own = button.m_texture;
    if (over && leftButton > BUTTON_UP)
    {
        quad = button.m_pressedQuad;
        own = button.m_pressedTexture;
    }
    else if (over)
    {
        quad = button.m_hoverQuad;
        own = button.m_hoverTexture;
    }
    IDirect3DTexture9* texture = nullptr;
    if (ChooseTexture(gui, button, own, texture))
    {
        DrawLook(gui, quad, texture);
    }
    DrawControlText(gui, button.m_textCache, gui.FontAt(button.m_font), button.m_text, button.m_rect,
                    TEXT_CENTRED, over ? button.m_hoverColor : button.m_color);
}

bool ProcessEdit(CRVDXGui& gui, CRVDXGUIControl& edit, bool over, int leftButton, std::wstring& typedText)
{
    if (over && leftButton == BUTTON_PRESSED)
    {
        edit.m_pressed = true;
    }
    else if (!over && leftButton > BUTTON_UP)
    {
        edit.m_pressed = false;
    }
    IDirect3DTexture9* texture = nullptr;
    bool styled = false;
    if (edit.m_pressed)
    {
        gui.m_textEntry = true;
        styled = ChooseTexture(gui, edit, edit.m_pressedTexture, texture);
        if (styled)
        {
            DrawLook(gui, edit.m_pressedQuad, texture);
        }
        TypeInto(edit.m_text, typedText, edit.m_option, edit.m_maxLength);
        typedText.clear();
    }
    else
    {
        styled = ChooseTexture(gui, edit, edit.m_texture, texture);
        if (styled)
        {
            DrawLook(gui, edit.m_quad, texture);
        }
    }
    ID3DXFont* font = gui.FontAt(edit.m_font);
    if (!font)
    {
        return false;
    }
    DrawControlText(gui, edit.m_textCache, font, edit.m_text, edit.m_rect, TEXT_CENTRED, edit.m_color);
    return true;
}

void ProcessCheckBox(CRVDXGui& gui, CRVDXGUIControl& box, bool over, int leftButton, int& event)
{
    if (ApplyClickRule(box, over, leftButton))
    {
        event = GUI_EVENT_CLICK;
        box.m_option = !box.m_option;
    }
    const CRVDXGUIStyle* style = gui.StyleAt(box.m_style);
    if (style)
    {
        DrawLook(gui, box.m_option ? box.m_pressedQuad : box.m_quad, style->m_texture);
    }
    RECT textRect = box.m_rect;
    textRect.left += style ? style->m_width : 0;
    DrawControlText(gui, box.m_textCache, gui.FontAt(box.m_font), box.m_text, textRect, DT_VCENTER,
                    over ? box.m_hoverColor : box.m_color);
}

void ProcessControl(CRVDXGui& gui, CRVDXGUIControl& control, std::wstring& typedText, int leftButton, int x,
                    int y)
{
    const bool over = IsOver(control.m_rect, x, y);
    int event = GUI_EVENT_NONE;
    if (over)
    {
        event = leftButton == BUTTON_PRESSED ? GUI_EVENT_PRESS : GUI_EVENT_HOVER;
    }
    bool report = true;
    switch (control.m_type)
    {
    case GUI_TYPE_LABEL: report = ProcessLabel(gui, control, over, leftButton, event); break;
    case GUI_TYPE_BUTTON: ProcessButton(gui, control, over, leftButton, event); break;
    case GUI_TYPE_EDIT: report = ProcessEdit(gui, control, over, leftButton, typedText); break;
    case GUI_TYPE_CHECKBOX: ProcessCheckBox(gui, control, over, leftButton, event); break;
    case GUI_TYPE_LISTBOX:
        if (auto* listBox = dynamic_cast<CRVDXGUIListBox*>(&control))
        {
            event = listBox->ProcessListBox(event, leftButton, x, y);
        }
        break;
    default: break;
    }
    if (report && gui.m_handler)
    {
        gui.m_handler->OnGuiEvent(control.m_id, event, control);
    }
}

void ProcessNotices(CRVDXGui& gui)
{
    if (gui.m_notices.empty())
    {
        return;
    }
    ID3DXFont* font = gui.FontAt(gui.m_noticeFont);
    const DWORD now = GuiTickCount();
    // Each notice beyond three lifts the line where rising notices stop by 20 pixels.
    const int limit = std::min(595 - 20 * static_cast<int>(gui.m_notices.size()), 535);
    int previous = 0;
    for (size_t i = 0; i < gui.m_notices.size();)
    {
        CRVDXGUINotice& notice = gui.m_notices[i];
        if (notice.m_y > limit)
        {
            // One pixel per 5 ms since the last move, in unsigned tick arithmetic.
            notice.m_y -= static_cast<int>((now - notice.m_lastMove) / 5);
            notice.m_lastMove = now;
        }
        if (notice.m_y < previous + 20)
        {
            notice.m_y = previous + 20;
        }
        previous = notice.m_y;
        DrawControlText(gui, notice.m_textCache, font, notice.m_text, RECT{5, notice.m_y, 0, 0}, DT_NOCLIP,
                        notice.m_color);
        if (now - notice.m_created >= gui.m_noticeLifetime)
        {
            gui.m_notices.erase(gui.m_notices.begin() + static_cast<std::ptrdiff_t>(i));
        }
        else
        {
            ++i;
        }
    }
}

void AgeButtonState(int& leftButton)
{
    if (leftButton == BUTTON_PRESSED)
    {
        if (++s_pressPasses == 2)
        {
            leftButton = BUTTON_HELD;
        }
    }
    else
    {
        s_pressPasses = 0;
    }
}
} // namespace

void ProcessFrame(CRVDXGui* gui, std::wstring& typedText, int& leftButton, int x, int y)
{
    if (!gui || !gui->m_device)
    {
        return;
    }
    gui->m_textEntry = false;
    if (gui->m_background && gui->m_backgroundQuad)
    {
        DrawQuad(gui->m_device, gui->m_backgroundQuad, gui->m_background);
        gui->m_device->SetTexture(0, nullptr);
    }
    // Size and entries are read again at every step: the handler may add controls meanwhile.
    for (size_t i = 0; i < gui->m_controls.size(); ++i)
    {
        if (CRVDXGUIControl* control = gui->m_controls[i].get())
        {
            ProcessControl(*gui, *control, typedText, leftButton, x, y);
        }
    }
    ProcessNotices(*gui);
    AgeButtonState(leftButton);
}
