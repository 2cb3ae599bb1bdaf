// tallyfox_run_unprivileged PROGRAM [ARGS...]: runs a test program as an unprivileged
// user, so that tests of what file permissions forbid also run where the tests run as
// root (the superuser reads and writes whatever the permissions say). Started by
// anyone else, it runs the program as it is. Exits 77 (the tests count as skipped)
// when the user cannot be changed or cannot reach the program, saying why.

#include <grp.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr uid_t kNobody = 65534;
constexpr int kExitSkipped = 77;

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: tallyfox_run_unprivileged PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    if (::geteuid() == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            std::fprintf(stderr, "skipped: cannot become user %u: %s\n", kNobody, std::strerror(errno));
            return kExitSkipped;
        }
        if (::access(argv[1], X_OK) != 0) {
            std::fprintf(stderr, "skipped: user %u cannot run %s: %s\n", kNobody, argv[1], std::strerror(errno));
            return kExitSkipped;
        }
    }
    ::execv(argv[1], argv + 1);
    std::fprintf(stderr, "cannot run %s: %s\n", argv[1], std::strerror(errno));
    return 127;
}
