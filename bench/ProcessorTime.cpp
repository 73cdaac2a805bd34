// Runs a command and prints the processor time it and its children used,
// in microseconds, on standard error's last line; the command's own output
// goes where it would. GNU time's hundredths of a second are too coarse
// for runs of a few milliseconds. Usage: processor_time COMMAND [ARGS...]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const pid_t child = fork();
    if (child < 0)
        return 2;
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    if (waitpid(child, &status, 0) < 0)
        return 2;
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const long micros = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000L + usage.ru_utime.tv_usec +
                        usage.ru_stime.tv_usec;
    std::fprintf(stderr, "%ld\n", micros);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
