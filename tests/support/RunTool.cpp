#include "support/RunTool.h"

#include "platform/ModuleFolder.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace VelTest {

namespace {

// Output goes through files rather than pipes, so no amount of it can block the child.
class CaptureFile {
public:
    CaptureFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vel-tool-XXXXXX").string();
        m_fd = mkstemp(pattern.data());
        if (m_fd < 0) {
            throw std::runtime_error("cannot create a capture file");
        }
        m_path = pattern;
    }
    ~CaptureFile() {
        close(m_fd);
        std::remove(m_path.c_str());
    }
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    int Fd() const { return m_fd; }
    std::string Read() const {
        std::ifstream in(m_path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    int m_fd;
    std::string m_path;
};

} // namespace

ToolResult RunTool(const std::string& tool, const std::vector<std::string>& args) {
    const std::string path = Vel::GetModuleFolder() + tool;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const auto& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);

    CaptureFile out;
    CaptureFile err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out.Fd(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.Fd(), STDERR_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);

    ToolResult result;
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.status = WEXITSTATUS(status);
    }
    result.out = out.Read();
    result.err = err.Read();
    return result;
}

} // namespace VelTest
