// SPDX-License-Identifier: GPL-3.0-or-later
// vm-assetgen DATA_FOLDER: draws every picture and synthesises every sound of
// the game into DATA_FOLDER (normally the repository's data/). The same
// program always writes the same bytes.
#include "assets.h"
#include "files.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using namespace vm::assets;

namespace {

// Fixed JPEG quality for all skins: high enough that lines and lettering stay
// crisp, low enough that the files stay small.
constexpr int kJpegQuality = 90;

struct Job {
    std::string file;  // relative to the data folder
    std::function<void(const fs::path&)> make;
};

std::vector<Job> jobs() {
    std::vector<Job> list = {
        {"skin/title.jpg", [](const fs::path& p) { writeJpeg(makeTitle(), p, kJpegQuality); }},
        {"teamimage.bmp", [](const fs::path& p) { writeBmp(makeEmblems(), p); }},
        {"skin/pitch.jpg", [](const fs::path& p) { writeJpeg(makePitch(), p, kJpegQuality); }},
        {"skin/main.jpg", [](const fs::path& p) { writeJpeg(makeClubhouse(), p, kJpegQuality); }},
        {"skin/trade.jpg", [](const fs::path& p) { writeJpeg(makeTransferOffice(), p, kJpegQuality); }},
        {"skin/news.jpg", [](const fs::path& p) { writeJpeg(makeNewsStudio(), p, kJpegQuality); }},
        {"skin/save.jpg", [](const fs::path& p) { writeJpeg(makeArchive(), p, kJpegQuality); }},
        {"skin/caster.jpg", [](const fs::path& p) { writeJpeg(makeCasterSmall(), p, kJpegQuality); }},
        {"skin/caster2.bmp", [](const fs::path& p) { writeBmp(makeCasterLarge(), p); }},
        {"skin/ball.png", [](const fs::path& p) { writePng(makeBall(), p); }},
        {"skin/ballshadow.png", [](const fs::path& p) { writePng(makeBallShadow(), p); }},
        {"icons/hicolor/scalable/apps/vellmora2.svg", [](const fs::path& p) { writeText(iconSvg(), p); }},
    };
    const std::pair<const char*, Samples (*)()> sounds[] = {
        {"sound/mstart.wav", makeKickoffWhistle}, {"sound/mend.wav", makeFinalWhistle},
        {"sound/goal.wav", makeGoalRoar},         {"sound/home.wav", makeHomeChant},
        {"sound/post.wav", makePostHit},
    };
    for (const auto& [file, make] : sounds)
        list.push_back({file, [make = make](const fs::path& p) { writeWav(make(), kSoundRate, p); }});
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string dim = std::to_string(size) + "x" + std::to_string(size);
        list.push_back({"icons/hicolor/" + dim + "/apps/vellmora2.png",
                        [size](const fs::path& p) { writePng(makeIcon(size), p); }});
    }
    return list;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vm-assetgen DATA_FOLDER\n");
        return 2;
    }
    const fs::path out = argv[1];
    try {
        for (const Job& job : jobs()) {
            job.make(out / job.file);
            std::printf("wrote %s\n", (out / job.file).string().c_str());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vm-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
