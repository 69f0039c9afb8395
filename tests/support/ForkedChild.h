#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <optional>

// Runs a piece of a test in a forked child, under limits the test process itself must not
// take on: a file-size limit that makes every write past it fail as on a full disk, or
// another user, so that folder permissions hold even when the tests run as root.

struct ChildLimits {
  // RLIMIT_FSIZE in bytes. SIGXFSZ is ignored, so an over-limit write fails with EFBIG
  // instead of killing the child.
  std::optional<rlim_t> maxFileBytes;
  // Switch to this user and group first (needs root).
  std::optional<uid_t> user;
  std::optional<gid_t> group;
  unsigned timeoutSeconds = 60;  // a hung child is killed by SIGALRM
};

struct ChildOutcome {
  bool exited = false;  // ended through exit, not a signal
  int code = -1;        // its exit code
  int signal = 0;       // or the signal that ended it
};

// The exit code of a child that could not take on its limits.
inline constexpr int kChildSetupFailed = 125;

// The child exits with body's result through _exit, so neither the test framework nor any
// destructor of the parent's objects runs twice.
inline ChildOutcome RunInChild(const std::function<int()>& body, const ChildLimits& limits = {}) {
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) return {};
  if (pid == 0) {
    alarm(limits.timeoutSeconds);
    if (limits.maxFileBytes) {
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{*limits.maxFileBytes, *limits.maxFileBytes};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(kChildSetupFailed);
    }
    if (limits.group && setgid(*limits.group) != 0) _exit(kChildSetupFailed);
    if (limits.user && setuid(*limits.user) != 0) _exit(kChildSetupFailed);
    const int code = body();
    std::fflush(nullptr);
    _exit(code);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
  }
  ChildOutcome outcome;
  outcome.exited = WIFEXITED(status);
  outcome.code = outcome.exited ? WEXITSTATUS(status) : -1;
  outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return outcome;
}
