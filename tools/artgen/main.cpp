// artgen: makes Whirlmark's art.
//
//   artgen OUTDIR            writes every asset under OUTDIR in the repository's
//                            layout: saver/res/logo.3ds, saver/res/sky.bmp,
//                            saver/res/grass2.bmp, saver/res/fractex{1,2,3,5}.bmp
//                            wizard/res/sidebar.bmp and wizard/res/whirlmark.ico.
//   artgen --preview OUTDIR  writes pictures for judging the art: the model drawn
//                            as the saver draws it at several sizes and angles,
//                            and the textures on the logo.
//
// The output depends only on this program's source, so the committed assets can
// be checked by regenerating them.
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "icon.h"
#include "logo_mesh.h"
#include "preview.h"
#include "sidebar.h"
#include "tds_writer.h"
#include "textures.h"

using namespace artgen;

namespace {

struct Textures {
    RgbImage sky = makeSky();
    RgbImage grass = makeGrass();
    RgbImage fractex1 = makeFractex1();
    RgbImage fractex2 = makeFractex2();
    RgbImage fractex3 = makeFractex3();
    RgbImage fractex5 = makeFractex5();
};

std::vector<TdsMaterial> modelMaterials() {
    return {{"sky", "SKY.BMP", {150, 150, 150}}, {"grass", "GRASS2.BMP", {150, 150, 150}}};
}

bool makeDirs(const std::filesystem::path& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "artgen: cannot create %s: %s\n", dir.string().c_str(), ec.message().c_str());
        return false;
    }
    return true;
}

bool writeAssets(const std::filesystem::path& out) {
    const std::filesystem::path saverRes = out / "saver" / "res", wizardRes = out / "wizard" / "res";
    if (!makeDirs(saverRes) || !makeDirs(wizardRes)) return false;
    const Textures tex;
    const std::vector<Mesh> meshes = {buildBackdrop(), buildLogo()};
    std::printf("logo: %zu vertices, %zu faces\n", meshes[1].vertices.size(), meshes[1].faces.size());
    return writeFile((saverRes / "logo.3ds").string(), encodeTds(modelMaterials(), meshes)) &&
           writeFile((saverRes / "sky.bmp").string(), encodeBmp24(tex.sky)) &&
           writeFile((saverRes / "grass2.bmp").string(), encodeBmp24(tex.grass)) &&
           writeFile((saverRes / "fractex1.bmp").string(), encodeBmp24(tex.fractex1)) &&
           writeFile((saverRes / "fractex2.bmp").string(), encodeBmp24(tex.fractex2)) &&
           writeFile((saverRes / "fractex3.bmp").string(), encodeBmp24(tex.fractex3)) &&
           writeFile((saverRes / "fractex5.bmp").string(), encodeBmp24(tex.fractex5)) &&
           writeFile((wizardRes / "sidebar.bmp").string(), encodeBmp8(makeSidebar())) &&
           writeFile((wizardRes / "whirlmark.ico").string(), encodeProgramIcon());
}

bool writePreviews(const std::filesystem::path& out) {
    if (!makeDirs(out)) return false;
    const Textures tex;
    const std::vector<Mesh> meshes = {buildBackdrop(), buildLogo()};
    struct Shot {
        const char* name;
        PreviewView view;
        const RgbImage* logoTexture;
        const RgbImage* backTexture;
    };
    const Shot shots[] = {
        {"small_front", {800, 600, 24, 0, 0, 0, true, true}, &tex.grass, &tex.sky},
        {"medium_y30", {800, 600, 16, 0, 30, 0, true, true}, &tex.grass, &tex.sky},
        {"large_front", {800, 600, 8, 0, 0, 0, true, true}, &tex.grass, &tex.sky},
        {"large_x30", {800, 600, 8, 30, 0, 0, true, true}, &tex.grass, &tex.sky},
        {"large_spin", {800, 600, 8, 50, 65, 20, true, true}, &tex.grass, &tex.sky},
        {"large_back", {800, 600, 8, 0, 160, 0, true, true}, &tex.grass, &tex.sky},
        {"large_edge", {800, 600, 8, 10, 80, 0, true, true}, &tex.grass, &tex.sky},
        {"medium_nolight", {800, 600, 16, 0, 30, 0, false, true}, &tex.grass, &tex.sky},
        {"logo_fractex1", {640, 480, 8, 0, 25, 0, true, false}, &tex.fractex1, &tex.sky},
        {"logo_fractex2", {640, 480, 8, 0, 25, 0, true, false}, &tex.fractex2, &tex.sky},
        {"logo_fractex3", {640, 480, 8, 0, 25, 0, true, false}, &tex.fractex3, &tex.sky},
        {"logo_fractex5", {640, 480, 8, 0, 25, 0, true, false}, &tex.fractex5, &tex.sky},
        {"logo_sky", {640, 480, 8, 0, 25, 0, true, false}, &tex.sky, &tex.sky},
        {"wide_small", {1000, 400, 24, 0, 0, 0, true, true}, &tex.grass, &tex.sky},
        {"back_fractex1", {640, 480, 16, 0, 20, 0, true, true}, &tex.fractex2, &tex.fractex1},
        {"back_fractex2", {640, 480, 16, 0, 20, 0, true, true}, &tex.fractex1, &tex.fractex2},
        {"back_fractex3", {640, 480, 16, 0, 20, 0, true, true}, &tex.fractex1, &tex.fractex3},
        {"back_fractex5", {640, 480, 16, 0, 20, 0, true, true}, &tex.grass, &tex.fractex5},
        {"back_grass", {640, 480, 24, 0, 20, 0, true, true}, &tex.sky, &tex.grass},
    };
    for (const Shot& s : shots) {
        const RgbImage img = renderPreview(meshes, {s.backTexture, s.logoTexture}, s.view);
        if (!writeFile((out / (std::string(s.name) + ".bmp")).string(), encodeBmp24(img))) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 2 && std::string(argv[1]).rfind("--", 0) != 0) return writeAssets(argv[1]) ? 0 : 1;
        if (argc == 3 && std::string(argv[1]) == "--preview") return writePreviews(argv[2]) ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr, "usage: artgen OUTDIR\n       artgen --preview OUTDIR\n");
    return 2;
}
