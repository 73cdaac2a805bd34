#include "toolframe/platform/MemoryExhaustion.h"

#include <gtest/gtest.h>

namespace {
void previousHandler() { throw std::bad_alloc(); }
} // namespace

TEST(MemoryExhaustion, HandlerRaisesCMemoryExceptionAndIsPutBack)
{
    std::set_new_handler(previousHandler);
    {
        toolframe::MemoryExhaustionHandler handler;
        std::new_handler installed = std::get_new_handler();
        ASSERT_NE(installed, nullptr);
        EXPECT_THROW(installed(), toolframe::CMemoryException);
    }
    EXPECT_EQ(std::get_new_handler(), previousHandler);
    std::set_new_handler(nullptr);
}

TEST(MemoryExhaustion, ExceptionIsABadAlloc)
{
    // Library code that catches bad_alloc sees the same failure.
    EXPECT_THROW(throw toolframe::CMemoryException(), std::bad_alloc);
}
