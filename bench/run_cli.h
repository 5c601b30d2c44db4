// SPDX-License-Identifier: GPL-3.0-or-later
// velnora-cli started as a whole process once per benchmark iteration.
#pragma once

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

namespace velnora::bench {

// Starts VELNORA_CLI with `argv` (null-terminated, standard output to /dev/null)
// and waits for it; a failed start or a non-zero exit ends the benchmark.
inline void RunCli(benchmark::State& state, const char* const* argv) {
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", 0x1 /* O_WRONLY */, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, VELNORA_CLI, &quiet, nullptr, const_cast<char**>(argv), nullptr) !=
            0) {
            state.SkipWithError("cannot start velnora-cli");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("velnora-cli failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&quiet);
}

}  // namespace velnora::bench
