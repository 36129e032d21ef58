// CObjReader: where the model's files are. The model is taken from the first folder that holds its
// OBJ file; the library and the textures are looked for beside it. Files are opened by Unicode
// path (wide-character on Windows), never through a code page.
#include "ObjReader.h"

#include "FileIo.h"

#include <new>

namespace
{
std::filesystem::path ModelFile(const std::filesystem::path& meshFolder, const wchar_t* extension)
{
    return meshFolder / (std::wstring(MODEL_NAME) + extension);
}
} // namespace

MeshResult CObjReader::ReadObjFile(std::span<const std::filesystem::path> folders)
{
    std::vector<uint8_t> text;
    for (const std::filesystem::path& folder : folders)
    {
        m_meshFolder = folder / MESH_FOLDER;
        m_textureFolder = folder / TEXTURE_FOLDER;
        if (ReadWholeFile(ModelFile(m_meshFolder, L".obj"), text) == FileReadStatus::Ok)
        {
            // The library is the model's own file, whatever name "mtllib" gives.
            return ReadObjFile(text, [this](std::vector<uint8_t>& library) {
                return ReadWholeFile(ModelFile(m_meshFolder, L""), library) == FileReadStatus::Ok;
            });
        }
    }
    try
    {
        AddMaterial(L"default", L"");
    }
    catch (const std::bad_alloc&)
    {
        return MESH_E_OUTOFMEMORY;
    }
    return MESH_E_FAIL;
}

std::filesystem::path CObjReader::TexturePath(const CObjMaterial& material) const
{
    std::filesystem::path path = m_textureFolder / "";
    path += material.m_textureFile + L".dds";
    return path;
}
