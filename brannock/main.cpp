#include "brannock/Driver.h"

int main(int argc, char** argv)
{
    brannock::Driver driver;
    return driver.main(argc, argv);
}
