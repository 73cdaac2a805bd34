// Prints a Unicode class of the BMP as an re2c character class, so that a
// peer without class names gets the same set lindle computes from
// [:walpha:] and friends. Usage: unicode_class_ranges alpha|alnum|digit|space
#include <clocale>
#include <cstdio>
#include <cstring>
#include <cwctype>

int main(int argc, char** argv)
{
    if (argc != 2 || std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr)
        return 2;
    const std::wctype_t test = std::wctype(argv[1]);
    if (test == 0)
        return 2;
    std::printf("[");
    long first = -1;
    for (long unit = 0; unit <= 0x10000; ++unit) {
        const bool member = unit < 0x10000 && !(unit >= 0xD800 && unit <= 0xDFFF) &&
                            std::iswctype(static_cast<std::wint_t>(unit), test);
        if (member && first < 0)
            first = unit;
        if (!member && first >= 0) {
            std::printf("\\u%04lX-\\u%04lX", first, unit - 1);
            first = -1;
        }
    }
    std::printf("]\n");
    return 0;
}
