// CObjReader: the OBJ statements ("v", "vt", "vn", "f", "mtllib", "usemtl"), vertex reuse and
// the material table. A face whose reference names no element read so far is skipped.
#include "ObjReader.h"

#include "ObjScanner.h"

#include <cstring>
#include <new>
#include <string_view>

namespace
{
constexpr size_t KEYWORD_CHARS = 255;
constexpr size_t LIBRARY_NAME_CHARS = 259;

// One vertex reference of a face as written: p, p/t, p//n or p/t/n.
struct CFaceReference
{
    int64_t position = 0;
    int64_t texture = 0;
    int64_t normal = 0;
    bool hasTexture = false;
    bool hasNormal = false;
};

bool ReadReference(CObjScanner& scanner, CFaceReference& reference)
{
    if (!scanner.ReadIndex(reference.position))
    {
        return false;
    }
    if (scanner.Take('/'))
    {
        if (!scanner.NextIs('/'))
        {
            if (!scanner.ReadIndex(reference.texture))
            {
                return false;
            }
            reference.hasTexture = true;
        }
        if (scanner.Take('/'))
        {
            if (!scanner.ReadIndex(reference.normal))
            {
                return false;
            }
            reference.hasNormal = true;
        }
    }
    return true;
}

// The 1-based element an index names among `count` read so far (negative: counted back from the
// last one), or 0 when it names none.
uint64_t ResolveIndex(int64_t index, size_t count)
{
    if (index > 0)
    {
        return uint64_t(index) <= count ? uint64_t(index) : 0;
    }
    const int64_t fromEnd = int64_t(count) + index + 1;
    return index < 0 && fromEnd >= 1 ? uint64_t(fromEnd) : 0;
}

// Copies element `index` (1-based, 0 = none) of a list of `width` floats; false for none.
bool CopyElement(const std::vector<float>& list, size_t width, uint64_t index, float* to)
{
    if (index == 0)
    {
        return false;
    }
    std::memcpy(to, &list[size_t(index - 1) * width], width * sizeof(float));
    return true;
}

bool ReadFloats(CObjScanner& scanner, std::vector<float>& list, size_t count)
{
    float values[3];
    for (size_t i = 0; i < count; ++i)
    {
        if (!scanner.ReadFloat(values[i]))
        {
            return false;
        }
    }
    list.insert(list.end(), values, values + count);
    return true;
}

std::wstring Widen(std::string_view bytes, size_t limit)
{
    std::wstring text;
    const size_t length = bytes.size() < limit ? bytes.size() : limit;
    text.reserve(length);
    for (size_t i = 0; i < length; ++i)
    {
        text.push_back(wchar_t(static_cast<unsigned char>(bytes[i])));
    }
    return text;
}

// The lists that live only while one OBJ text is read.
struct CObjElements
{
    std::vector<float> positions; // 3 per element
    std::vector<float> textureCoordinates; // 2 per element
    std::vector<float> normals; // 3 per element
};
} // namespace

MeshResult CObjReader::ReadObjFile(std::span<const uint8_t> text, const ObjLibraryOpener& openLibrary)
{
    try
    {
        uint32_t material = AddMaterial(L"default", L"");
        CObjElements elements;
        std::wstring library;
        CObjScanner scanner(text);
        std::string_view keyword;
        while (scanner.ReadToken(keyword, KEYWORD_CHARS))
        {
            if (keyword == "v")
            {
                ReadFloats(scanner, elements.positions, 3);
            }
            else if (keyword == "vt")
            {
                ReadFloats(scanner, elements.textureCoordinates, 2);
            }
            else if (keyword == "vn")
            {
                ReadFloats(scanner, elements.normals, 3);
            }
            else if (keyword == "f")
            {
                MeshVertex corners[3] = {};
                uint32_t keys[3] = {};
                bool named = true;
                for (int c = 0; c < 3 && !scanner.Failed(); ++c)
                {
                    CFaceReference reference;
                    if (!ReadReference(scanner, reference))
                    {
                        break;
                    }
                    const uint64_t position = ResolveIndex(reference.position, elements.positions.size() / 3);
                    keys[c] = uint32_t(position);
                    named &= CopyElement(elements.positions, 3, position, corners[c].pos);
                    if (reference.hasTexture)
                    {
                        named &= CopyElement(elements.textureCoordinates, 2,
                                             ResolveIndex(reference.texture, elements.textureCoordinates.size() / 2),
                                             corners[c].uv);
                    }
                    if (reference.hasNormal)
                    {
                        named &= CopyElement(elements.normals, 3,
                                             ResolveIndex(reference.normal, elements.normals.size() / 3),
                                             corners[c].normal);
                    }
                }
                if (named && !scanner.Failed())
                {
                    for (int c = 0; c < 3; ++c)
                    {
                        const int32_t index = FindOrAddVertex(keys[c], corners[c]);
                        if (index < 0)
                        {
                            FreeBuckets();
                            return MESH_E_OUTOFMEMORY;
                        }
                        m_indexData.push_back(uint32_t(index));
                    }
                    m_faceMaterials.push_back(material);
                }
            }
            else if (keyword == "mtllib")
            {
                std::string_view name;
                if (scanner.ReadToken(name, LIBRARY_NAME_CHARS))
                {
                    library = Widen(name, LIBRARY_NAME_CHARS);
                }
            }
            else if (keyword == "usemtl")
            {
                std::string_view name;
                if (scanner.ReadToken(name, MATERIAL_NAME_CHARS))
                {
                    material = SelectMaterial(Widen(name, MATERIAL_NAME_CHARS));
                }
            }
            scanner.SkipLine();
        }
        FreeBuckets();
        std::vector<uint8_t> libraryText;
        if (!library.empty() && openLibrary && openLibrary(libraryText))
        {
            ReadMtlFile(libraryText);
        }
        return MESH_OK;
    }
    catch (const std::bad_alloc&)
    {
        FreeBuckets();
        return MESH_E_OUTOFMEMORY;
    }
}

int32_t CObjReader::FindOrAddVertex(uint32_t position, const MeshVertex& vertex)
{
    if (position < m_positionBuckets.size())
    {
        for (int32_t entry = m_positionBuckets[position]; entry >= 0; entry = m_bucketEntries[size_t(entry)].next)
        {
            const uint32_t index = m_bucketEntries[size_t(entry)].vertexIndex;
            if (std::memcmp(&m_uniqueVertices[index], &vertex, sizeof vertex) == 0)
            {
                return int32_t(index);
            }
        }
    }
    if (m_uniqueVertices.size() >= size_t(INT32_MAX) || m_bucketEntries.size() >= size_t(INT32_MAX))
    {
        return -1;
    }
    try
    {
        if (position >= m_positionBuckets.size())
        {
            m_positionBuckets.resize(size_t(position) + 1, -1);
        }
        // The vertices of one list all differ, so where a new one goes in it changes no result.
        const auto index = uint32_t(m_uniqueVertices.size());
        m_uniqueVertices.push_back(vertex);
        m_bucketEntries.push_back(BucketEntry{index, m_positionBuckets[position]});
        m_positionBuckets[position] = int32_t(m_bucketEntries.size() - 1);
        return int32_t(index);
    }
    catch (const std::bad_alloc&)
    {
        m_uniqueVertices.resize(m_bucketEntries.size() < m_uniqueVertices.size() ? m_bucketEntries.size()
                                                                                  : m_uniqueVertices.size());
        return -1;
    }
}

void CObjReader::FreeBuckets()
{
    FreeList(m_positionBuckets);
    FreeList(m_bucketEntries);
}

void CObjReader::ClearLists()
{
    FreeBuckets();
    FreeList(m_uniqueVertices);
    FreeList(m_indexData);
    FreeList(m_faceMaterials);
    FreeList(m_materialTable);
}

uint32_t CObjReader::SelectMaterial(const std::wstring& name)
{
    for (size_t i = 0; i < m_materialTable.size(); ++i)
    {
        if (m_materialTable[i]->m_materialName == name)
        {
            return uint32_t(i);
        }
    }
    return AddMaterial(name, name);
}

uint32_t CObjReader::AddMaterial(const std::wstring& name, const std::wstring& textureFile)
{
    auto material = std::make_unique<CObjMaterial>();
    ResetMaterial(*material);
    material->m_materialName = name;
    material->m_textureFile = textureFile.substr(0, TEXTURE_FILE_CHARS);
    m_materialTable.push_back(std::move(material));
    return uint32_t(m_materialTable.size() - 1);
}
