// Tests of CObjMesh on a real device under Wine: one subset per material holding exactly that
// material's faces, textures shared by name and released once, the model found in the current
// directory (a Chinese one) or beside the program, and a missing model.
#include <gtest/gtest.h>

#include "GuiTestDevice.h"
#include "ObjMesh.h"
#include "SaveTestSupport.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>

namespace
{
// A triangle by its three positions, turned to start at the smallest one (winding kept).
using Triangle = std::array<std::array<float, 3>, 3>;

Triangle Canonical(Triangle t)
{
    std::rotate(t.begin(), std::min_element(t.begin(), t.end()), t.end());
    return t;
}

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

// A 4 x 4 X8R8G8B8 DDS.
std::vector<uint8_t> SmallDds()
{
    uint32_t header[32] = {0x20534444, 124, 0x100F, 4, 4, 16};
    header[19] = 32;   // pixel format size
    header[20] = 0x40; // RGB
    header[22] = 32;
    header[23] = 0x00FF0000;
    header[24] = 0x0000FF00;
    header[25] = 0x000000FF;
    header[27] = 0x1000; // texture
    std::vector<uint8_t> bytes(reinterpret_cast<const uint8_t*>(header), reinterpret_cast<const uint8_t*>(header) + 128);
    bytes.resize(128 + 64, 0xC0);
    return bytes;
}

const std::string MODEL = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 2 0 0\nv 2 1 0\nvt 0 0\nvt 1 1\nvn 0 0 -1\n"
                          "mtllib anything.mtl\nf 1/1/1 2/2/1 3/1/1\n"
                          "usemtl a\nf 1/1/1 3/1/1 4/2/1\nf 2/1/1 5/1/1 6/2/1\n"
                          "usemtl b\nf 2//1 6//1 3//1\nusemtl c\nf 4 3 6\nusemtl a\nf 1 2 4\n";
const std::string LIBRARY = "newmtl a\nmap_Kd shared\nnewmtl b\nmap_Kd shared\n";

ULONG RefCount(IUnknown* object)
{
    object->AddRef();
    return object->Release();
}

class ObjMeshTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(CreateGuiTestDevice(s_device)); }
    static void TearDownTestSuite() { ReleaseGuiTestDevice(s_device); }

    void SetUp() override
    {
        ASSERT_NE(s_device.m_device, nullptr);
        wchar_t folder[4096];
        GetCurrentDirectoryW(4096, folder);
        m_startFolder = folder;
        std::filesystem::create_directories(m_model.m_path / "meshes");
        std::filesystem::create_directories(m_model.m_path / "textures");
        WriteBytes(m_model / u8"meshes/pitch_fork.obj", Bytes(MODEL));
        WriteBytes(m_model / u8"meshes/pitch_fork", Bytes(LIBRARY));
        WriteBytes(m_model / u8"textures/shared.dds", SmallDds());
    }
    void TearDown() override { SetCurrentDirectoryW(m_startFolder.c_str()); }

    // Each face of the built mesh by its attribute id.
    std::map<DWORD, std::vector<Triangle>> FacesByAttribute(ID3DXMesh* mesh)
    {
        std::map<DWORD, std::vector<Triangle>> faces;
        MeshVertex* vertices = nullptr;
        DWORD* indices = nullptr;
        DWORD* attributes = nullptr;
        EXPECT_EQ(mesh->GetNumBytesPerVertex(), 32u);
        EXPECT_TRUE(mesh->GetOptions() & D3DXMESH_32BIT);
        if (SUCCEEDED(mesh->LockVertexBuffer(D3DLOCK_READONLY, reinterpret_cast<void**>(&vertices))))
        {
            if (SUCCEEDED(mesh->LockIndexBuffer(D3DLOCK_READONLY, reinterpret_cast<void**>(&indices))))
            {
                if (SUCCEEDED(mesh->LockAttributeBuffer(D3DLOCK_READONLY, &attributes)))
                {
                    for (DWORD f = 0; f < mesh->GetNumFaces(); ++f)
                    {
                        Triangle t;
                        for (int c = 0; c < 3; ++c)
                        {
                            const float* p = vertices[indices[3 * f + c]].pos;
                            t[size_t(c)] = {p[0], p[1], p[2]};
                        }
                        faces[attributes[f]].push_back(Canonical(t));
                    }
                    mesh->UnlockAttributeBuffer();
                }
                mesh->UnlockIndexBuffer();
            }
            mesh->UnlockVertexBuffer();
        }
        for (auto& [attribute, list] : faces)
        {
            std::sort(list.begin(), list.end());
        }
        return faces;
    }

    static CGuiTestDevice s_device;
    std::wstring m_startFolder;
    CTempFolder m_model{u8"模型测试"};
    CTempFolder m_empty{u8"空文件夹"};
};

CGuiTestDevice ObjMeshTest::s_device;

Triangle T(std::array<float, 3> a, std::array<float, 3> b, std::array<float, 3> c)
{
    return Canonical(Triangle{a, b, c});
}
} // namespace

TEST_F(ObjMeshTest, EachMaterialIsOneSubsetOfExactlyItsFaces)
{
    ASSERT_TRUE(SetCurrentDirectoryW(m_model.m_path.c_str()));
    CObjMesh mesh;
    EXPECT_EQ(mesh.Build(s_device.m_device), S_OK);
    ASSERT_NE(mesh.m_builtMesh, nullptr);
    EXPECT_EQ(mesh.m_ownerDevice, s_device.m_device);
    EXPECT_EQ(mesh.m_builtMesh->GetNumFaces(), 6u);
    EXPECT_EQ(mesh.m_builtMesh->GetNumVertices(), 13u);
    EXPECT_TRUE(mesh.m_uniqueVertices.empty() && mesh.m_indexData.empty() && mesh.m_faceMaterials.empty());
    ASSERT_EQ(mesh.m_materialTable.size(), 4u);

    DWORD count = 0;
    mesh.m_builtMesh->GetAttributeTable(nullptr, &count);
    std::vector<D3DXATTRIBUTERANGE> table(count);
    mesh.m_builtMesh->GetAttributeTable(table.data(), &count);
    std::map<DWORD, DWORD> subsetFaces;
    for (const D3DXATTRIBUTERANGE& range : table)
    {
        subsetFaces[range.AttribId] += range.FaceCount;
    }
    EXPECT_EQ(subsetFaces, (std::map<DWORD, DWORD>{{0, 1}, {1, 3}, {2, 1}, {3, 1}}));

    const std::map<DWORD, std::vector<Triangle>> expected = {
        {0, {T({0, 0, 0}, {1, 0, 0}, {1, 1, 0})}},
        {1,
         {T({0, 0, 0}, {1, 1, 0}, {0, 1, 0}), T({1, 0, 0}, {2, 0, 0}, {2, 1, 0}), T({0, 0, 0}, {1, 0, 0}, {0, 1, 0})}},
        {2, {T({1, 0, 0}, {2, 1, 0}, {1, 1, 0})}},
        {3, {T({0, 1, 0}, {1, 1, 0}, {2, 1, 0})}},
    };
    auto sortedExpected = expected;
    for (auto& [attribute, list] : sortedExpected)
    {
        std::sort(list.begin(), list.end());
    }
    EXPECT_EQ(FacesByAttribute(mesh.m_builtMesh), sortedExpected);
    s_device.m_device->BeginScene();
    for (DWORD i = 0; i < 4; ++i)
    {
        EXPECT_EQ(mesh.m_builtMesh->DrawSubset(i), S_OK);
    }
    s_device.m_device->EndScene();
}

TEST_F(ObjMeshTest, MaterialsOfOneTextureShareItAndItIsReleasedOnce)
{
    ASSERT_TRUE(SetCurrentDirectoryW(m_model.m_path.c_str()));
    CObjMesh mesh;
    mesh.Build(s_device.m_device);
    ASSERT_EQ(mesh.m_materialTable.size(), 4u);
    IDirect3DTexture9* shared = mesh.m_materialTable[1]->m_texture;
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(mesh.m_materialTable[2]->m_texture, shared);
    EXPECT_EQ(RefCount(shared), 1u) << "made once, not counted again for the second material";
    EXPECT_EQ(mesh.m_materialTable[0]->m_texture, nullptr) << "default has no texture";
    EXPECT_EQ(mesh.m_materialTable[3]->m_texture, nullptr) << "c.dds does not exist";

    shared->AddRef();
    ID3DXMesh* built = mesh.m_builtMesh;
    built->AddRef();
    mesh.ReleaseAll();
    EXPECT_EQ(shared->Release(), 0u);
    EXPECT_EQ(built->Release(), 0u);
    EXPECT_EQ(mesh.m_builtMesh, nullptr);
    EXPECT_EQ(mesh.m_ownerDevice, nullptr);
    EXPECT_TRUE(mesh.m_materialTable.empty());
    mesh.ReleaseAll();

    // Built again, it holds a texture of its own once more.
    EXPECT_EQ(mesh.Build(s_device.m_device), S_OK);
    ASSERT_NE(mesh.m_materialTable[1]->m_texture, nullptr);
    EXPECT_EQ(RefCount(mesh.m_materialTable[1]->m_texture), 1u);
}

TEST_F(ObjMeshTest, WithoutAModelNothingIsBuilt)
{
    const std::filesystem::path nowhere[] = {m_empty.m_path};
    CObjMesh mesh;
    EXPECT_NE(mesh.Build(s_device.m_device, nowhere), S_OK);
    EXPECT_EQ(mesh.m_builtMesh, nullptr);
    ASSERT_EQ(mesh.m_materialTable.size(), 1u);
    mesh.ReleaseAll();
    mesh.ReleaseAll();

    // A model without faces makes no mesh either.
    std::filesystem::create_directories(m_empty.m_path / "meshes");
    WriteBytes(m_empty / u8"meshes/pitch_fork.obj", Bytes("v 1 2 3\n"));
    EXPECT_NE(mesh.Build(s_device.m_device, nowhere), S_OK);
    EXPECT_EQ(mesh.m_builtMesh, nullptr);
}

TEST_F(ObjMeshTest, TheProgramsOwnModelIsFoundBesideIt)
{
    ASSERT_TRUE(SetCurrentDirectoryW(m_empty.m_path.c_str()));
    CObjMesh mesh;
    EXPECT_EQ(mesh.Build(s_device.m_device), S_OK);
    ASSERT_NE(mesh.m_builtMesh, nullptr);
    EXPECT_EQ(mesh.m_meshFolder, ProgramFolder() / "meshes");
    ASSERT_EQ(mesh.m_materialTable.size(), 4u);
    EXPECT_EQ(mesh.m_materialTable[0]->m_texture, nullptr);
    EXPECT_NE(mesh.m_materialTable[1]->m_texture, nullptr);
    EXPECT_NE(mesh.m_materialTable[2]->m_texture, nullptr);
    EXPECT_EQ(mesh.m_materialTable[3]->m_texture, mesh.m_materialTable[2]->m_texture);
}
