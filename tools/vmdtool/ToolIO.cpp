#include "ToolIO.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace VmdTool {

namespace {

std::string cannot(const char* what, const std::string& path, int error) {
    return std::string("cannot ") + what + " '" + path + "': " + std::strerror(error);
}

bool writeAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

int Fail(const std::string& message) {
    const std::string line = "vmdtool: " + message + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    return kExitFailure;
}

bool ReadFile(const std::string& path, std::string& content, std::string& error) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = cannot("open", path, errno);
        return false;
    }
    struct stat info {};
    if (fstat(fd, &info) == 0 && !S_ISREG(info.st_mode)) {
        close(fd);
        error = "cannot open '" + path + "': not a regular file";
        return false;
    }
    char buffer[65536];
    ssize_t n = 0;
    while ((n = read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error = cannot("read", path, errno);
            close(fd);
            return false;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return true;
}

bool WriteFile(const std::string& path, const std::string& content, std::string& error) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = cannot("write", path, errno);
        return false;
    }
    // mkstemp makes the file private; give it the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    const bool written = writeAll(fd, content);
    const int writeError = errno;
    if (close(fd) != 0 || !written) {
        unlink(temporary.c_str());
        error = cannot("write", path, written ? errno : writeError);
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        unlink(temporary.c_str());
        error = cannot("write", path, renameError);
        return false;
    }
    return true;
}

void PrintRaw(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

} // namespace VmdTool
