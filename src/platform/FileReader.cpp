#include "platform/FileReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Vel {

namespace {

// Plain descriptors rather than stdio: no FILE and no stream buffer for a single read.
class Descriptor {
public:
    explicit Descriptor(const std::string& path)
        : m_nFd(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~Descriptor() {
        if (m_nFd >= 0) {
            close(m_nFd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_nFd; }

private:
    int m_nFd;
};

bool readAll(int fd, char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = read(fd, data + done, size - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false; // error, or the file shrank while being read
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

} // namespace

ReadFileResult ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& content) {
    content.clear();
    const Descriptor file(path);
    if (file.Get() < 0) {
        return ReadFileResult::CannotOpen;
    }
    struct stat info {};
    if (fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return ReadFileResult::CannotOpen;
    }
    if (static_cast<unsigned long long>(info.st_size) > maxBytes) {
        return ReadFileResult::TooLarge;
    }
    content.resize(static_cast<std::size_t>(info.st_size));
    if (!readAll(file.Get(), content.data(), content.size())) {
        content.clear();
        return ReadFileResult::ReadError;
    }
    return ReadFileResult::Ok;
}

const char* DescribeReadFileResult(ReadFileResult result) {
    switch (result) {
    case ReadFileResult::Ok:
        return "ok";
    case ReadFileResult::CannotOpen:
        return "cannot be opened";
    case ReadFileResult::TooLarge:
        return "is too large";
    case ReadFileResult::ReadError:
        return "cannot be read";
    }
    return "cannot be read";
}

} // namespace Vel
