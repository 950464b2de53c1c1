#include "ValidationFileCheck.h"

#include <vel/PVMDataFile.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Vel::Tools {

namespace {

// The whole file, or the errno text in `problem`.
bool readAll(const std::string& path, std::string& content, std::string& problem) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        problem = std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        problem = std::strerror(S_ISDIR(info.st_mode) ? EISDIR : errno);
        close(fd);
        return false;
    }
    if (info.st_size > CPVMDataFile::kMaxFileBytes) {
        problem = std::to_string(info.st_size) + " bytes, more than the " +
                  std::to_string(CPVMDataFile::kMaxFileBytes) + " a validation file may hold";
        close(fd);
        return false;
    }
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(fd, buffer, sizeof buffer)) > 0) {
        content.append(buffer, static_cast<std::size_t>(n));
    }
    if (n < 0) {
        problem = std::strerror(errno);
    }
    close(fd);
    return n == 0;
}

bool hasSection(const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) {
        const auto first = entry.find_first_not_of(" \t\r");
        const auto last = entry.find_last_not_of(" \t\r");
        if (first != std::string::npos && last > first && entry[first] == '[' &&
            entry[last] == ']') {
            return true;
        }
    }
    return false;
}

} // namespace

std::string ValidationFileProblem(const std::string& path) {
    std::string content;
    std::string problem;
    if (!readAll(path, content, problem)) {
        return problem;
    }
    if (content.empty()) {
        return "the file is empty";
    }
    if (IsTruncatedPack(content)) {
        return "the file is truncated (its last entry has no end)";
    }
    if (!hasSection(CPVMDataFile::Unpack(content))) {
        return "the file holds no sections (not a validation file)";
    }
    return {};
}

bool IsTruncatedPack(const std::string& packed) {
    return !packed.empty() &&
           static_cast<unsigned char>(packed.back()) != CPVMDataFile::kScrambleKey;
}

std::string FirstValidationFileProblem(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        if (path.empty()) {
            continue;
        }
        const std::string problem = ValidationFileProblem(path);
        if (!problem.empty()) {
            return "validation file '" + path + "': " + problem;
        }
    }
    return {};
}

std::vector<std::string> CReportCollector::NamedFiles() const {
    std::vector<std::string> files;
    for (const CAssertReport& report : m_vecReports) {
        for (const CAssertReport::Value& value : report.values) {
            if (value.name == "m_sFileName") {
                files.push_back(value.text);
            }
        }
    }
    return files;
}

void CReportCollector::PrintAll() const {
    for (const CAssertReport& report : m_vecReports) {
        std::fprintf(stderr, "%s\n", report.ToLine().c_str());
    }
}

std::string ManagerFileProblem(const CReportCollector& reports, const CValidationManager* manager) {
    std::vector<std::string> files = reports.NamedFiles();
    if (manager) {
        files.push_back(manager->GetValidationFileName().str());
        files.push_back(manager->GetPanelConfigFileName().str());
    }
    return FirstValidationFileProblem(files);
}

} // namespace Vel::Tools
