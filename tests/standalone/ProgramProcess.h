#pragma once

// The program of this build running as a child process, its standard output
// collected line by line on a reader thread. The child inherits the
// environment (and so the test's temporary HOME).
#include <csignal>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace standalonetest
{
class ProgramProcess
{
public:
    explicit ProgramProcess (std::vector<std::string> arguments)
    {
        int fds[2];
        if (::pipe (fds) != 0)
            return;
        pid = ::fork();
        if (pid == 0)
        {
            ::dup2 (fds[1], STDOUT_FILENO);
            ::close (fds[0]);
            ::close (fds[1]);
            std::vector<char*> argv;
            for (auto& a : arguments)
                argv.push_back (a.data());
            argv.push_back (nullptr);
            ::execv (argv[0], argv.data());
            ::_exit (127);
        }
        ::close (fds[1]);
        if (pid < 0)
        {
            ::close (fds[0]);
            return;
        }
        readFd = fds[0];
        reader = std::thread ([this] { readLines(); });
    }

    ~ProgramProcess()
    {
        if (pid > 0 && ! exited)
        {
            ::kill (pid, SIGKILL);
            ::waitpid (pid, nullptr, 0);
        }
        if (reader.joinable())
            reader.join();
        if (readFd >= 0)
            ::close (readFd);
    }

    bool isStarted() const { return pid > 0; }

    std::vector<std::string> lines() const
    {
        std::lock_guard<std::mutex> lock (mutex);
        return collected;
    }

    bool hasLine (const std::string& line) const
    {
        for (const auto& l : lines())
            if (l == line)
                return true;
        return false;
    }

    std::string output() const
    {
        std::string all;
        for (const auto& l : lines())
            all += l + "\n";
        return all;
    }

    // Sends SIGINT and waits (up to timeoutMs) for the child to end; its exit code, or -1.
    int interruptAndWait (int timeoutMs)
    {
        if (pid <= 0)
            return -1;
        ::kill (pid, SIGINT);
        return waitForExit (timeoutMs);
    }

    // Waits (up to timeoutMs) for the child to end by itself; its exit code, or -1.
    int waitForExit (int timeoutMs)
    {
        if (pid <= 0)
            return -1;
        for (int waited = 0; waited < timeoutMs; waited += 10)
        {
            int status = 0;
            if (::waitpid (pid, &status, WNOHANG) == pid)
            {
                exited = true;
                if (reader.joinable())
                    reader.join();
                return WIFEXITED (status) ? WEXITSTATUS (status) : -1;
            }
            ::usleep (10000);
        }
        return -1;
    }

private:
    void readLines()
    {
        std::string line;
        char buffer[4096];
        for (;;)
        {
            const auto n = ::read (readFd, buffer, sizeof (buffer));
            if (n <= 0)
                break;
            std::lock_guard<std::mutex> lock (mutex);
            for (ssize_t i = 0; i < n; ++i)
            {
                if (buffer[i] == '\n')
                {
                    collected.push_back (line);
                    line.clear();
                }
                else
                    line += buffer[i];
            }
        }
    }

    pid_t pid = -1;
    int readFd = -1;
    bool exited = false;
    std::thread reader;
    mutable std::mutex mutex;
    std::vector<std::string> collected;
};
} // namespace standalonetest
