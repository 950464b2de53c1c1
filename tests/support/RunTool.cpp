#include "support/RunTool.h"

#include "platform/ModuleFolder.h"

#include <cstdio>
#include <memory>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace VelTest {

namespace {

// Output goes through files rather than pipes, so no amount of it can block the child.
using CaptureFile = std::unique_ptr<FILE, int (*)(FILE*)>;

CaptureFile OpenCapture() {
    CaptureFile file(std::tmpfile(), &std::fclose);
    if (!file) {
        throw std::runtime_error("cannot create a capture file");
    }
    return file;
}

std::string ReadCapture(FILE* file) {
    std::string text;
    std::rewind(file);
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        text.append(buffer, n);
    }
    return text;
}

} // namespace

ToolResult RunTool(const std::string& tool, const std::vector<std::string>& args) {
    const std::string path = Vel::GetModuleFolder() + tool;
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const auto& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);

    const CaptureFile out = OpenCapture();
    const CaptureFile err = OpenCapture();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fileno(err.get()), STDERR_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);

    ToolResult result;
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        result.status = WEXITSTATUS(status);
    }
    result.out = ReadCapture(out.get());
    result.err = ReadCapture(err.get());
    return result;
}

} // namespace VelTest
