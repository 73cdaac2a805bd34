// Writes random C-like text for the scanning benchmark: declarations,
// expressions, literals, comments and blank space in proportions like a
// real program's. Usage: c_like_text MEGABYTES > file (fixed seed).
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

int main(int argc, char** argv)
{
    const long megabytes = argc > 1 ? std::atol(argv[1]) : 100;
    const long target = megabytes * 1024 * 1024;
    std::mt19937 random(20261208);
    const char* keywords[] = {"int", "char", "if", "else", "while", "for", "return", "static", "struct", "void",
                              "unsigned", "const", "switch", "case", "break", "sizeof", "typedef", "long"};
    const char* operators[] = {"=", "+", "-", "*", "/", "==", "!=", "<=", ">=", "&&", "||", "->", "++", "+=",
                               "<<", ">>=", "(", ")", "{", "}", "[", "]", ";", ",", ".", "?", ":", "!", "&"};
    const char* names[] = {"count", "buffer", "i", "j", "node", "next", "value", "result", "x", "length_of_list",
                           "yy_state", "p", "tmp", "data", "index"};
    std::string line;
    long written = 0;
    while (written < target) {
        line.clear();
        const int tokens = 3 + static_cast<int>(random() % 12);
        if (random() % 8 == 0)
            line += "    ";
        for (int t = 0; t < tokens; ++t) {
            switch (random() % 10) {
            case 0: line += keywords[random() % (sizeof keywords / sizeof *keywords)]; break;
            case 1: case 2: case 3: line += names[random() % (sizeof names / sizeof *names)]; break;
            case 4: line += std::to_string(random() % 100000); break;
            case 5: line += "0x" + std::to_string(random() % 9999) + "F"; break;
            case 6: line += "\"text " + std::to_string(random() % 100) + "\\n\""; break;
            case 7: line += std::to_string(random() % 100) + "." + std::to_string(random() % 1000) + "e-3"; break;
            default: line += operators[random() % (sizeof operators / sizeof *operators)]; break;
            }
            line += random() % 3 == 0 ? "  " : " ";
        }
        if (random() % 16 == 0)
            line += "/* a comment * with stars */";
        line += "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
        written += static_cast<long>(line.size());
    }
    return 0;
}
