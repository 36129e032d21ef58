// CStateScope: device states one draw needs, read before the draw and written back after it, so
// the draws that follow find the device as it was. Render states and stage 0 texture states.
#pragma once

#include <d3d9.h>

#include <cstddef>

template <class State> struct GuiStateValue
{
    State state;
    DWORD value;
};

inline void ReadState(IDirect3DDevice9* device, D3DRENDERSTATETYPE state, DWORD& value)
{
    device->GetRenderState(state, &value);
}
inline void WriteState(IDirect3DDevice9* device, D3DRENDERSTATETYPE state, DWORD value)
{
    device->SetRenderState(state, value);
}
inline void ReadState(IDirect3DDevice9* device, D3DTEXTURESTAGESTATETYPE state, DWORD& value)
{
    device->GetTextureStageState(0, state, &value);
}
inline void WriteState(IDirect3DDevice9* device, D3DTEXTURESTAGESTATETYPE state, DWORD value)
{
    device->SetTextureStageState(0, state, value);
}

// Saves the states on construction; Apply sets the wanted values; the destructor restores.
template <class State, std::size_t N> class CStateScope
{
public:
    CStateScope(IDirect3DDevice9* device, const GuiStateValue<State> (&wanted)[N])
        : m_device(device), m_wanted(wanted)
    {
        for (std::size_t i = 0; i < N; ++i)
        {
            m_saved[i] = 0;
            ReadState(m_device, m_wanted[i].state, m_saved[i]);
        }
    }
    ~CStateScope()
    {
        for (std::size_t i = N; i-- > 0;)
        {
            WriteState(m_device, m_wanted[i].state, m_saved[i]);
        }
    }
    CStateScope(const CStateScope&) = delete;
    CStateScope& operator=(const CStateScope&) = delete;

    void Apply() const
    {
        for (std::size_t i = 0; i < N; ++i)
        {
            WriteState(m_device, m_wanted[i].state, m_wanted[i].value);
        }
    }

private:
    IDirect3DDevice9* m_device;
    const GuiStateValue<State> (&m_wanted)[N];
    DWORD m_saved[N];
};
