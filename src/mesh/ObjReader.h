// CObjReader: reads a Wavefront OBJ model and its MTL material library into the lists a mesh is
// built from: unique vertices in order of first use, three indices and one material per triangle,
// and the material table. The reading works on bytes (ReadObjFile with the file's bytes and a way
// to open the library); ObjFiles.cpp finds and opens the model's files. No Direct3D here.
#pragma once

#include "ObjTypes.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <vector>

// Empties a list and gives its storage back.
template <class T> void FreeList(std::vector<T>& list)
{
    std::vector<T>().swap(list);
}

// Reads the material library whole into `bytes`; false when it cannot be opened.
using ObjLibraryOpener = std::function<bool(std::vector<uint8_t>& bytes)>;

// The model the program shows, its folders below the folder it is found in, and its file names.
inline constexpr wchar_t MODEL_NAME[] = L"pitch_fork";
inline constexpr wchar_t MESH_FOLDER[] = L"meshes";
inline constexpr wchar_t TEXTURE_FOLDER[] = L"textures";

class CObjReader
{
public:
    CObjReader() = default;
    CObjReader(const CObjReader&) = delete;
    CObjReader& operator=(const CObjReader&) = delete;

    // Reads the model "pitch_fork" from the first of `folders` whose "meshes" folder holds
    // "pitch_fork.obj" (an empty path is the current directory); its library is the file
    // "pitch_fork" beside it and its textures are in "textures" beside "meshes". MESH_E_FAIL when
    // no folder holds the model; then only the material "default" exists.
    MeshResult ReadObjFile(std::span<const std::filesystem::path> folders);
    // Reads an OBJ text, appending to the lists; the library is opened only when the text names one
    // ("mtllib") and is read after the geometry. MESH_OK or MESH_E_OUTOFMEMORY.
    MeshResult ReadObjFile(std::span<const uint8_t> text, const ObjLibraryOpener& openLibrary);
    // Reads an MTL text into the materials that exist; it never makes one.
    MeshResult ReadMtlFile(std::span<const uint8_t> text);

    // Index of `vertex` in m_uniqueVertices, appended when no vertex of the same OBJ position has
    // the same bytes; -1 when there is no memory for it.
    int32_t FindOrAddVertex(uint32_t position, const MeshVertex& vertex);
    void FreeBuckets();
    // Empties every list and the material table (the materials' textures are the owner's).
    void ClearLists();

    // The texture file of a material: "<texture folder>/<m_textureFile>.dds".
    std::filesystem::path TexturePath(const CObjMaterial& material) const;

    // Vertex reuse: slot k heads the list of the vertices made from OBJ position k (-1: empty).
    std::vector<int32_t> m_positionBuckets;
    std::vector<BucketEntry> m_bucketEntries;
    std::vector<MeshVertex> m_uniqueVertices;
    std::vector<uint32_t> m_indexData;    // three per triangle, in the file's order
    std::vector<uint32_t> m_faceMaterials; // one per triangle
    std::vector<std::unique_ptr<CObjMaterial>> m_materialTable; // 0 is "default"
    std::filesystem::path m_meshFolder;
    std::filesystem::path m_textureFolder;

private:
    // Index of the material of this name, or of a new one that looks for a texture of its name.
    uint32_t SelectMaterial(const std::wstring& name);
    uint32_t AddMaterial(const std::wstring& name, const std::wstring& textureFile);
};
