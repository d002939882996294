#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "author/run_program.h"

namespace zorvik::author {

ProgramRun SystemRunner::Run(const std::string& program, const std::vector<std::string>& args) {
  ProgramRun run;
  int out[2], failure[2];
  if (pipe(out) != 0) {
    run.error = std::strerror(errno);
    return run;
  }
  if (pipe2(failure, O_CLOEXEC) != 0) {
    run.error = std::strerror(errno);
    close(out[0]);
    close(out[1]);
    return run;
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args)
    argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid == 0) {
    close(out[0]);
    close(failure[0]);
    dup2(out[1], STDOUT_FILENO);
    dup2(out[1], STDERR_FILENO);
    close(out[1]);
    execvp(program.c_str(), argv.data());
    const int e = errno;
    ssize_t ignored = write(failure[1], &e, sizeof e);
    (void)ignored;
    _exit(127);
  }
  close(out[1]);
  close(failure[1]);
  if (pid < 0) {
    run.error = std::strerror(errno);
    close(out[0]);
    close(failure[0]);
    return run;
  }
  char buf[4096];
  ssize_t n;
  while ((n = read(out[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR)) {
    if (n > 0) run.output.append(buf, static_cast<size_t>(n));
  }
  close(out[0]);
  int execError = 0;
  const bool execFailed = read(failure[0], &execError, sizeof execError) == sizeof execError;
  close(failure[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (execFailed) {
    run.error = std::strerror(execError);
    return run;
  }
  run.started = true;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

}  // namespace zorvik::author
