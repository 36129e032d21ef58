// Tests of the OBJ and MTL reader from inline texts: vertices, indices and materials, the face
// forms, comments and unknown statements, the library, broken references and long tokens, and the
// search for the model's files.
#include <gtest/gtest.h>

#include "ObjReader.h"
#include "SaveTestSupport.h"

#include <cmath>
#include <cstring>
#include <optional>
#include <string>

namespace
{
std::span<const uint8_t> Bytes(const std::string& text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

struct CReadResult
{
    MeshResult result = MESH_E_FAIL;
    bool libraryOpened = false;
};

// Reads `obj`; the library, when asked for, is `mtl` (nullopt: it cannot be opened).
CReadResult Read(CObjReader& reader, const std::string& obj, std::optional<std::string> mtl = std::nullopt)
{
    CReadResult read;
    read.result = reader.ReadObjFile(Bytes(obj), [&](std::vector<uint8_t>& bytes) {
        read.libraryOpened = true;
        if (!mtl)
        {
            return false;
        }
        bytes.assign(mtl->begin(), mtl->end());
        return true;
    });
    return read;
}

MeshVertex Vertex(float x, float y, float z, float nx = 0, float ny = 0, float nz = 0, float u = 0, float v = 0)
{
    return MeshVertex{{x, y, z}, {nx, ny, nz}, {u, v}};
}

void ExpectVertex(const MeshVertex& actual, const MeshVertex& expected)
{
    EXPECT_EQ(std::memcmp(&actual, &expected, sizeof actual), 0)
        << "pos (" << actual.pos[0] << ", " << actual.pos[1] << ", " << actual.pos[2] << ") normal ("
        << actual.normal[0] << ", " << actual.normal[1] << ", " << actual.normal[2] << ") uv (" << actual.uv[0]
        << ", " << actual.uv[1] << ")";
}

const std::string SQUARE = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
                           "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
                           "vn 0 0 -1\nvn 0 0 1\nvn 1 0 0\nvn 0 1 0\n";
} // namespace

TEST(ObjReader, SharesVerticesInOrderOfFirstUse)
{
    CObjReader reader;
    ASSERT_EQ(Read(reader, SQUARE + "f 1/1/1 2/2/2 3/3/3\nf 1/1/1 3/3/3 4/4/4\n").result, MESH_OK);
    ASSERT_EQ(reader.m_uniqueVertices.size(), 4u);
    EXPECT_EQ(reader.m_indexData, (std::vector<uint32_t>{0, 1, 2, 0, 2, 3}));
    EXPECT_EQ(reader.m_faceMaterials, (std::vector<uint32_t>{0, 0}));
    ExpectVertex(reader.m_uniqueVertices[1], Vertex(1, 0, 0, 0, 0, 1, 1, 0));
    ExpectVertex(reader.m_uniqueVertices[3], Vertex(0, 1, 0, 0, 1, 0, 0, 1));
    ASSERT_EQ(reader.m_materialTable.size(), 1u);
    EXPECT_EQ(reader.m_materialTable[0]->m_materialName, L"default");
    EXPECT_TRUE(reader.m_materialTable[0]->m_textureFile.empty());
    EXPECT_TRUE(reader.m_positionBuckets.empty()) << "the buckets live only while the file is read";
}

TEST(ObjReader, OnePositionWithTwoNormalsGivesTwoVertices)
{
    CObjReader reader;
    ASSERT_EQ(Read(reader, SQUARE + "f 1//1 2//1 3//1\nf 1//2 3//1 4//1\nf 1//2 2//1 4//1\n").result, MESH_OK);
    ASSERT_EQ(reader.m_uniqueVertices.size(), 5u);
    EXPECT_EQ(reader.m_indexData, (std::vector<uint32_t>{0, 1, 2, 3, 2, 4, 3, 1, 4}));
    ExpectVertex(reader.m_uniqueVertices[0], Vertex(0, 0, 0, 0, 0, -1));
    ExpectVertex(reader.m_uniqueVertices[3], Vertex(0, 0, 0, 0, 0, 1));
    // Equal bytes reached through different texture indices are one vertex.
    CObjReader same;
    ASSERT_EQ(Read(same, "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0.5 0.5\nvt 0.5 0.5\nf 1/1 2/1 3/1\nf 1/2 2/2 3/2\n").result,
              MESH_OK);
    EXPECT_EQ(same.m_uniqueVertices.size(), 3u);
    EXPECT_EQ(same.m_indexData, (std::vector<uint32_t>{0, 1, 2, 0, 1, 2}));
}

TEST(ObjReader, ReadsEveryReferenceFormAndTheStatementsAroundThem)
{
    const struct
    {
        const char* name;
        std::string faces;
        MeshVertex first;
    } rows[] = {
        {"p", "f 2 3 4\n", Vertex(1, 0, 0)},
        {"p/t", "f 2/3 3/3 4/3\n", Vertex(1, 0, 0, 0, 0, 0, 1, 1)},
        {"p//n", "f 2//3 3//3 4//3\n", Vertex(1, 0, 0, 1, 0, 0)},
        {"p/t/n", "f 2/4/2 3/3/3 4/2/4\n", Vertex(1, 0, 0, 0, 0, 1, 0, 1)},
        {"four references: the first three", "f 2 3 4 1\n", Vertex(1, 0, 0)},
        {"comments and unknown statements", "# f 1 1 1\no fork\ng head\ns 1\n#f 1 2 3\nusemap x\nf 2 3 4 # end\n",
         Vertex(1, 0, 0)},
        {"last line without a newline", "f 2 3 4", Vertex(1, 0, 0)},
        {"CRLF lines", "g a\r\nf 2 3 4\r\n", Vertex(1, 0, 0)},
        {"numbers in C notation", "v +1e0 -.5 5.\nf -1 3 4\n", Vertex(1, -0.5f, 5)},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CObjReader reader;
        ASSERT_EQ(Read(reader, SQUARE + row.faces).result, MESH_OK);
        ASSERT_EQ(reader.m_indexData.size(), 3u);
        ASSERT_EQ(reader.m_faceMaterials.size(), 1u);
        ExpectVertex(reader.m_uniqueVertices[0], row.first);
    }
}

TEST(ObjReader, AFourthCoordinateAndLongLinesAreDropped)
{
    // Up to 1000 characters after a keyword are dropped with the rest of the line; what lies
    // beyond them is read as statements again.
    const std::string padding(1000 - 2, 'x');
    CObjReader reader;
    ASSERT_EQ(Read(reader, "v 1 2 3 4\nv 4 5 6\nv 7 8 9\ng " + padding + " f 1 2 3\nvt 0.5 0.25 0.125\n"
                                                                         "f 1/1 2/1 3/1\n")
                  .result,
              MESH_OK);
    ASSERT_EQ(reader.m_indexData.size(), 6u);
    ExpectVertex(reader.m_uniqueVertices[0], Vertex(1, 2, 3));
    ExpectVertex(reader.m_uniqueVertices[3], Vertex(1, 2, 3, 0, 0, 0, 0.5f, 0.25f));
}

TEST(ObjReader, FacesThatNameNoElementAreSkipped)
{
    const struct
    {
        const char* name;
        std::string faces;
        std::vector<uint32_t> indices;
        size_t vertices;
    } rows[] = {
        {"index 0", "f 0 1 2\nf 1 2 3\n", {0, 1, 2}, 3},
        {"position past the end", "f 1 2 5\nf 1 2 3\n", {0, 1, 2}, 3},
        {"position not read yet", "f 1 2 3\nv 9 9 9\nf 1 2 5\n", {0, 1, 2, 0, 1, 3}, 4},
        {"texture coordinate past the end", "f 1/5 2/1 3/1\nf 1/1 2/1 3/1\n", {0, 1, 2}, 3},
        {"normal past the end", "f 1//1 2//1 3//9\nf 1//1 2//1 3//1\n", {0, 1, 2}, 3},
        {"normal 0", "f 1//0 2 3\nf 1 2 3\n", {0, 1, 2}, 3},
        {"relative indices", "f -4 -3 -2\nf -1/-1/-1 -2/-2/-2 -3/-3/-3\n", {0, 1, 2, 3, 4, 5}, 6},
        {"relative past the start", "f -5 1 2\nf 1 2 3\n", {0, 1, 2}, 3},
        {"huge index", "f 99999999999999 1 2\nf 1 2 3\n", {0, 1, 2}, 3},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CObjReader reader;
        ASSERT_EQ(Read(reader, SQUARE + row.faces).result, MESH_OK);
        EXPECT_EQ(reader.m_indexData, row.indices);
        EXPECT_EQ(reader.m_uniqueVertices.size(), row.vertices);
        EXPECT_EQ(reader.m_faceMaterials.size(), row.indices.size() / 3);
    }
    // -1 names the last element read so far: position 4, texture coordinate 4 and normal 4.
    CObjReader reader;
    ASSERT_EQ(Read(reader, SQUARE + "f -1/-1/-1 1 2\n").result, MESH_OK);
    ExpectVertex(reader.m_uniqueVertices[0], Vertex(0, 1, 0, 0, 1, 0, 0, 1));
}

TEST(ObjReader, ANumberThatCannotBeReadEndsTheReading)
{
    const struct
    {
        const char* name;
        std::string tail;
    } rows[] = {
        {"a word for a coordinate", "v 1 x 3\nf 1 2 3\n"},
        {"a short vertex runs into the next line", "v 1 2\nv 1 2 3\nf 1 2 3\n"},
        {"an exponent without digits", "v 1e 2 3\nf 1 2 3\n"},
        {"a float too large", "vn 1e39 0 0\nf 1 2 3\n"},
        {"a face index that is a word", "f 1 2 x\nf 1 2 3\n"},
        {"a face cut short by the end", "f 1 2"},
        {"a slash and a space read on into the next number", "f 1/ 2 3\n"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CObjReader reader;
        EXPECT_EQ(Read(reader, SQUARE + row.tail).result, MESH_OK);
        EXPECT_TRUE(reader.m_indexData.empty());
        EXPECT_TRUE(reader.m_faceMaterials.empty());
    }
}

TEST(ObjReader, UsemtlSelectsOrMakesMaterialsAndTheLibraryFillsThem)
{
    const std::string obj = SQUARE + "mtllib fork.mtl\nf 1 2 3\nusemtl wood\nf 1 2 3\nusemtl iron\nf 2 3 4\n"
                                     "usemtl wood\nf 1 3 4\nusemtl default\nf 1 2 4\n";
    const std::string mtl = "# library\nnewmtl unused\nKd 0 0 0 map_Kd nothing\n"
                            "newmtl wood\nKa 0.1 0.2 0.3\nKd 0.4 0.5 0.6\nKs 0.7 0.8 0.9\nNs 96.5\nTr 0.25\n"
                            "illum 2\nmap_Kd planks.dds extra\nunknown 1 2 3\n"
                            "newmtl iron\r\nd 0.5\r\nillum 3\r\n";
    CObjReader reader;
    const CReadResult read = Read(reader, obj, mtl);
    ASSERT_EQ(read.result, MESH_OK);
    EXPECT_TRUE(read.libraryOpened);
    EXPECT_EQ(reader.m_faceMaterials, (std::vector<uint32_t>{0, 1, 2, 1, 0}));
    ASSERT_EQ(reader.m_materialTable.size(), 3u);
    const CObjMaterial& wood = *reader.m_materialTable[1];
    EXPECT_EQ(wood.m_materialName, L"wood");
    EXPECT_EQ(wood.m_textureFile, L"planks.dds");
    EXPECT_EQ(reader.TexturePath(wood), std::filesystem::path("planks.dds.dds"))
        << "a name that ends in .dds gets it twice";
    EXPECT_EQ(wood.m_ambient[2], 0.3f);
    EXPECT_EQ(wood.m_diffuse[0], 0.4f);
    EXPECT_EQ(wood.m_specular[1], 0.8f);
    EXPECT_EQ(wood.m_shininess, 96);
    EXPECT_EQ(wood.m_alpha, 0.25f) << "Tr is taken as it stands";
    EXPECT_TRUE(wood.m_specularOn);
    const CObjMaterial& iron = *reader.m_materialTable[2];
    EXPECT_EQ(iron.m_textureFile, L"iron") << "a material is its own texture name unless map_Kd says";
    EXPECT_EQ(iron.m_alpha, 0.5f);
    EXPECT_FALSE(iron.m_specularOn);
    EXPECT_EQ(iron.m_diffuse[0], 0.8f) << "defaults stay where the library says nothing";
    EXPECT_EQ(iron.m_ambient[0], 0.2f);
    EXPECT_EQ(iron.m_specular[0], 1.0f);
    const CObjMaterial& fallback = *reader.m_materialTable[0];
    EXPECT_TRUE(fallback.m_textureFile.empty());
    EXPECT_EQ(fallback.m_diffuse[0], 0.8f);
    EXPECT_EQ(fallback.m_texture, nullptr);
}

TEST(ObjReader, TheLibraryIsReadOnlyWhenNamedAndMayBeMissing)
{
    CObjReader unnamed;
    EXPECT_FALSE(Read(unnamed, SQUARE + "usemtl a\nf 1 2 3\n", "newmtl a\nmap_Kd b\n").libraryOpened);
    EXPECT_EQ(unnamed.m_materialTable[1]->m_textureFile, L"a");

    CObjReader missing;
    const CReadResult read = Read(missing, SQUARE + "mtllib x\nusemtl a\nf 1 2 3\n");
    EXPECT_EQ(read.result, MESH_OK);
    EXPECT_TRUE(read.libraryOpened);
    EXPECT_EQ(missing.m_materialTable[1]->m_textureFile, L"a");
    EXPECT_EQ(missing.m_indexData.size(), 3u);
}

TEST(ObjReader, LongTokensAreCutToTheirBuffers)
{
    const std::string name(400, 'n');
    const std::string file(400, 'f');
    CObjReader reader;
    ASSERT_EQ(Read(reader, SQUARE + std::string(300, 'k') + " 1 2\nmtllib " + std::string(400, 'l') + "\nusemtl " +
                               name + "\nf 1 2 3\nusemtl " + name + "\nf 1 2 3\n",
                   "newmtl " + name + "\nmap_Kd " + file + "\nKd 0.5 0.5 0.5\n")
                  .result,
              MESH_OK);
    ASSERT_EQ(reader.m_materialTable.size(), 2u) << "a cut name still finds its material";
    const CObjMaterial& material = *reader.m_materialTable[1];
    EXPECT_EQ(material.m_materialName, std::wstring(MATERIAL_NAME_CHARS, L'n'));
    EXPECT_EQ(material.m_textureFile, std::wstring(TEXTURE_FILE_CHARS, L'f'));
    EXPECT_EQ(material.m_diffuse[0], 0.5f);
    EXPECT_EQ(reader.m_faceMaterials, (std::vector<uint32_t>{1, 1}));
}

TEST(ObjReader, BytesAboveAsciiAreCharactersOfTheirOwnValue)
{
    CObjReader reader;
    ASSERT_EQ(Read(reader, SQUARE + "usemtl caf\xE9\nf 1 2 3\n").result, MESH_OK);
    EXPECT_EQ(reader.m_materialTable[1]->m_materialName, L"caf\u00E9");
}

TEST(ObjFiles, TheModelComesFromTheFirstFolderThatHoldsIt)
{
    CTempFolder empty(u8"空");
    CTempFolder program(u8"程序文件夹");
    std::filesystem::create_directories(program.m_path / "meshes");
    const std::string obj = SQUARE + "mtllib other.mtl\nusemtl wood\nf 1 2 3\n";
    WriteBytes(program / u8"meshes/pitch_fork.obj", std::vector<uint8_t>(obj.begin(), obj.end()));
    const std::string mtl = "newmtl wood\nmap_Kd grain\n";
    WriteBytes(program / u8"meshes/pitch_fork", std::vector<uint8_t>(mtl.begin(), mtl.end()));

    const std::filesystem::path folders[] = {empty.m_path, program.m_path};
    CObjReader reader;
    ASSERT_EQ(reader.ReadObjFile(folders), MESH_OK);
    EXPECT_EQ(reader.m_indexData.size(), 3u);
    ASSERT_EQ(reader.m_materialTable.size(), 2u);
    EXPECT_EQ(reader.m_meshFolder, program.m_path / "meshes");
    EXPECT_EQ(reader.TexturePath(*reader.m_materialTable[1]), program.m_path / "textures" / "grain.dds");

    CObjReader none;
    const std::filesystem::path nowhere[] = {empty.m_path};
    EXPECT_EQ(none.ReadObjFile(nowhere), MESH_E_FAIL);
    ASSERT_EQ(none.m_materialTable.size(), 1u);
    EXPECT_EQ(none.m_materialTable[0]->m_materialName, L"default");
    EXPECT_TRUE(none.m_uniqueVertices.empty());
}

TEST(ObjFiles, ThePitchForkHasItsMaterialsAndTextures)
{
    const std::filesystem::path folders[] = {QM_MODEL_DIR};
    CObjReader reader;
    ASSERT_EQ(reader.ReadObjFile(folders), MESH_OK);
    ASSERT_EQ(reader.m_materialTable.size(), 4u);
    const wchar_t* names[] = {L"default", L"shaft", L"socket", L"tines"};
    const wchar_t* textures[] = {L"", L"ash_wood", L"forged_iron", L"forged_iron"};
    std::vector<size_t> faces(4, 0);
    for (uint32_t material : reader.m_faceMaterials)
    {
        ++faces[material];
    }
    for (size_t i = 0; i < 4; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(reader.m_materialTable[i]->m_materialName, names[i]);
        EXPECT_EQ(reader.m_materialTable[i]->m_textureFile, textures[i]);
        EXPECT_GT(faces[i], 100u) << "every material is drawn";
        if (i > 0)
        {
            EXPECT_TRUE(std::filesystem::is_regular_file(reader.TexturePath(*reader.m_materialTable[i])));
        }
    }
    EXPECT_LT(reader.m_uniqueVertices.size(), reader.m_indexData.size() / 2) << "vertices are shared";
    // It lies along the x axis, over the items page's free panel, and fits the turn about x.
    for (const MeshVertex& vertex : reader.m_uniqueVertices)
    {
        EXPECT_TRUE(vertex.pos[0] >= -2.31f && vertex.pos[0] <= 0.85f);
        EXPECT_LT(std::hypot(vertex.pos[1], vertex.pos[2]), 0.4f);
    }
}
