#include "asset_files.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

namespace qltest {

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes readAsset(const std::string& name) { return readFile(std::string(QL_ASSET_DIR) + "/" + name); }

ql::Image decodeAsset(const std::string& name) { return ql::decodeImage(readAsset(name)); }

std::string frameName(int n) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "frame%02d.%s", n, n <= 20 ? "bmp" : "gif");
    return buf;
}

std::vector<int> packedScales() {
    std::vector<int> out;
    for (int percent : ql::kPictureScales)
        if (percent != 100) out.push_back(percent);
    return out;
}

const std::vector<ql::PackedPicture>& picturePack(int percent) {
    static std::map<int, std::vector<ql::PackedPicture>> cache;
    auto it = cache.find(percent);
    if (it == cache.end()) it = cache.emplace(percent, ql::decodePicturePack(readAsset(ql::picturePackName(percent)))).first;
    return it->second;
}

const ql::PackedPicture& packedPicture(int percent, const std::string& name) {
    for (const ql::PackedPicture& p : picturePack(percent))
        if (p.name == name) return p;
    throw std::runtime_error(ql::picturePackName(percent) + " lacks " + name);
}

std::vector<std::string> allAssetNames() {
    std::vector<std::string> names;
    for (int n = 1; n <= 28; ++n) names.push_back(frameName(n));
    for (const char* n : {"menu_about.bmp", "menu_about_over.bmp", "menu_ontop_off.bmp", "menu_ontop_off_over.bmp",
                          "menu_ontop_on.bmp", "menu_ontop_on_over.bmp", "menu_end.bmp", "menu_end_over.bmp",
                          "about_pobo.bmp", "about_close.bmp", "quorlin.ico", "hand.cur"})
        names.emplace_back(n);
    for (int percent : ql::kPictureScales)
        if (percent != 100) names.push_back(ql::picturePackName(percent));
    return names;
}

}  // namespace qltest
