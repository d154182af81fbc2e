#include "calc/formula_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace quantora {
namespace {

FormulaRecord Formula(const std::string& text, std::int32_t angleUnit) {
    FormulaRecord record;
    EXPECT_EQ(record.formula.Assign(text, "formula"), std::nullopt);
    EXPECT_EQ(record.x.Assign("2", "x"), std::nullopt);
    for (std::size_t i = 0; i < record.variables.size(); ++i) {
        EXPECT_EQ(record.variables[i].Assign(std::string(1, FormulaRecord::kVariableNames[i]) + "=1", "variable"),
                  std::nullopt);
    }
    record.angleUnit = angleUnit;
    return record;
}

// The file is the one record, with the last variable and the angle unit at the end of it.
TEST(FormulaFile, WritesOneRecordAndReadsItBack) {
    test::TempFolder folder;
    const auto path = folder / "calc.xpq";
    const FormulaRecord written = Formula("sin(x)*F", 3);
    ASSERT_EQ(WriteFormulaFile(path, written), std::nullopt);
    const auto bytes = test::ReadBytes(path);
    ASSERT_EQ(bytes.size(), FormulaRecord::kSize);
    EXPECT_EQ(std::string(bytes.begin() + 2680, bytes.begin() + 2684), std::string("Z=1") + '\0');
    EXPECT_EQ(bytes[2880], 3);
    const FormulaFile read = ReadFormulaFile(path);
    EXPECT_TRUE(read.opened);
    EXPECT_TRUE(read.error.empty());
    EXPECT_EQ(read.record, written);
}

// Later records overwrite earlier ones; an empty file opens and holds no record; a fragment at
// the end is reported and not read.
TEST(FormulaFile, TheLastWholeRecordIsTheFilesState) {
    struct Case {
        const char* what;
        std::size_t records;
        std::size_t fragment;
        bool hasRecord;
    };
    const Case cases[] = {{"empty", 0, 0, false}, {"two records", 2, 0, true}, {"record and fragment", 1, 100, true}};
    for (const Case& c : cases) {
        test::TempFolder folder;
        std::vector<std::uint8_t> bytes((c.records * FormulaRecord::kSize) + c.fragment, 0);
        for (std::size_t i = 0; i < c.records; ++i) {
            Formula("x+" + std::to_string(i), 1)
                .Encode(std::span(bytes).subspan(i * FormulaRecord::kSize).first<FormulaRecord::kSize>());
        }
        test::WriteBytes(folder / "f.xpq", bytes);
        const FormulaFile read = ReadFormulaFile(folder / "f.xpq");
        EXPECT_TRUE(read.opened) << c.what;
        ASSERT_EQ(read.record.has_value(), c.hasRecord) << c.what;
        if (c.hasRecord) {
            EXPECT_EQ(read.record->formula.Text(), "x+" + std::to_string(c.records - 1)) << c.what;
        }
        EXPECT_EQ(read.error.empty(), c.fragment == 0) << c.what;
    }
    EXPECT_FALSE(ReadFormulaFile(test::TempFolder().Path() / "missing.xpq").opened);
}

}  // namespace
}  // namespace quantora
