// Times whole programs from outside, for figures no in-process benchmark can give:
// the time from starting a program to its window on the screen, the resident
// memory of a program once its window is shown, and the wall time of a program run
// to its end.
//
//   vendrel-bench-processes (--shown | --wall) [--memory] [--runs N] [--settle MS]
//                           [--summary FILE] [--log FILE]
//                           --run NAME PROGRAM [ARGUMENTS...] --end
//                           [--run NAME PROGRAM [ARGUMENTS...] --end ...]
//
// --shown: the program prints "shown <steady clock nanoseconds>" once its window is
// on the screen (the editor and the empty window do when VENDREL_REPORT_SHOWN is
// set); the time from just before the program is started to that moment is one
// sample. The program is then ended with SIGTERM. With --memory, VmRSS and VmHWM
// are read from /proc after the window has been shown for --settle milliseconds.
// --wall: one sample is the program's whole run, start to exit; a run that fails
// stops the measurement. With --memory, also the peak resident memory of the run
// (the kernel's ru_maxrss).
//
// Every program runs once unmeasured (so the page cache and the font cache are
// warm for all alike), then the programs take turns, so a load that comes and goes
// on a shared machine falls on each of them alike. The median of each figure goes
// to stdout and, as "<name> <figure> <value>" lines, to the summary file. What the
// programs write on stderr goes to the log file when one is named.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Command
{
    std::string name;
    std::vector<std::string> arguments;
    std::map<std::string, std::vector<double>> samples;
};

struct Options
{
    bool shown = false;
    bool wall = false;
    bool memory = false;
    int runs = 5;
    int settleMilliseconds = 300;
    std::string summary;
    std::string log;
    std::vector<Command> commands;
};

// Where the programs' stderr goes; empty: where this program's goes.
std::string logFile;

[[noreturn]] void fail(const std::string& message)
{
    std::fprintf(stderr, "vendrel-bench-processes: %s%s\n", message.c_str(),
                 logFile.empty() ? "" : (" (see " + logFile + ")").c_str());
    std::exit(2);
}

double nanosecondsNow()
{
    return static_cast<double>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
            .count());
}

Options parse(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                fail(argument + " needs a value");
            return argv[++i];
        };
        if (argument == "--shown") {
            options.shown = true;
        } else if (argument == "--wall") {
            options.wall = true;
        } else if (argument == "--memory") {
            options.memory = true;
        } else if (argument == "--runs") {
            options.runs = std::atoi(value().c_str());
        } else if (argument == "--settle") {
            options.settleMilliseconds = std::atoi(value().c_str());
        } else if (argument == "--summary") {
            options.summary = value();
        } else if (argument == "--log") {
            options.log = value();
        } else if (argument == "--run") {
            Command command;
            command.name = value();
            while (++i < argc && std::string(argv[i]) != "--end")
                command.arguments.emplace_back(argv[i]);
            if (command.arguments.empty())
                fail("--run " + command.name + " names no program");
            options.commands.push_back(std::move(command));
        } else {
            fail("unknown argument " + argument);
        }
    }
    if (options.shown == options.wall)
        fail("choose one of --shown and --wall");
    if (options.runs < 1)
        fail("--runs must be at least 1");
    if (options.commands.empty())
        fail("name at least one program with --run");
    return options;
}

// Starts the program with its stdout on a pipe (for --shown) or on /dev/null.
pid_t start(const Command& command, int* outputFd, bool pipeOutput)
{
    std::vector<char*> argv;
    for (const std::string& argument : command.arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeFds[2] = {-1, -1};
    if (pipeOutput) {
        if (::pipe(pipeFds) != 0)
            fail("cannot make a pipe");
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    if (!logFile.empty())
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, logFile.c_str(),
                                         O_WRONLY | O_CREAT | O_APPEND, 0644);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (pipeOutput)
        ::close(pipeFds[1]);
    if (error != 0)
        fail("cannot start " + command.arguments.front() + ": " + std::strerror(error));
    if (outputFd)
        *outputFd = pipeFds[0];
    return pid;
}

// Waits for the line "shown <nanoseconds>"; 0 when the program ends or says nothing
// in time.
double readShown(int fd, pid_t pid)
{
    std::string buffer;
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while (Clock::now() < deadline) {
        pollfd poller = {fd, POLLIN, 0};
        const int ready = ::poll(&poller, 1, 1000);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0)
            continue;
        char chunk[512];
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got <= 0)
            break;
        buffer.append(chunk, static_cast<size_t>(got));
        std::size_t lineEnd;
        while ((lineEnd = buffer.find('\n')) != std::string::npos) {
            const std::string line = buffer.substr(0, lineEnd);
            buffer.erase(0, lineEnd + 1);
            if (line.rfind("shown ", 0) == 0)
                return std::strtod(line.c_str() + 6, nullptr);
        }
    }
    std::fprintf(stderr, "vendrel-bench-processes: process %d never reported its window\n",
                 static_cast<int>(pid));
    return 0.0;
}

// VmRSS and VmHWM of a running process, in MB (2^20 bytes).
void readMemory(pid_t pid, double* rss, double* hwm)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string key;
        double kilobytes = 0.0;
        fields >> key >> kilobytes;
        if (key == "VmRSS:")
            *rss = kilobytes / 1024.0;
        else if (key == "VmHWM:")
            *hwm = kilobytes / 1024.0;
    }
}

int finish(pid_t pid, bool terminate, struct rusage* usage = nullptr)
{
    struct rusage ignored;
    if (terminate)
        ::kill(pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    int status = 0;
    for (;;) {
        const pid_t done = ::wait4(pid, &status, WNOHANG, usage ? usage : &ignored);
        if (done == pid)
            return status;
        if (done < 0)
            return -1;
        if (Clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return status;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void runShown(const Options& options, Command& command, bool record)
{
    int fd = -1;
    const double before = nanosecondsNow();
    const pid_t pid = start(command, &fd, true);
    const double shown = readShown(fd, pid);
    double rss = 0.0;
    double hwm = 0.0;
    if (shown > 0.0 && options.memory) {
        std::this_thread::sleep_for(std::chrono::milliseconds(options.settleMilliseconds));
        readMemory(pid, &rss, &hwm);
    }
    finish(pid, true);
    ::close(fd);
    if (shown <= 0.0)
        fail(command.name + " did not report its window");
    if (!record)
        return;
    command.samples["shown_ms"].push_back((shown - before) / 1e6);
    if (options.memory) {
        command.samples["vmrss_mb"].push_back(rss);
        command.samples["vmhwm_mb"].push_back(hwm);
    }
}

void runWall(const Options& options, Command& command, bool record)
{
    const double before = nanosecondsNow();
    const pid_t pid = start(command, nullptr, false);
    struct rusage usage = {};
    const int status = finish(pid, false, &usage);
    const double after = nanosecondsNow();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(command.name + " failed");
    if (!record)
        return;
    command.samples["wall_ms"].push_back((after - before) / 1e6);
    // The peak of the program's whole run, as the kernel counted it.
    if (options.memory)
        command.samples["maxrss_mb"].push_back(usage.ru_maxrss / 1024.0);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char* argv[])
{
    // A program that ends before its output is read must not end this one.
    std::signal(SIGPIPE, SIG_IGN);
    Options options = parse(argc, argv);
    logFile = options.log;

    for (int run = -1; run < options.runs; ++run) {
        for (Command& command : options.commands) {
            if (options.shown)
                runShown(options, command, run >= 0);
            else
                runWall(options, command, run >= 0);
        }
    }

    std::ofstream summary;
    if (!options.summary.empty()) {
        summary.open(options.summary, std::ios::app);
        if (!summary)
            fail("cannot write " + options.summary);
    }
    for (const Command& command : options.commands) {
        for (const auto& [figure, values] : command.samples) {
            const double value = median(values);
            std::printf("%-24s %-10s median %10.2f  (min %.2f, max %.2f, %zu runs)\n",
                        command.name.c_str(), figure.c_str(), value,
                        *std::min_element(values.begin(), values.end()),
                        *std::max_element(values.begin(), values.end()), values.size());
            if (summary)
                summary << command.name << ' ' << figure << ' ' << value << '\n';
        }
    }
    return 0;
}
