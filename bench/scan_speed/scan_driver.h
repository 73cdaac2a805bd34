/* Shared by the benchmark's lex scanners: main reads its standard input
   into memory, scans it from there, and prints the token count (on
   standard error) and the processor time of the scan in nanoseconds, so
   that no scanner is timed on its reading. A C++ scanner class defines
   SCAN_OBJECT (the scanner's declaration), SCAN_INPUT and SCAN_NEXT() for
   its object before it includes this after the class. */
#ifndef SCAN_DRIVER_H
#define SCAN_DRIVER_H
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#ifndef SCAN_NEXT
extern FILE *yyin;
int yylex(void);
int yywrap(void);
#define SCAN_OBJECT
#define SCAN_INPUT yyin
#define SCAN_NEXT() yylex()
#endif
static long long scan_nanoseconds(void)
{
    struct timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}
int main(void)
{
    size_t size = 0, capacity = 1 << 20;
    char *text = (char *)malloc(capacity);
    size_t got;
    while ((got = fread(text + size, 1, capacity - size, stdin)) > 0) {
        size += got;
        if (size == capacity)
            text = (char *)realloc(text, capacity *= 2);
    }
    SCAN_OBJECT
    SCAN_INPUT = fmemopen(text, size, "r");
    long tokens = 0;
    long long start = scan_nanoseconds();
    while (SCAN_NEXT() != 0)
        ++tokens;
    long long end = scan_nanoseconds();
    fprintf(stderr, "%ld tokens\n", tokens);
    printf("%lld\n", end - start);
    return 0;
}
#endif
