// Measures, for two programs in turn (A B A B ...), the wall time from exec
// to the first mapping of a top-level window, told by the X server's
// MapNotify event on the root window, and the peak resident memory of each
// run once its window is up. Run it on an X server with no other clients and
// no window manager, so that the program's own window is mapped on the root.
// With a LAUNCHER (such as Wine's loader), each program is started through it.
//   startup_timer RUNS PROGRAM_A PROGRAM_B [LAUNCHER]
#include <fcntl.h>
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
#include <thread>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double milliseconds;
  long peakKilobytes;
};

// Starts `program`, waits for its first top-level window to be mapped, lets it
// finish drawing, then ends it and reads its peak resident memory.
Run Measure(xcb_connection_t* connection, const std::string& launcher, const std::string& program) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  if (!launcher.empty()) argv.push_back(const_cast<char*>(launcher.c_str()));
  argv.push_back(const_cast<char*>(program.c_str()));
  argv.push_back(nullptr);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    std::perror(program.c_str());
    std::exit(1);
  }
  double milliseconds = -1;
  alarm(60);  // no window after a minute (a window manager took the map, say): give up rather than hang
  while (milliseconds < 0) {
    std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_wait_for_event(connection), &std::free);
    if (!event) {
      std::fprintf(stderr, "lost the X connection\n");
      std::exit(1);
    }
    if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
    if (reinterpret_cast<xcb_map_notify_event_t*>(event.get())->override_redirect) continue;
    milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  alarm(0);
  posix_spawn_file_actions_destroy(&actions);

  std::this_thread::sleep_for(std::chrono::milliseconds(400));  // the first paint, not part of the time
  kill(pid, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  return {milliseconds, usage.ru_maxrss};
}

template <class T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM_A PROGRAM_B [LAUNCHER]\n", argv[0]);
    return 2;
  }
  const std::string launcher = argc == 5 ? argv[4] : "";
  const int runs = std::atoi(argv[1]);
  const std::string programs[2] = {argv[2], argv[3]};

  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "no X server\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);

  std::vector<double> times[2];
  std::vector<long> peaks[2];
  Measure(connection, launcher, programs[0]);  // warms the file cache; not counted
  Measure(connection, launcher, programs[1]);
  for (int run = 0; run < runs; ++run) {
    for (int which = 0; which < 2; ++which) {
      const Run result = Measure(connection, launcher, programs[which]);
      times[which].push_back(result.milliseconds);
      peaks[which].push_back(result.peakKilobytes);
    }
  }
  xcb_disconnect(connection);

  for (int which = 0; which < 2; ++which) {
    std::printf("%-40s start-up median %7.1f ms (min %6.1f, max %6.1f)   peak RSS median %6.1f MiB\n",
                programs[which].c_str(), Median(times[which]),
                *std::min_element(times[which].begin(), times[which].end()),
                *std::max_element(times[which].begin(), times[which].end()), Median(peaks[which]) / 1024.0);
  }
  std::printf("ratio A/B over %d interleaved runs each: start-up %.2f, memory %.2f\n", runs,
              Median(times[0]) / Median(times[1]),
              static_cast<double>(Median(peaks[0])) / static_cast<double>(Median(peaks[1])));
  return 0;
}
