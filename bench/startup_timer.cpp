// Measures, for programs in turn (A B C A B C ...), the wall time from exec
// to the first mapping of a top-level window, told by the X server's
// MapNotify event on the root window, and the peak resident memory of each
// run once its window is up; then the ratios of the first program to each of
// the others. Run it on an X server with no other clients and no window
// manager, so that each program's own window is mapped on the root. With a
// launcher (such as Wine's loader), each program is started through it.
//   startup_timer [--launcher LAUNCHER] RUNS PROGRAM_A PROGRAM_B...
// A program that ends before it shows a window, or shows none within a
// minute, ends the measurement at once, with a line saying which: with the
// program's own status, or 1.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
  double milliseconds;
  long peakKilobytes;
};

// The status of an ended child, as a shell gives it.
int ExitStatus(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

// Whether the X server reported a top-level window mapped, reading what it
// sent; waits at most `timeout` for something to read.
bool WindowMapped(xcb_connection_t* connection, std::chrono::milliseconds timeout) {
  pollfd ready{xcb_get_file_descriptor(connection), POLLIN, 0};
  poll(&ready, 1, static_cast<int>(timeout.count()));
  while (const auto event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>(xcb_poll_for_event(connection),
                                                                                       &std::free)) {
    if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
    if (!reinterpret_cast<xcb_map_notify_event_t*>(event.get())->override_redirect) return true;
  }
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "startup_timer: lost the X connection\n");
    std::exit(1);
  }
  return false;
}

// Starts `program`, waits for its first top-level window to be mapped, lets
// it finish drawing, then ends it and reads its peak resident memory.
Run Measure(xcb_connection_t* connection, const std::string& launcher, const std::string& program) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  // Its errors, to say why where it ends before it shows a window.
  char errors[] = "/tmp/startup_timer.XXXXXX";
  close(mkstemp(errors));
  posix_spawn_file_actions_addopen(&actions, 2, errors, O_WRONLY | O_TRUNC, 0);
  std::vector<char*> argv;
  if (!launcher.empty()) argv.push_back(const_cast<char*>(launcher.c_str()));
  argv.push_back(const_cast<char*>(program.c_str()));
  argv.push_back(nullptr);

  const auto start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    std::perror(argv[0]);
    std::exit(1);
  }
  posix_spawn_file_actions_destroy(&actions);
  while (!WindowMapped(connection, std::chrono::milliseconds(10))) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      std::fprintf(stderr, "startup_timer: %s ended with status %d before it showed a window; it said:\n", program.c_str(),
                   ExitStatus(status));
      if (FILE* const said = std::fopen(errors, "r")) {
        for (int c; (c = std::fgetc(said)) != EOF;) std::fputc(c, stderr);
        std::fclose(said);
      }
      std::remove(errors);
      std::exit(ExitStatus(status) == 0 ? 1 : ExitStatus(status));
    }
    if (Clock::now() - start > std::chrono::minutes(1)) {
      std::fprintf(stderr, "startup_timer: %s showed no window within a minute\n", program.c_str());
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      std::remove(errors);
      std::exit(1);
    }
  }
  const double milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  std::remove(errors);

  std::this_thread::sleep_for(std::chrono::milliseconds(400));  // the first paint, not part of the time
  kill(pid, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  // What the X server and a launcher's own server still do for the program
  // that ended is done before the next one starts.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  return {milliseconds, usage.ru_maxrss};
}

template <class T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string_view BaseName(std::string_view path) { return path.substr(path.find_last_of('/') + 1); }

}  // namespace

int main(int argc, char* argv[]) {
  std::string launcher;
  int first = 1;
  if (argc > 2 && std::string_view(argv[1]) == "--launcher") {
    launcher = argv[2];
    first = 3;
  }
  if (argc - first < 3) {
    std::fprintf(stderr, "usage: %s [--launcher LAUNCHER] RUNS PROGRAM_A PROGRAM_B...\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[first]);
  const std::vector<std::string> programs(argv + first + 1, argv + argc);

  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "startup_timer: no X server\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);

  std::vector<std::vector<double>> times(programs.size());
  std::vector<std::vector<long>> peaks(programs.size());
  for (const std::string& program : programs) Measure(connection, launcher, program);  // warms the file cache
  // How far it has come, on standard error: a run under Wine takes seconds.
  std::fprintf(stderr, "startup_timer: %d runs of %zu programs\n", runs, programs.size());
  for (int run = 0; run < runs; ++run) {
    for (std::size_t which = 0; which < programs.size(); ++which) {
      const Run result = Measure(connection, launcher, programs[which]);
      times[which].push_back(result.milliseconds);
      peaks[which].push_back(result.peakKilobytes);
    }
    if ((run + 1) % 10 == 0 || run + 1 == runs) std::fprintf(stderr, "startup_timer: %d of %d runs done\n", run + 1, runs);
  }
  xcb_disconnect(connection);

  for (std::size_t which = 0; which < programs.size(); ++which) {
    std::printf("%-32s start-up median %7.1f ms (min %6.1f, max %6.1f)   peak RSS median %6.1f MiB\n",
                std::string(BaseName(programs[which])).c_str(), Median(times[which]),
                *std::min_element(times[which].begin(), times[which].end()),
                *std::max_element(times[which].begin(), times[which].end()), Median(peaks[which]) / 1024.0);
  }
  // Start-up as the median of each run's ratio: a run and its neighbours see
  // the same load on the machine, which the ratio of two medians would not.
  for (std::size_t which = 1; which < programs.size(); ++which) {
    std::vector<double> ratios;
    for (int run = 0; run < runs; ++run) ratios.push_back(times[0][run] / times[which][run]);
    std::printf("ratio to %s over %d interleaved runs each: start-up %.2f, memory %.2f\n",
                std::string(BaseName(programs[which])).c_str(), runs, Median(ratios),
                static_cast<double>(Median(peaks[0])) / static_cast<double>(Median(peaks[which])));
  }
  return 0;
}
