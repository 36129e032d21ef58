// The list box: a scrollable grid of equal image cells with its own scroll bar, drawn with the
// container's sprite inside the per-frame pass. Built by CRVDXGui::AddListBox.
#pragma once

#include "GuiControl.h"

#include <vector>

struct CRVDXGUIListBoxItem
{
    int m_index = 0;            // position in the list
    bool m_visible = false;     // drawn in the last pass
    bool m_pressed = false;     // a press on this cell is in progress
    RECT m_rect = {0, 0, 0, 0}; // left and right fixed; top and bottom follow the scroll position
};

class CRVDXGUIListBox : public CRVDXGUIControl
{
public:
    // Appends one cell laid out in row-major order of m_columns per row.
    void AddListItem();
    // Moves the thumb to track position p, clamped to 0 .. m_trackLength - m_thumbLength.
    void ScrollTo(int p);
    // The thumb's position in the track, 0 at the top; this is the scroll position.
    int ThumbPosition() const;
    // The list box part of the per-frame pass: draws, selects and scrolls. Returns the event to
    // report, which is `event` unless a cell was pressed.
    int ProcessListBox(int event, int leftButton, int x, int y);

    int m_itemWidth = 0;
    int m_itemHeight = 0;
    int m_itemOffsetX = 0;
    int m_itemOffsetY = 0; // also the top of the visible area, relative to the box
    int m_columns = 0;
    std::vector<CRVDXGUIListBoxItem> m_items;
    int m_itemStyle = -1;             // style whose texture holds the cell image
    RECT m_itemSource = {0, 0, 0, 0}; // cell image in texture pixels
    int m_trackLength = 0;
    int m_trackWidth = 0;
    int m_trackOffsetX = 0;
    int m_trackOffsetY = 0;
    IDirect3DTexture9* m_trackTexture = nullptr; // owned by the container
    RECT m_trackSource = {0, 0, 0, 0};
    int m_thumbLength = 0;
    int m_thumbWidth = 0;
    int m_thumbOffsetX = 0;
    int m_thumbOffsetY = 0;
    IDirect3DTexture9* m_thumbTexture = nullptr; // owned only when it differs from the track's
    RECT m_thumbSource = {0, 0, 0, 0};
    float m_trackScale[2] = {1.0f, 1.0f};
    float m_thumbScale[2] = {1.0f, 1.0f};
    RECT m_trackRect = {0, 0, 0, 0};
    RECT m_thumbRect = {0, 0, 0, 0};
    bool m_trackPressed = false;
    bool m_dragging = false;
    int m_selected = 0; // index of the last pressed cell
    int m_grab = 0;     // pointer y minus the thumb position when the drag began

private:
    void DrawCells(int event, int leftButton, int x, int y, int& result);
    void ProcessScrollBar(int leftButton, int x, int y);
};
