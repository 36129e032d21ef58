// Fuzzer: reads arbitrary bytes as a model: the OBJ text up to the first NUL byte, the material
// library after it (no NUL: no library). Whatever is read must be a consistent mesh: whole
// triangles, indices and materials that exist, vertices in order of first use, names within
// their lengths.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzCheck.h"
#include "ObjReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const uint8_t* nul = static_cast<const uint8_t*>(std::memchr(data, 0, size));
    const size_t objSize = nul ? size_t(nul - data) : size;
    // Copies, so that reading one byte past either text is caught.
    const std::vector<uint8_t> obj(data, data + objSize);
    const std::vector<uint8_t> mtl(nul ? nul + 1 : data + size, data + size);
    CObjReader reader;
    const MeshResult result = reader.ReadObjFile(obj, [&](std::vector<uint8_t>& bytes) {
        bytes = mtl;
        return nul != nullptr;
    });
    FUZZ_CHECK(result == MESH_OK);
    FUZZ_CHECK(reader.m_positionBuckets.empty() && reader.m_bucketEntries.empty());
    FUZZ_CHECK(reader.m_indexData.size() == 3 * reader.m_faceMaterials.size());
    FUZZ_CHECK(!reader.m_materialTable.empty() && reader.m_materialTable[0]->m_materialName == L"default");
    for (uint32_t index : reader.m_indexData)
    {
        FUZZ_CHECK(index < reader.m_uniqueVertices.size());
    }
    for (uint32_t material : reader.m_faceMaterials)
    {
        FUZZ_CHECK(material < reader.m_materialTable.size());
    }
    // Every vertex is used, the first time in order. (Equal vertices of two positions written
    // alike stay apart: vertices are shared within one OBJ position only.)
    uint32_t next = 0;
    for (uint32_t index : reader.m_indexData)
    {
        FUZZ_CHECK(index <= next);
        next = std::max(next, index + 1);
    }
    FUZZ_CHECK(next == reader.m_uniqueVertices.size());
    for (size_t i = 0; i < reader.m_materialTable.size(); ++i)
    {
        const CObjMaterial& material = *reader.m_materialTable[i];
        FUZZ_CHECK(material.m_materialName.size() <= MATERIAL_NAME_CHARS);
        FUZZ_CHECK(material.m_textureFile.size() <= TEXTURE_FILE_CHARS);
        FUZZ_CHECK(material.m_texture == nullptr);
        for (size_t j = 0; j < i; ++j)
        {
            FUZZ_CHECK(reader.m_materialTable[j]->m_materialName != material.m_materialName);
        }
    }
    return 0;
}
