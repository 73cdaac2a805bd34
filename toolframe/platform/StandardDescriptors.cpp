#include "toolframe/platform/StandardDescriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace toolframe {

namespace {

bool isClosed(int descriptor)
{
    return ::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF;
}

} // namespace

void occupyClosedStandardDescriptors()
{
    for (int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (!isClosed(descriptor))
            continue;
        // The lowest free number is this one, as the lower ones are open.
        // A directory, which no name such as /dev/stdout can reopen for
        // writing either.
        const int standIn = ::open("/", O_RDONLY | O_DIRECTORY);
        if (standIn < 0)
            return;
        if (standIn != descriptor) {
            ::dup2(standIn, descriptor);
            ::close(standIn);
        }
    }
}

} // namespace toolframe
