#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "calc/formula_parser.h"

namespace {

// While set, the next allocation of the program fails, as it would when memory runs out.
bool failNextAllocation = false;

}  // namespace

void* operator new(std::size_t size) {
    if (failNextAllocation) {
        failNextAllocation = false;
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace quantora {
namespace {

TEST(AllocationFailureTest, BecomesASystemErrorAndZero) {
    FormulaParser parser;
    std::string formula(100, '1');
    std::string error;
    error.reserve(64);
    failNextAllocation = true;
    EXPECT_EQ(parser.Evaluate(std::move(formula), 1, error, 1), 0);
    EXPECT_FALSE(failNextAllocation);
    EXPECT_EQ(error, "System Error: std::bad_alloc");
    EXPECT_EQ(parser.Evaluate("2+" + std::string(100, '0'), 1, error, 1), 2);
    EXPECT_EQ(error, "");
}

}  // namespace
}  // namespace quantora
