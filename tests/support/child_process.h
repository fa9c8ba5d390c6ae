// SPDX-FileCopyrightText: 2026 Kestrune developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace kestrune::test {

// Runs body in a forked child, which may be limited, made an ordinary user or killed without
// touching the test program, and returns the text body returns, or how the child ended when it
// did not get that far ("killed by signal 6").
inline std::string inChild(const std::function<std::string()>& body) {
    int ends[2] = {-1, -1};
    const pid_t child = ::pipe(ends) == 0 ? ::fork() : -1;
    if (child == 0) {
        const std::string text = body();
        ::_exit(::write(ends[1], text.data(), text.size()) < 0 ? 1 : 0);
    }
    ::close(ends[1]);
    std::string text;
    std::string chunk(4096, '\0');
    for (ssize_t got = 0; (got = ::read(ends[0], chunk.data(), chunk.size())) > 0;)
        text.append(chunk, 0, static_cast<std::size_t>(got));
    ::close(ends[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return "no child process";
    return WIFSIGNALED(status) ? "killed by signal " + std::to_string(WTERMSIG(status)) : text;
}

} // namespace kestrune::test
