// CObjMesh: textures, the mesh with its 32-byte vertices, and the optimisation that groups the
// faces by material.
#include "ObjMesh.h"

#include "ComRelease.h"

#include <cstring>
#include <memory>
#include <new>

static_assert(MESH_OK == S_OK && MESH_E_FAIL == E_FAIL && MESH_E_OUTOFMEMORY == E_OUTOFMEMORY);

namespace
{
// Position, normal and one texture coordinate: the layout of MeshVertex (FVF 0x112).
const D3DVERTEXELEMENT9 VERTEX_DECLARATION[] = {
    {0, 0, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_POSITION, 0},
    {0, 12, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_NORMAL, 0},
    {0, 24, D3DDECLTYPE_FLOAT2, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 0},
    D3DDECL_END(),
};

constexpr float ADJACENCY_EPSILON = 0.000001f;

// Copies `bytes` into a buffer of the mesh through its lock and unlock pair.
template <class Lock, class Unlock> bool CopyInto(Lock lock, Unlock unlock, const void* from, size_t bytes)
{
    void* to = nullptr;
    if (FAILED(lock(&to)) || !to)
    {
        return false;
    }
    std::memcpy(to, from, bytes);
    unlock();
    return true;
}
} // namespace

HRESULT CObjMesh::Build(IDirect3DDevice9* device)
{
    const std::filesystem::path folders[] = {std::filesystem::path(), ProgramFolder()};
    return Build(device, folders);
}

HRESULT CObjMesh::Build(IDirect3DDevice9* device, std::span<const std::filesystem::path> folders)
{
    ReleaseAll();
    m_ownerDevice = device;
    ReadObjFile(folders); // whatever could be read is built
    LoadTextures();
    const HRESULT result = CreateMesh();
    FreeList(m_uniqueVertices);
    FreeList(m_indexData);
    FreeList(m_faceMaterials);
    return result;
}

void CObjMesh::LoadTextures()
{
    for (size_t i = 0; i < m_materialTable.size(); ++i)
    {
        CObjMaterial& material = *m_materialTable[i];
        if (material.m_textureFile.empty() || !m_ownerDevice)
        {
            continue;
        }
        bool shared = false;
        for (size_t j = 0; j < i && !shared; ++j)
        {
            if (m_materialTable[j]->m_textureFile == material.m_textureFile)
            {
                material.m_texture = m_materialTable[j]->m_texture; // no extra count: released by j
                shared = true;
            }
        }
        if (!shared && FAILED(D3DXCreateTextureFromFileW(m_ownerDevice, TexturePath(material).c_str(),
                                                         &material.m_texture)))
        {
            material.m_texture = nullptr; // drawn untextured
        }
    }
}

HRESULT CObjMesh::CreateMesh()
{
    const size_t faces = m_indexData.size() / 3;
    if (!m_ownerDevice || faces == 0 || m_uniqueVertices.empty() || faces > 0xFFFFFFFFu / 3)
    {
        return E_FAIL;
    }
    ID3DXMesh* mesh = nullptr;
    HRESULT result = D3DXCreateMesh(DWORD(faces), DWORD(m_uniqueVertices.size()), D3DXMESH_MANAGED | D3DXMESH_32BIT,
                                    VERTEX_DECLARATION, m_ownerDevice, &mesh);
    if (FAILED(result) || !mesh)
    {
        return FAILED(result) ? result : E_FAIL;
    }
    const bool copied =
        CopyInto([&](void** to) { return mesh->LockVertexBuffer(0, to); }, [&] { mesh->UnlockVertexBuffer(); },
                 m_uniqueVertices.data(), m_uniqueVertices.size() * sizeof(MeshVertex)) &&
        CopyInto([&](void** to) { return mesh->LockIndexBuffer(0, to); }, [&] { mesh->UnlockIndexBuffer(); },
                 m_indexData.data(), faces * 3 * sizeof(uint32_t)) &&
        CopyInto([&](void** to) { return mesh->LockAttributeBuffer(0, reinterpret_cast<DWORD**>(to)); },
                 [&] { mesh->UnlockAttributeBuffer(); }, m_faceMaterials.data(), faces * sizeof(uint32_t));
    if (!copied)
    {
        ReleaseCom(mesh);
        return E_FAIL;
    }
    std::unique_ptr<DWORD[]> adjacency(new (std::nothrow) DWORD[3 * size_t(mesh->GetNumFaces())]);
    if (!adjacency)
    {
        ReleaseCom(mesh);
        return E_OUTOFMEMORY;
    }
    mesh->GenerateAdjacency(ADJACENCY_EPSILON, adjacency.get());
    // Wine has no vertex-cache ordering; sorting by material alone still gives one subset each.
    if (FAILED(mesh->OptimizeInplace(D3DXMESHOPT_ATTRSORT | D3DXMESHOPT_VERTEXCACHE, adjacency.get(), nullptr,
                                     nullptr, nullptr)))
    {
        mesh->OptimizeInplace(D3DXMESHOPT_ATTRSORT, adjacency.get(), nullptr, nullptr, nullptr);
    }
    m_builtMesh = mesh;
    return S_OK;
}

void CObjMesh::ReleaseAll()
{
    for (size_t i = 0; i < m_materialTable.size(); ++i)
    {
        IDirect3DTexture9*& texture = m_materialTable[i]->m_texture;
        for (size_t j = i + 1; j < m_materialTable.size(); ++j)
        {
            if (m_materialTable[j]->m_texture == texture)
            {
                m_materialTable[j]->m_texture = nullptr;
            }
        }
        ReleaseCom(texture);
    }
    ClearLists();
    ReleaseCom(m_builtMesh);
    m_ownerDevice = nullptr;
}
