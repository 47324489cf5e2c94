// The committed pictures are exactly what the generator makes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "asset_files.h"

namespace qltest {
namespace {

TEST(Regeneration, GeneratorReproducesTheCommittedFilesByteForByte) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "ql_assetgen_regeneration";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string cmd = std::string("\"") + QL_ASSETGEN + "\" \"" + dir.string() + "\"";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;

    std::size_t produced = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        (void)entry;
        ++produced;
    }
    const std::vector<std::string> names = allAssetNames();
    EXPECT_EQ(produced, names.size());
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const Bytes fresh = readFile((dir / name).string());
        EXPECT_FALSE(fresh.empty());
        EXPECT_TRUE(fresh == readAsset(name)) << "regenerate with: assetgen assets";
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace qltest
