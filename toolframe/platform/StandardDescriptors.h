#pragma once

namespace toolframe {

// Gives each closed standard descriptor (input, output, error) a stand-in,
// so that no file the run opens takes its number: a generated file opened
// as descriptor 1 would otherwise receive the run's diagnostics. The
// stand-in is the root directory opened for reading only, so that writing
// to a closed standard output still fails, and is reported, as before, and
// so does opening it by name (/dev/stdout) to write or read.
void occupyClosedStandardDescriptors();

} // namespace toolframe
