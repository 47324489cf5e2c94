#include <gtest/gtest.h>

#include "desktop.h"

namespace ql::test {
namespace {

class SettingsStore : public Desktop {
protected:
    void SetUp() override { program = std::make_unique<Quorlin>(sim); }
    std::int32_t check() {
        std::int32_t status = -1;
        CheckSettings(program->runtime, status);
        return status;
    }
    std::int32_t read(std::int32_t before = -7) {
        ReadOnTop(program->runtime, before);
        return before;
    }
};

TEST_F(SettingsStore, CheckReportsTheRegistryResult) {
    EXPECT_EQ(check(), kErrorFileNotFound);
    sim.regCreateKey(kSettingsKey);
    EXPECT_EQ(check(), kErrorFileNotFound);
    sim.regPut(kSettingsKey, kOnTopValue, kRegBinary, {0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(check(), kErrorMoreData);
    sim.regPut(kSettingsKey, kOnTopValue, kRegBinary, {1, 0});
    EXPECT_EQ(check(), kErrorSuccess);
    sim.regPutDword(kSettingsKey, kOnTopValue, 1);
    EXPECT_EQ(check(), kErrorSuccess);
    sim.regDenyAccess(kSettingsKey, true);
    EXPECT_EQ(check(), kErrorAccessDenied);
    EXPECT_EQ(sim.openKeyCount(), 0);
}

TEST_F(SettingsStore, ReadYieldsTheStoredNumberOrLeavesTheArgument) {
    EXPECT_EQ(read(5), 5) << "no key: untouched";
    sim.regCreateKey(kSettingsKey);
    EXPECT_EQ(read(5), 0) << "no value: 0";
    const struct {
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        std::int32_t yields;
    } cases[] = {
        {kRegDword, {1, 0, 0, 0}, 1},
        {kRegDword, {0, 0, 0, 0}, 0},
        {kRegDword, {2, 0, 0, 0}, 2},
        {kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, -1},
        {kRegSz, {'1', 0}, 0},
        {kRegBinary, {1, 0, 0, 0, 0, 0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        sim.regPut(kSettingsKey, kOnTopValue, c.type, c.data);
        EXPECT_EQ(read(), c.yields) << "type " << c.type << " size " << c.data.size();
    }
    EXPECT_EQ(sim.openKeyCount(), 0);
}

TEST_F(SettingsStore, SaveThenReadRoundTrips) {
    sim.regPutDword(kSettingsKey, kOnTopValue, 0);
    SaveOnTopOn(program->runtime);
    EXPECT_EQ(read(), 1);
    ASSERT_TRUE(sim.regGet(kSettingsKey, kOnTopValue));
    EXPECT_EQ(sim.regGet(kSettingsKey, kOnTopValue)->type, kRegDword);
    SaveOnTopOff(program->runtime);
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(sim.regGet(kSettingsKey, kOnTopValue)->data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST_F(SettingsStore, AKeyDeletedAfterStartIsNeitherReadNorRecreated) {
    sim.regPutDword(kSettingsKey, kOnTopValue, 1);
    std::int32_t setting = 0;
    ReadOnTop(program->runtime, setting);
    ASSERT_EQ(setting, 1);
    sim.regDeleteKey(kSettingsKey);
    ReadOnTop(program->runtime, setting);
    EXPECT_EQ(setting, 1);
    SaveOnTopOff(program->runtime);
    SaveOnTopOn(program->runtime);
    EXPECT_FALSE(sim.regGet(kSettingsKey, kOnTopValue));
    EXPECT_EQ(check(), kErrorFileNotFound);
    EXPECT_TRUE(sim.messageBoxes().empty());
}

TEST_F(SettingsStore, AnUnexpectedFailureIsReportedAndTheOperationReturns) {
    sim.regPutDword(kSettingsKey, kOnTopValue, 1);
    sim.failNext("RegQueryValueExA", "Out of memory");
    std::int32_t status = -1;
    CheckSettings(program->runtime, status);
    EXPECT_EQ(status, kErrorSuccess) << "what the open had written stays";
    ASSERT_EQ(sim.messageBoxes().size(), 1u);
    EXPECT_EQ(sim.messageBoxes()[0].text, "Out of memory");
    EXPECT_EQ(sim.messageBoxes()[0].title, "Quorlin");
    EXPECT_EQ(sim.messageBoxes()[0].type, kMbOk | kMbIconWarning);
    EXPECT_EQ(sim.openKeyCount(), 0) << "the key is closed on the way out";

    sim.failNext("RegSetValueExA", "Permission denied");
    SaveOnTopOff(program->runtime);
    EXPECT_EQ(sim.messageBoxes().size(), 2u);
    EXPECT_EQ(read(), 1);
}

}  // namespace
}  // namespace ql::test
