// Reads a generated OBJ (a 1001 x 1001 grid, two million triangles with positions, texture
// coordinates, normals and two materials) with the program's reader and with tinyobjloader, file
// reading included, alternately five times each; prints MB/s of the medians and their ratio. Not
// a test: nothing here asserts a time.
#include <tiny_obj_loader.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "FileIo.h"
#include "ObjReader.h"

namespace
{
constexpr int GRID = 1001; // vertices per side

void WriteModel(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder / "meshes");
    std::ofstream obj(folder / "meshes" / "pitch_fork.obj", std::ios::binary);
    obj << "mtllib pitch_fork\n";
    char line[256];
    for (int y = 0; y < GRID; ++y)
    {
        for (int x = 0; x < GRID; ++x)
        {
            const double u = double(x) / (GRID - 1), v = double(y) / (GRID - 1);
            std::snprintf(line, sizeof line, "v %.6f %.6f %.6f\n", u * 4 - 2, v * 4 - 2, 0.3 * std::sin(u * 9) * std::cos(v * 7));
            obj << line;
            std::snprintf(line, sizeof line, "vt %.6f %.6f\n", u, v);
            obj << line;
            std::snprintf(line, sizeof line, "vn %.6f %.6f %.6f\n", -0.1 * std::cos(u * 9), 0.1 * std::sin(v * 7), -0.99);
            obj << line;
        }
    }
    for (int y = 0; y + 1 < GRID; ++y)
    {
        obj << (y < GRID / 2 ? "usemtl wood\n" : "usemtl iron\n");
        for (int x = 0; x + 1 < GRID; ++x)
        {
            const int a = y * GRID + x + 1, b = a + 1, c = a + GRID, d = c + 1;
            std::snprintf(line, sizeof line, "f %d/%d/%d %d/%d/%d %d/%d/%d\nf %d/%d/%d %d/%d/%d %d/%d/%d\n", a, a, a, b, b,
                          b, d, d, d, a, a, a, d, d, d, c, c, c);
            obj << line;
        }
    }
    std::ofstream mtl(folder / "meshes" / "pitch_fork", std::ios::binary);
    mtl << "newmtl wood\nKd 0.8 0.6 0.4\nmap_Kd ash_wood\nnewmtl iron\nKd 0.6 0.6 0.6\nmap_Kd forged_iron\n";
}

template <class Read> double Seconds(Read read)
{
    const auto start = std::chrono::steady_clock::now();
    read();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
} // namespace

int main()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "quillmark-objbench";
    WriteModel(folder);
    const std::filesystem::path path = folder / "meshes" / "pitch_fork.obj";
    const double megabytes = double(std::filesystem::file_size(path)) / 1e6;

    std::vector<double> ours, theirs;
    size_t ourTriangles = 0, theirTriangles = 0;
    for (int run = 0; run < 5; ++run)
    {
        ours.push_back(Seconds([&] {
            const std::filesystem::path folders[] = {folder};
            CObjReader reader;
            reader.ReadObjFile(folders);
            ourTriangles = reader.m_faceMaterials.size();
        }));
        theirs.push_back(Seconds([&] {
            tinyobj::attrib_t attrib;
            std::vector<tinyobj::shape_t> shapes;
            std::vector<tinyobj::material_t> materials;
            std::string warning, error;
            tinyobj::LoadObj(&attrib, &shapes, &materials, &warning, &error, path.string().c_str(),
                             (folder / "meshes").string().c_str());
            theirTriangles = 0;
            for (const tinyobj::shape_t& shape : shapes)
            {
                theirTriangles += shape.mesh.num_face_vertices.size();
            }
        }));
    }
    std::sort(ours.begin(), ours.end());
    std::sort(theirs.begin(), theirs.end());
    const double our = ours[2], their = theirs[2];
    std::printf("OBJ of %.1f MB, %zu triangles (tinyobjloader: %zu)\n", megabytes, ourTriangles, theirTriangles);
    std::printf("CObjReader      %7.1f MB/s (median %.3f s)\n", megabytes / our, our);
    std::printf("tinyobjloader   %7.1f MB/s (median %.3f s)\n", megabytes / their, their);
    std::printf("ratio           %7.2f x\n", their / our);
    std::filesystem::remove_all(folder);
    return ourTriangles == theirTriangles ? 0 : 1;
}
