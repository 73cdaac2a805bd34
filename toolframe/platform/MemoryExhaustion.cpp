#include "toolframe/platform/MemoryExhaustion.h"

namespace toolframe {

namespace {

[[noreturn]] void raiseMemoryException() { throw CMemoryException(); }

} // namespace

MemoryExhaustionHandler::MemoryExhaustionHandler() : previous_(std::set_new_handler(raiseMemoryException)) {}

MemoryExhaustionHandler::~MemoryExhaustionHandler() { std::set_new_handler(previous_); }

} // namespace toolframe
