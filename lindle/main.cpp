#include <string_view>
#include <vector>

#include "lindle/Driver.h"

int main(int argc, char** argv)
{
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    lindle::Driver driver;
    return driver.main(arguments);
}
