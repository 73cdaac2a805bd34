// Writes random C-like text for the scanning benchmark: declarations,
// expressions, literals, comments and blank space in proportions like a
// real program's. Two other kinds of text pull apart what a scanner pays
// for each character and for each token: "long" is identifiers of 200
// characters, one to a line, and "short" one-character operators without
// blanks. Usage: c_like_text MEGABYTES [mixed|long|short] > file (fixed
// seed).
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

// Lines of length characters drawn from alphabet, after first, until
// target bytes are written.
void writeLines(long target, std::mt19937& random, const std::string& first, const std::string& alphabet,
                int length)
{
    std::string line;
    for (long written = 0; written < target; written += static_cast<long>(line.size())) {
        line.clear();
        line += first;
        while (static_cast<int>(line.size()) < length)
            line += alphabet[random() % alphabet.size()];
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const long megabytes = argc > 1 ? std::atol(argv[1]) : 100;
    const long target = megabytes * 1024 * 1024;
    const std::string kind = argc > 2 ? argv[2] : "mixed";
    std::mt19937 random(20261208);
    if (kind == "long") {
        writeLines(target, random, "x", "abcdefghijklmnopqrstuvwxyz_0123456789", 200);
        return 0;
    }
    if (kind == "short") {
        // None that begins or continues a longer operator or a comment.
        writeLines(target, random, "", "~?:;,.(){}[]", 79);
        return 0;
    }
    if (kind != "mixed") {
        std::fprintf(stderr, "c_like_text: unknown kind of text '%s'\n", kind.c_str());
        return 2;
    }
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
