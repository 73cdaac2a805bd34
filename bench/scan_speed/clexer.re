/* The benchmark's C lexer for re2c: the same rules as clexer.l, over the
   whole input in memory (ended by a zero byte, which the input never
   holds), counting tokens. */
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static long long scan_nanoseconds(void)
{
    struct timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

static long scan(const unsigned char *YYCURSOR, const unsigned char *YYLIMIT)
{
    const unsigned char *YYMARKER;
    long tokens = 0;
    (void)YYLIMIT;
    for (;;) {
    /*!re2c
        re2c:define:YYCTYPE = "unsigned char";
        re2c:yyfill:enable = 0;
        D = [0-9];
        L = [a-zA-Z_];
        H = [a-fA-F0-9];
        E = [Ee] [+-]? D+;
        [\x00] { return tokens; }
        "/*" ([^*\x00] | "*"+ [^*/\x00])* "*"+ "/" { continue; }
        "auto" | "break" | "case" | "char" | "const" | "continue" | "default" | "do" | "double" | "else"
            | "enum" | "extern" | "float" | "for" | "goto" | "if" | "int" | "long" | "register" | "return"
            | "short" | "signed" | "sizeof" | "static" | "struct" | "switch" | "typedef" | "union"
            | "unsigned" | "void" | "volatile" | "while" { ++tokens; continue; }
        L (L | D)* { ++tokens; continue; }
        "0" [xX] H+ { ++tokens; continue; }
        D+ { ++tokens; continue; }
        D+ E { ++tokens; continue; }
        D* "." D+ E? { ++tokens; continue; }
        D+ "." D* E? { ++tokens; continue; }
        ["] ([\\] [^\x00] | [^\\"\n\x00])* ["] { ++tokens; continue; }
        ['] ([\\] [^\x00] | [^\\'\n\x00])+ ['] { ++tokens; continue; }
        ">>=" | "<<=" | "+=" | "-=" | "*=" | "/=" | "%=" | "&=" | "^=" | "|=" { ++tokens; continue; }
        ">>" | "<<" | "++" | "--" | "->" | "&&" | "||" | "<=" | ">=" | "==" | "!=" { ++tokens; continue; }
        [-+*/%<>=!&|^~?:;,.(){}[\]] { ++tokens; continue; }
        [ \t\v\f\n]+ { continue; }
        * { ++tokens; continue; }
    */
    }
}

int main(void)
{
    size_t size = 0, capacity = 1 << 20;
    unsigned char *text = malloc(capacity + 1);
    size_t got;
    while ((got = fread(text + size, 1, capacity - size, stdin)) > 0) {
        size += got;
        if (size == capacity)
            text = realloc(text, (capacity *= 2) + 1);
    }
    text[size] = 0;
    long long start = scan_nanoseconds();
    long tokens = scan(text, text + size);
    long long end = scan_nanoseconds();
    fprintf(stderr, "%ld tokens\n", tokens);
    printf("%lld\n", end - start);
    return 0;
}
