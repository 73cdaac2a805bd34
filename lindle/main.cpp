#include "lindle/Driver.h"

int main(int argc, char** argv)
{
    lindle::Driver driver;
    return driver.main(argc, argv);
}
