// The check for the D3DX 9 runtime (d3dx9_43.dll), which not every Windows has. The program
// imports it lazily, so this check must come before the first D3DX call.
#pragma once

// True when the runtime can be loaded; otherwise tells the user which runtime to install.
bool CheckD3dxRuntime();
