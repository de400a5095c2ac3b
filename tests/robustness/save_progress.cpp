#include "save_progress.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace troven::testing {

SaveProgress& mapSaveProgress(const char* path) {
    const long page = sysconf(_SC_PAGESIZE);
    const int fd = open(path, O_RDWR | O_CREAT, 0600);
    if (fd < 0 || ftruncate(fd, page) != 0) {
        std::perror(path);
        std::abort();
    }
    void* mapped =
        mmap(nullptr, static_cast<std::size_t>(page), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    if (mapped == MAP_FAILED) {
        std::perror("mmap");
        std::abort();
    }
    return *static_cast<SaveProgress*>(mapped);
}

}  // namespace troven::testing
