// CObjReader::ReadMtlFile: the material library's statements for the materials the model uses;
// entries of other names are passed over token by token. Also the materials' defaults.
#include "ObjReader.h"

#include "ObjScanner.h"

#include <new>
#include <string_view>

namespace
{
constexpr size_t KEYWORD_CHARS = 255;

bool ReadColour(CObjScanner& scanner, float (&colour)[3])
{
    float values[3];
    for (float& value : values)
    {
        if (!scanner.ReadFloat(value))
        {
            return false;
        }
    }
    colour[0] = values[0];
    colour[1] = values[1];
    colour[2] = values[2];
    return true;
}

std::wstring Widen(std::string_view bytes)
{
    std::wstring text;
    text.reserve(bytes.size());
    for (char c : bytes)
    {
        text.push_back(wchar_t(static_cast<unsigned char>(c)));
    }
    return text;
}

// Reads one statement into the material.
void ReadMaterialStatement(CObjScanner& scanner, std::string_view keyword, CObjMaterial& material)
{
    float value = 0.0f;
    int32_t number = 0;
    if (keyword == "Ka")
    {
        ReadColour(scanner, material.m_ambient);
    }
    else if (keyword == "Kd")
    {
        ReadColour(scanner, material.m_diffuse);
    }
    else if (keyword == "Ks")
    {
        ReadColour(scanner, material.m_specular);
    }
    else if ((keyword == "d" || keyword == "Tr") && scanner.ReadFloat(value))
    {
        material.m_alpha = value; // "Tr" as it stands, not as 1 - d
    }
    else if (keyword == "Ns" && scanner.ReadInt(number))
    {
        material.m_shininess = number;
    }
    else if (keyword == "illum" && scanner.ReadInt(number))
    {
        material.m_specularOn = number == 2;
    }
    else if (keyword == "map_Kd")
    {
        std::string_view file;
        if (scanner.ReadToken(file, TEXTURE_FILE_CHARS))
        {
            material.m_textureFile = Widen(file);
        }
    }
}
} // namespace

MeshResult CObjReader::ReadMtlFile(std::span<const uint8_t> text)
{
    try
    {
        CObjMaterial* current = nullptr;
        CObjScanner scanner(text);
        std::string_view keyword;
        while (scanner.ReadToken(keyword, KEYWORD_CHARS))
        {
            if (keyword == "newmtl")
            {
                std::string_view name;
                current = nullptr;
                if (scanner.ReadToken(name, MATERIAL_NAME_CHARS))
                {
                    const std::wstring wanted = Widen(name);
                    for (const auto& material : m_materialTable)
                    {
                        if (material->m_materialName == wanted)
                        {
                            current = material.get();
                            break;
                        }
                    }
                }
            }
            // Outside a material the model uses, every token is dropped on its own.
            if (current)
            {
                ReadMaterialStatement(scanner, keyword, *current);
                scanner.SkipLine();
            }
        }
        return MESH_OK;
    }
    catch (const std::bad_alloc&)
    {
        return MESH_E_OUTOFMEMORY;
    }
}

void ResetMaterial(CObjMaterial& material)
{
    material.m_materialName.clear();
    for (int i = 0; i < 3; ++i)
    {
        material.m_ambient[i] = 0.2f;
        material.m_diffuse[i] = 0.8f;
        material.m_specular[i] = 1.0f;
    }
    material.m_shininess = 0;
    material.m_alpha = 1.0f;
    material.m_specularOn = false;
    material.m_textureFile.clear();
    material.m_texture = nullptr;
}
