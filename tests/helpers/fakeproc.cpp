// A stand-in for the external programs that process control deals with. Modes:
//   sleep                   do nothing for up to a minute
//   ignore-int              ignore interrupts, then sleep
//   stubborn                ignore interrupts, termination requests and hang-ups, then sleep
//   marker-on-int FILE      on an interrupt write FILE and exit 0
//   spawn N PROGRAM ARGS... start N children running PROGRAM ARGS, then sleep
// Every mode prints "ready <pid>" once set up and gives up after a minute, so that a failing
// test never leaves a process behind for long.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

static const char *markerFile = nullptr;

static void onInterrupt(int)
{
    if (markerFile) {
        int fd = ::open(markerFile, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            (void)!::write(fd, "interrupted\n", 12);
            ::close(fd);
        }
    }
    _exit(0);
}

static void ready()
{
    std::printf("ready %d\n", int(::getpid()));
    std::fflush(stdout);
}

static void idle()
{
    for (int i = 0; i < 600; ++i)
        ::usleep(100 * 1000);
}

int main(int argc, char **argv)
{
    const std::string mode = argc > 1 ? argv[1] : "sleep";
    if (mode == "ignore-int") {
        std::signal(SIGINT, SIG_IGN);
    } else if (mode == "stubborn") {
        for (int sig : {SIGINT, SIGTERM, SIGHUP})
            std::signal(sig, SIG_IGN);
    } else if (mode == "marker-on-int" && argc > 2) {
        markerFile = argv[2];
        struct sigaction action = {};
        action.sa_handler = onInterrupt;
        sigaction(SIGINT, &action, nullptr);
    } else if (mode == "spawn" && argc > 3) {
        const int count = std::atoi(argv[2]);
        for (int i = 0; i < count; ++i) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                // The children must not print into the parent's pipe.
                int devnull = ::open("/dev/null", O_WRONLY);
                ::dup2(devnull, 1);
                ::execv(argv[3], argv + 3);
                _exit(127);
            }
        }
    } else if (mode != "sleep") {
        std::fprintf(stderr, "unknown mode\n");
        return 2;
    }
    ready();
    idle();
    return 0;
}
