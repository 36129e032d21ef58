// The records of the model reader: a vertex of the built mesh, a node of the vertex-reuse lists,
// one material, and the COM-style result codes the reader returns. Portable: no Direct3D here,
// the texture is only named by a declaration.
#pragma once

#include <cstdint>
#include <string>

struct IDirect3DTexture9;

// The same values as S_OK, E_FAIL and E_OUTOFMEMORY on Windows.
using MeshResult = int32_t;
inline constexpr MeshResult MESH_OK = 0;
inline constexpr MeshResult MESH_E_FAIL = int32_t(0x80004005u);
inline constexpr MeshResult MESH_E_OUTOFMEMORY = int32_t(0x8007000Eu);

// One vertex as the mesh stores it (32 bytes); vertices are equal only when all bytes are.
struct MeshVertex
{
    float pos[3];
    float normal[3];
    float uv[2];
};
static_assert(sizeof(MeshVertex) == 32);

// One node of a vertex-reuse list. The nodes live in one pool; `next` is the pool index of the
// next node of the same list, or -1.
struct BucketEntry
{
    uint32_t vertexIndex;
    int32_t next;
};

// Longest texts a material keeps: names as "usemtl" and "newmtl" give them, texture file names as
// "map_Kd" gives them. Longer tokens are cut to these lengths.
inline constexpr size_t MATERIAL_NAME_CHARS = 258;
inline constexpr size_t TEXTURE_FILE_CHARS = 259;

class CObjMaterial
{
public:
    std::wstring m_materialName;
    float m_ambient[3];
    float m_diffuse[3];
    float m_specular[3];
    int32_t m_shininess;
    float m_alpha;
    bool m_specularOn;
    std::wstring m_textureFile; // base name, without folder or ".dds"
    IDirect3DTexture9* m_texture; // filled and released by CObjMesh
};

// Every field to its default: grey ambient 0.2, diffuse 0.8, white specular, opaque, no texture.
void ResetMaterial(CObjMaterial& material);
