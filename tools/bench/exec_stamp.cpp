// Prints the wall clock in milliseconds on standard error, then becomes the given program:
// the start-up benchmark's "process start", without the shell's fork in it.
//   exec_stamp PROGRAM [ARGS...]
#include <chrono>
#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: exec_stamp PROGRAM [ARGS...]\n");
        return 2;
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "exec_stamp: started at %lld ms\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
    execv(argv[1], argv + 1);
    std::perror("exec_stamp");
    return 127;
}
