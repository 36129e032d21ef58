// Measures one ProcessFrame of a container laid out like the character page after a load (its
// 72 controls and 16 character-list labels) and what dominates it: variants without text,
// without control quads, without both, and with every text drawn into its texture anew run
// interleaved in one process and are compared as ratios. A second table times the same texts
// drawn by ID3DXFont alone (no sprite, the container's sprite per text, one sprite batch) and
// shown from their cached textures. Prints tables; asserts nothing.
#include "Gui.h"
#include "GuiFrame.h"
#include "GuiTestDevice.h"
#include "ImageIds.h"

#include <d3dx9core.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
const wchar_t* const SKILLS[24] = {L"刚体", L"骁勇",   L"强掷", L"强弓",     L"精武", L"盾防",
                                   L"跑动", L"骑术",   L"骑射", L"劫掠",     L"练兵", L"慧眼",
                                   L"谋略", L"行军",   L"视野", L"物品管理", L"养生", L"医术",
                                   L"包扎", L"工程学", L"说服", L"俘虏管理", L"统御", L"交涉"};

struct CCountingHandler : IGuiEventHandler
{
    void OnGuiEvent(int, int event, CRVDXGUIControl&) override { m_clicks += event == GUI_EVENT_CLICK; }
    int m_clicks = 0;
};

void AddStatic(CRVDXGui& gui, const wchar_t* text, int x, int y, D3DCOLOR color, int font)
{
    gui.AddLabel(0, text, RECT{x, y, x, y}, color, font, color, color, false);
}

void BuildCharacterPage(CRVDXGui& gui)
{
    gui.SetBackground(IDR_CHARACTER_PAGE);
    int font = -1;
    gui.AddFont(L"楷体", 20, font);
    AddStatic(gui, L"等级：", 285, 66, 0xFF401F0D, 0);
    AddStatic(gui, L"经验值：", 285, 86, 0xFF401F0D, 0);
    gui.AddLabel(58, L"12", RECT{345, 66, 345, 66}, 0xFF401F0D, 0, 0, 0, false);
    gui.AddLabel(59, L"34567", RECT{365, 86, 365, 86}, 0xFF401F0D, 0, 0, 0, false);
    gui.AddFont(L"楷体", 17, font);
    AddStatic(gui, L"属性", 66, 388, 0xFF192541, 1);
    AddStatic(gui, L"技能", 315, 175, 0xFF3A5224, 1);
    AddStatic(gui, L"人物列表", 600, 258, 0xFF5B3E27, 1);
    gui.AddFont(L"楷体", 15, font);
    const wchar_t* attributes[4] = {L"力：", L"敏：", L"智：", L"魅："};
    for (int j = 0; j < 4; ++j)
    {
        gui.AddLabel(0, attributes[j], RECT{40, 418 + 25 * j, 220, 433 + 25 * j}, 0xFF192541, 2, 0xFF252ED1,
                     0, false);
    }
    gui.AddFont(L"楷体", 14, font);
    for (int k = 0; k < 24; ++k)
    {
        gui.AddLabel(0, SKILLS[k], RECT{278, 200 + 14 * k, 518, 214 + 14 * k}, 0xFF3A5224, 3, 0xFF20AF19, 0,
                     false);
    }
    AddStatic(gui, L"属性点:", 48, 535, 0xFF192541, 1);
    AddStatic(gui, L"技能点:", 310, 535, 0xFF3A5224, 1);
    AddStatic(gui, L"武器点:", 310, 555, 0xFF5B3E27, 1);
    gui.AddFont(L"宋体", 18, font);
    const RECT nameNormal = {12, 545, 602, 610};
    const RECT nameFocused = {12, 446, 602, 511};
    gui.AddNameEdit(&nameNormal, &nameFocused, RECT{245, 15, 555, 50}, IDR_ATLAS, 4);
    const RECT doneNormal = {330, 115, 565, 195};
    const RECT donePressed = {330, 15, 565, 95};
    gui.AddButton(IDR_ATLAS, &doneNormal, 13, L"完成", RECT{685, 555, 785, 590}, 0, &donePressed, 0,
                  0xFF090807, 0xFF187F11, 0);
    const RECT number = {757, 220, 931, 284};
    int style = -1;
    gui.AddStyle(IDR_ATLAS, 48, 14, &number, nullptr, style);
    for (int k = 0; k < 24; ++k)
    {
        gui.AddNumberEdit(14 + k, 470, 200 + 14 * k, style, 2, 3);
    }
    gui.AddStyle(IDR_ATLAS, 96, 15, &number, nullptr, style);
    for (int j = 0; j < 4; ++j)
    {
        gui.AddNumberEdit(54 + j, 120, 418 + 25 * j, style, 10, 3);
    }
    gui.AddNumberEdit(60, 113, 537, style, 10, 3);
    gui.AddNumberEdit(61, 375, 537, style, 10, 3);
    gui.AddNumberEdit(62, 375, 557, style, 10, 3);
    const RECT unchecked = {650, 135, 680, 180};
    const RECT checked = {682, 135, 712, 180};
    gui.AddStyle(IDR_ATLAS, 30, 45, &unchecked, &checked, gui.m_checkBoxStyle);
    gui.AddCheckBox(0, RECT{595, 66, 715, 111});
    // What a load adds: values in the number boxes and the character list.
    for (const auto& control : gui.m_controls)
    {
        if (control->m_type == GUI_TYPE_EDIT && control->m_option)
        {
            control->m_text = control->m_maxLength == 2 ? L"7" : L"1234";
        }
    }
    gui.AddFont(L"楷体", 15, font);
    for (int row = 0; row < 16; ++row)
    {
        gui.AddLabel(GUI_LIST_LABEL_ID, L"同伴名字", RECT{575, 287 + 15 * row, 767, 302 + 15 * row},
                     0xFF5B3E27, font, 0xFFF6D816, 0, false);
    }
}

struct CVariant
{
    const char* name;
    bool text;
    bool quads;
    bool fresh; // every text's texture is released before each pass, as after a load
    std::vector<double> wallMicros;
    std::vector<double> cpuMicros;
};

// CPU of the calling thread. Its clock ticks coarsely (10-16 ms), so the figures are means over
// all counted passes rather than medians of rounds.
double ThreadCpuMicros()
{
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& time)
    { return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10.0;
}

// Switches texts and quads of every control on or off by swapping in saved values.
void ApplyVariant(CRVDXGui& gui, const std::vector<std::wstring>& texts, const std::vector<int>& quads,
                  const CVariant& variant)
{
    for (size_t i = 0; i < gui.m_controls.size(); ++i)
    {
        gui.m_controls[i]->m_text = variant.text ? texts[i] : std::wstring();
        gui.m_controls[i]->m_quad = variant.quads ? quads[i] : -1;
        gui.m_controls[i]->m_pressedQuad = gui.m_controls[i]->m_quad;
    }
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Mean(const std::vector<double>& values)
{
    double total = 0.0;
    for (double value : values)
    {
        total += value;
    }
    return total / static_cast<double>(values.size());
}

double NowMicros()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

// Draws every control text of the container the way the mode says, once.
void DrawTexts(const CRVDXGui& gui, int mode, std::vector<CGuiTextCache>& caches)
{
    ID3DXSprite* sprite = mode == 0 ? nullptr : gui.m_sprite;
    if (mode == 3)
    {
        for (size_t i = 0; i < gui.m_controls.size(); ++i)
        {
            const CRVDXGUIControl& control = *gui.m_controls[i];
            if (!control.m_text.empty())
            {
                caches[i].ShowText(gui.m_device, sprite, gui.FontAt(control.m_font), control.m_text,
                                   control.m_rect, DT_NOCLIP, control.m_color);
            }
        }
        return;
    }
    if (mode == 2)
    {
        sprite->Begin(D3DXSPRITE_ALPHABLEND);
    }
    for (const auto& control : gui.m_controls)
    {
        ID3DXFont* font = gui.FontAt(control->m_font);
        if (!font || control->m_text.empty())
        {
            continue;
        }
        RECT rect = control->m_rect;
        if (mode == 1)
        {
            sprite->Begin(D3DXSPRITE_ALPHABLEND);
        }
        font->DrawTextW(sprite, control->m_text.c_str(), -1, &rect, DT_NOCLIP, control->m_color);
        if (mode == 1)
        {
            sprite->End();
        }
    }
    if (mode == 2)
    {
        sprite->End();
    }
}

void MeasureTextDrawing(const CRVDXGui& gui, IDirect3DDevice9* device, int rounds, int frames)
{
    constexpr int MODES = 4;
    const char* names[MODES] = {"no sprite", "shared sprite, Begin/End per text (the pass before)",
                                "shared sprite, one batch", "cached textures (the pass now)"};
    std::vector<double> micros[MODES];
    std::vector<CGuiTextCache> caches(gui.m_controls.size());
    for (int round = 0; round < rounds; ++round)
    {
        for (int mode = 0; mode < MODES; ++mode)
        {
            double total = 0.0;
            for (int frame = 0; frame < frames; ++frame)
            {
                device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
                device->BeginScene();
                const double start = NowMicros();
                DrawTexts(gui, mode, caches);
                total += NowMicros() - start;
                device->EndScene();
                device->Present(nullptr, nullptr, nullptr, nullptr);
            }
            if (round > 0)
            {
                micros[mode].push_back(total / frames);
            }
        }
    }
    std::printf("\nThe container's texts drawn by ID3DXFont alone, per frame:\n");
    std::printf("%-54s %12s %10s\n", "way", "wall us", "ratio");
    const double base = Median(micros[0]);
    for (int mode = 0; mode < MODES; ++mode)
    {
        const double wall = Median(micros[mode]);
        std::printf("%-54s %12.1f %10.2f\n", names[mode], wall, wall / base);
    }
}
} // namespace

int main()
{
    CGuiTestDevice rig;
    if (!CreateGuiTestDevice(rig))
    {
        std::fprintf(stderr, "no Direct3D 9 device\n");
        return 1;
    }
    int result = 0;
    {
        CRVDXGui gui;
        gui.m_device = rig.m_device;
        gui.m_width = 800;
        gui.m_height = 600;
        gui.m_originY = 19;
        D3DXCreateSprite(rig.m_device, &gui.m_sprite);
        CCountingHandler handler;
        gui.m_handler = &handler;
        BuildCharacterPage(gui);
        std::vector<std::wstring> texts;
        std::vector<int> quads;
        for (const auto& control : gui.m_controls)
        {
            texts.push_back(control->m_text);
            quads.push_back(control->m_quad);
        }
        std::vector<CVariant> variants = {
            {"full pass", true, true, false, {}, {}},
            {"no text", false, true, false, {}, {}},
            {"no control quads", true, false, false, {}, {}},
            {"neither (background, hit tests, reports)", false, false, false, {}, {}},
            {"full pass, every text drawn anew", true, true, true, {}, {}}};
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        constexpr int ROUNDS = 4; // the first round warms the glyph caches and is not counted
        constexpr int FRAMES = 32;
        std::wstring typed;
        int leftButton = BUTTON_UP;
        for (int round = 0; round < ROUNDS; ++round)
        {
            for (CVariant& variant : variants)
            {
                ApplyVariant(gui, texts, quads, variant);
                // One pass, not counted, draws the texts into their textures.
                rig.m_device->BeginScene();
                ProcessFrame(&gui, typed, leftButton, 400, 219);
                rig.m_device->EndScene();
                double wall = 0.0;
                double cpu = 0.0;
                for (int frame = 0; frame < FRAMES; ++frame)
                {
                    // The pointer sweeps over the skill rows so hover colours and looks change.
                    const int y = 219 + (frame * 7) % 336;
                    rig.m_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
                    if (variant.fresh)
                    {
                        for (const auto& control : gui.m_controls)
                        {
                            control->m_textCache.Release();
                        }
                    }
                    rig.m_device->BeginScene();
                    LARGE_INTEGER start, end;
                    const double cpuStart = ThreadCpuMicros();
                    QueryPerformanceCounter(&start);
                    ProcessFrame(&gui, typed, leftButton, 400, y);
                    QueryPerformanceCounter(&end);
                    cpu += ThreadCpuMicros() - cpuStart;
                    wall += static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                            static_cast<double>(frequency.QuadPart);
                    rig.m_device->EndScene();
                    rig.m_device->Present(nullptr, nullptr, nullptr, nullptr);
                }
                if (round > 0)
                {
                    variant.wallMicros.push_back(wall / FRAMES);
                    variant.cpuMicros.push_back(cpu / FRAMES);
                }
            }
        }
        std::printf("One ProcessFrame of a character-page container: %d controls, %d fonts, %d quads\n",
                    gui.ControlCount(), gui.FontCount(), gui.QuadCount());
        std::printf("(wall: medians of %d rounds x %d frames, interleaved; thread CPU from GetThreadTimes,\n"
                    "mean of all those passes)\n\n",
                    ROUNDS - 1, FRAMES);
        std::printf("%-44s %12s %14s %10s\n", "variant", "wall us", "thread CPU us", "ratio");
        const double full = Median(variants[0].wallMicros);
        for (const CVariant& variant : variants)
        {
            const double wall = Median(variant.wallMicros);
            std::printf("%-44s %12.1f %14.1f %10.2f\n", variant.name, wall, Mean(variant.cpuMicros),
                        wall / full);
        }
        ApplyVariant(gui, texts, quads, variants[0]);
        MeasureTextDrawing(gui, rig.m_device, ROUNDS, FRAMES);
        result = handler.m_clicks == 0 ? 0 : 1;
    }
    ReleaseGuiTestDevice(rig);
    return result;
}
