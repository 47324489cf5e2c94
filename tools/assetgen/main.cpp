// assetgen <output-dir>                          writes every shipped picture
// assetgen --contact-sheet <png-path> <assets-dir>  writes an overview picture
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "asset_files.h"
#include "contact_sheet.h"

namespace {

bool writeFile(const std::string& path, const assetgen::Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 4 && std::string(argv[1]) == "--contact-sheet") {
            if (!writeFile(argv[2], assetgen::contactSheet(argv[3]))) {
                std::fprintf(stderr, "assetgen: cannot write %s\n", argv[2]);
                return 1;
            }
            return 0;
        }
        if (argc != 2 || argv[1][0] == '-') {
            std::fprintf(stderr, "usage: assetgen <output-dir>\n       assetgen --contact-sheet <png-path> <assets-dir>\n");
            return 2;
        }
        for (const assetgen::AssetFile& f : assetgen::buildAssets()) {
            const std::string path = std::string(argv[1]) + "/" + f.name;
            if (!writeFile(path, f.bytes)) {
                std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
                return 1;
            }
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
}
