// CObjMesh: the items page's model as one Direct3D mesh: read by CObjReader, one texture per
// distinct texture name (shared by materials that name the same file), and a mesh whose subset i
// is exactly the faces of material i. Windows only.
#pragma once

#include "ObjReader.h"

#include <d3d9.h>
#include <d3dx9mesh.h>

class CObjMesh : public CObjReader
{
public:
    CObjMesh() = default;
    ~CObjMesh() { ReleaseAll(); }

    // Reads the model from the current directory or, when it is not there, from beside the
    // program, and builds it with `device`. Without a model or a mesh, m_builtMesh stays null.
    HRESULT Build(IDirect3DDevice9* device);
    HRESULT Build(IDirect3DDevice9* device, std::span<const std::filesystem::path> folders);
    // Gives back the textures (each once), the mesh and every list; harmless when empty.
    void ReleaseAll();

    IDirect3DDevice9* m_ownerDevice = nullptr; // not owned
    ID3DXMesh* m_builtMesh = nullptr;

private:
    void LoadTextures();
    HRESULT CreateMesh();
};

// The folder that holds the running executable (any characters; empty when it cannot be told).
std::filesystem::path ProgramFolder();
