#pragma once

// Runs one of our command-line tools in a test and collects its exit status and output.

#include "tempdir.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Starts `program` with `args`; stdout and stderr go to files in `dir`.
class ToolProcess {
public:
    ToolProcess(const char* program, const TempDir& dir, std::vector<std::string> args) : m_dir(dir)
    {
        args.insert(args.begin(), program);
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, OutPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, ErrPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
    }

    [[nodiscard]] pid_t Pid() const noexcept { return m_pid; }

    Outcome Wait()
    {
        Outcome outcome;
        int status = 0;
        if (m_pid > 0 && waitpid(m_pid, &status, 0) == m_pid && WIFEXITED(status)) {
            outcome.exitCode = WEXITSTATUS(status);
        }
        outcome.out = ReadAll(OutPath());
        outcome.err = ReadAll(ErrPath());
        return outcome;
    }

private:
    std::string OutPath() const { return m_dir.Folder() + "stdout.txt"; }
    std::string ErrPath() const { return m_dir.Folder() + "stderr.txt"; }

    const TempDir& m_dir;
    pid_t m_pid = -1;
};

