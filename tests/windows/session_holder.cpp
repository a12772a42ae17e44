// Holds a Wine session open for a test script (tests/windows/wine_session.sh):
// says "ready" once it runs, then waits until its standard input is closed.
// While it lives the Wine server keeps running, so the test's programs start
// against a server that is up, never one that is shutting down; and the
// session's background processes (services, the desktop) inherit this
// program's output files instead of the test's pipes.
#include <cstdio>

int main() {
  std::puts("ready");
  std::fflush(stdout);
  char buffer[256];
  while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
  }
  return 0;
}
