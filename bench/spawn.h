// SPDX-License-Identifier: GPL-3.0-or-later
// Times a program as a whole process: start it with its standard output thrown
// away, wait for it, and fail the benchmark on a start failure or a non-zero exit.
#pragma once

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

namespace velnora::bench {

// `argv` ends with nullptr; argv[0] is the program's path.
inline void TimeProcess(benchmark::State& state, const char* const argv[]) {
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", 0x1 /* O_WRONLY */, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &quiet, nullptr, const_cast<char**>(argv), nullptr) != 0) {
            state.SkipWithError("cannot start the program");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&quiet);
}

}  // namespace velnora::bench
