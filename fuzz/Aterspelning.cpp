// Feeds every file of the folders or files named on the command line to the
// target once, as libFuzzer would, so the committed corpora replay in the
// sanitizer build without clang.

#include "fuzz/Fuzzstod.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> Filer(const fs::path& sokvag) {
    std::vector<fs::path> filer;
    if (fs::is_directory(sokvag)) {
        for (const auto& post : fs::directory_iterator(sokvag))
            if (post.is_regular_file()) filer.push_back(post.path());
        std::sort(filer.begin(), filer.end());
    } else {
        filer.push_back(sokvag);
    }
    return filer;
}

void Spela(const fs::path& fil) {
    std::ifstream in(fil, std::ios::binary);
    const std::vector<char> innehall{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(innehall.data()), innehall.size());
}

}  // namespace

int main(int argc, char* argv[]) {
    int antal = 0;
    for (int i = 1; i < argc; ++i) {
        if (!fs::exists(argv[i])) {
            std::fprintf(stderr, "Finns inte: %s\n", argv[i]);
            return 2;
        }
        for (const fs::path& fil : Filer(argv[i])) {
            Spela(fil);
            ++antal;
        }
    }
    if (antal == 0) {
        std::fprintf(stderr, "Inga indata att spela upp\n");
        return 2;
    }
    std::printf("%d indata utan fynd\n", antal);
    return 0;
}
