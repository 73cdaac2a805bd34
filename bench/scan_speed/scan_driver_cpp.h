// The C++ form of scan_driver.h, included at the end of the C++ benchmark
// lexer, whose class is clexer: main reads its standard input into memory,
// scans it from there, and prints the token count (on standard error) and
// the processor time of the scan in nanoseconds.
#ifndef SCAN_DRIVER_CPP_H
#define SCAN_DRIVER_CPP_H
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
static long long scan_nanoseconds()
{
    struct timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}
int main()
{
    size_t size = 0, capacity = 1 << 20;
    char *text = (char *)malloc(capacity);
    size_t got;
    while ((got = fread(text + size, 1, capacity - size, stdin)) > 0) {
        size += got;
        if (size == capacity)
            text = (char *)realloc(text, capacity *= 2);
    }
    clexer lexer;
    lexer.yyin = fmemopen(text, size, "r");
    long tokens = 0;
    long long start = scan_nanoseconds();
    while (lexer.yylex() != 0)
        ++tokens;
    long long end = scan_nanoseconds();
    fprintf(stderr, "%ld tokens\n", tokens);
    printf("%lld\n", end - start);
    return 0;
}
#endif
