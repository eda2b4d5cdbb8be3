// The simulation twin of a design that zarn insert wrote: the Verilator
// model of it, driven through its four JTAG pads by OpenOCD's remote_bitbang
// driver over a TCP connection on 127.0.0.1.
//
// zarn sim compiles this file with Verilator's makefiles, beside the
// zarn_twin_design.h it writes for the design: the model's class (Vtwin),
// its user clocks and their ratios, and the values its other inputs hold.
// Plain C++ and POSIX: it is built where zarn runs, without Qt.
//
// Time is counted in OpenOCD's pin writes ('0' to '7'), not in wall-clock
// time. Each write sets TCK, TMS and TDI, then moves every user clock on by
// RATIO of its half periods; OpenOCD writes twice per TCK cycle, so RATIO
// is user-clock cycles per TCK cycle. A run is therefore the same for the
// same commands whatever the machine's speed, and nothing moves while
// OpenOCD is idle.
//
//   zarn_twin [--port N] [--time-limit SECONDS] [--clock NET:RATIO]... [--reconnect]
//
// --clock gives a clock that zarn sim built in another ratio for this run,
// so that a stopped or a slower clock needs no second build.
//
// One connection, then the twin ends: on 'Q', at the end of input (the
// connection closed), on SIGTERM, SIGINT or SIGHUP, or past the time limit;
// it says which on stderr. With --reconnect, 'Q' and the end of input end
// only the connection, and the design waits, as a board does, for the next
// OpenOCD.

#include "zarn_twin_design.h"

#include "verilated.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void noteStop(int signal)
{
    stopSignal = signal;
}

const char *signalName(int signal)
{
    switch (signal) {
    case SIGTERM:
        return "SIGTERM";
    case SIGINT:
        return "SIGINT";
    case SIGHUP:
        return "SIGHUP";
    default:
        return "a signal";
    }
}

// Exit statuses: a run that ended as asked, and one that ran out of time.
enum { Ended = 0, TimedOut = 1, Failed = 2 };

// The clocks zarn sim built in, each after a blank, and the line's end.
void printClockNames(FILE *to)
{
    for (int i = 0; i < zarn_twin::clockCount; ++i)
        std::fprintf(to, " %s", zarn_twin::clocks[i].name);
    std::fprintf(to, "%s\n", zarn_twin::clockCount > 0 ? "" : " none");
}

void usage(FILE *to, const char *program)
{
    std::fprintf(to,
                 "Usage: %s [--port N] [--time-limit SECONDS] [--clock NET:RATIO]... [--reconnect]\n"
                 "The simulation twin of %s: serves OpenOCD's remote_bitbang protocol on 127.0.0.1.\n"
                 "  --port N              the TCP port to listen on; 0 (the default) lets the system choose\n"
                 "  --time-limit SECONDS  end after SECONDS of wall-clock time (default 3600; 0: no limit)\n"
                 "  --clock NET:RATIO     run the clock NET at RATIO user-clock cycles per TCK cycle: N, P/Q or 0\n"
                 "  --reconnect           when OpenOCD quits or its connection closes, wait for the next one\n"
                 "It prints \"listening on 127.0.0.1:N\" once it listens.\n"
                 "Clocks:",
                 program, zarn_twin::topName);
    printClockNames(to);
}

bool parseNumber(const char *text, unsigned long max, unsigned long *value)
{
    if (*text < '0' || *text > '9')
        return false;
    errno = 0;
    char *end = nullptr;
    const unsigned long long number = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0' || number > max)
        return false;
    *value = static_cast<unsigned long>(number);
    return true;
}

// Each pin write costs an evaluation per user-clock edge: zarn sim takes
// no more than this many half periods per write, and neither does --clock.
const unsigned long maxRatio = 1024;
const unsigned long maxRatioTerm = 1000000;

struct Ratio
{
    unsigned long numerator;
    unsigned long denominator;
};

// RATIO as "N" or "P/Q".
bool parseRatio(const std::string &text, Ratio *ratio)
{
    const size_t slash = text.find('/');
    unsigned long p = 0;
    unsigned long q = 1;
    if (!parseNumber(text.substr(0, slash).c_str(), maxRatioTerm, &p)
        || (slash != std::string::npos && !parseNumber(text.substr(slash + 1).c_str(), maxRatioTerm, &q)) || q == 0 || p > maxRatio * q)
        return false;
    *ratio = {p, q};
    return true;
}

// The model and what moves it: the pads and the user clocks.
class Twin
{
public:
    explicit Twin(const std::vector<Ratio> &ratios)
        : m_context(new VerilatedContext)
        , m_model(new Vtwin(m_context.get()))
        , m_ratios(ratios)
        , m_phase(zarn_twin::clockCount, 0)
        , m_level(zarn_twin::clockCount, false)
    {
        zarn_twin::holdInputs(*m_model);
        for (int i = 0; i < zarn_twin::clockCount; ++i)
            zarn_twin::setClock(*m_model, i, false);
        m_model->tck_pad_i = 0;
        m_model->tms_pad_i = 0;
        m_model->tdi_pad_i = 0;
        evaluate();
    }
    ~Twin() { m_model->final(); }
    Twin(const Twin &) = delete;
    Twin &operator=(const Twin &) = delete;

    // One pin write: bit 2 TCK, bit 1 TMS, bit 0 TDI.
    void write(int pins)
    {
        m_model->tck_pad_i = (pins >> 2) & 1;
        m_model->tms_pad_i = (pins >> 1) & 1;
        m_model->tdi_pad_i = pins & 1;
        evaluate();
        ++m_writes;

        // Each clock's edges of this write, counted in whole half periods
        // of RATIO = numerator / denominator; the edges then come in rounds,
        // each round one edge of every clock that still has one, so that
        // clocks of one ratio keep their edges together.
        int most = 0;
        for (int i = 0; i < zarn_twin::clockCount; ++i) {
            const Ratio &ratio = m_ratios[i];
            m_phase[i] += ratio.numerator;
            m_edges[i] = static_cast<int>(m_phase[i] / ratio.denominator);
            m_phase[i] %= ratio.denominator;
            if (m_edges[i] > most)
                most = m_edges[i];
        }
        for (int round = 0; round < most; ++round) {
            for (int i = 0; i < zarn_twin::clockCount; ++i) {
                if (m_edges[i] > round) {
                    m_level[i] = !m_level[i];
                    zarn_twin::setClock(*m_model, i, m_level[i]);
                }
            }
            evaluate();
        }
    }

    char tdo()
    {
        ++m_reads;
        return m_model->tdo_pad_o ? '1' : '0';
    }

    unsigned long long writes() const { return m_writes; }
    unsigned long long reads() const { return m_reads; }

private:
    void evaluate()
    {
        m_model->eval();
        m_context->timeInc(1);
    }

    std::unique_ptr<VerilatedContext> m_context;
    std::unique_ptr<Vtwin> m_model;
    std::vector<Ratio> m_ratios;
    std::vector<unsigned long> m_phase;
    std::vector<bool> m_level;
    int m_edges[zarn_twin::clockCount > 0 ? zarn_twin::clockCount : 1] = {};
    unsigned long long m_writes = 0;
    unsigned long long m_reads = 0;
};

class Server
{
public:
    Server(Twin &twin, unsigned long timeLimit, bool reconnect)
        : m_twin(twin)
        , m_timeLimit(timeLimit)
        , m_reconnect(reconnect)
        , m_start(std::chrono::steady_clock::now())
    {
    }

    // Listens, and says so on stdout; false when it cannot.
    bool listenOn(unsigned long port)
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (m_listener < 0) {
            fail("cannot make a socket");
            return false;
        }
        const int yes = 1;
        // A port that a twin just left stays usable at once.
        ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<unsigned short>(port));
        // Loopback only: the twin takes commands from whoever connects.
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
            fail(("cannot listen on 127.0.0.1:" + std::to_string(port)).c_str());
            return false;
        }
        if (::listen(m_listener, 1) != 0) {
            fail("cannot listen");
            return false;
        }
        socklen_t length = sizeof address;
        if (::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
            fail("cannot tell the port");
            return false;
        }
        // Scripts wait for this line: it must leave at once, not when a buffer fills.
        std::printf("listening on 127.0.0.1:%u\n", unsigned(ntohs(address.sin_port)));
        std::fflush(stdout);
        return true;
    }

    // Serves one connection, or with --reconnect one after another; the exit status.
    int serve()
    {
        for (;;) {
            if (!wait(m_listener))
                return m_ending;
            const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0)
                return fail("cannot accept the connection");
            if (!m_reconnect) {
                ::close(m_listener);
                m_listener = -1;
            }
            const int yes = 1;
            // Each answer is a byte OpenOCD waits for: Nagle would hold it back.
            ::setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
            std::fprintf(stderr, "zarn twin: connected\n");
            std::string left;
            const int status = serveConnection(connection, &left);
            ::close(connection);
            if (left.empty())
                return status;
            if (!m_reconnect)
                return end(Ended, left);
            std::fprintf(stderr, "zarn twin: disconnected: %s; waiting for the next connection\n", left.c_str());
        }
    }

    ~Server()
    {
        if (m_listener >= 0)
            ::close(m_listener);
    }
    Server(const Server &) = delete;
    Server &operator=(const Server &) = delete;

private:
    // Serves @p connection until OpenOCD leaves, with why in @p left, or
    // until the run ends; the exit status.
    int serveConnection(int connection, std::string *left)
    {
        char input[65536];
        std::string answers;
        for (;;) {
            // Every answer owed goes out before the next wait: OpenOCD sends
            // up to 255 reads before it waits for theirs.
            if (!answers.empty()) {
                if (!sendAll(connection, answers))
                    return fail("the connection broke");
                answers.clear();
            }
            if (!wait(connection))
                return m_ending;
            const ssize_t got = ::recv(connection, input, sizeof input, 0);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return fail("the connection broke");
            if (got == 0) {
                *left = "end of input (the connection closed)";
                return Ended;
            }
            for (ssize_t i = 0; i < got; ++i) {
                const char command = input[i];
                if (command >= '0' && command <= '7') {
                    m_twin.write(command - '0');
                } else if (command == 'R') {
                    answers += m_twin.tdo();
                } else if (command == 'Q') {
                    sendAll(connection, answers);
                    *left = "OpenOCD quit (Q)";
                    return Ended;
                } else if (command == 'r' || command == 's' || command == 't' || command == 'u') {
                    // The reset lines: the design has no TRST or SRST pin.
                } else if (command == 'B' || command == 'b' || command == '\n' || command == '\r') {
                    // The LED, and line ends from a person at a terminal.
                } else if (!m_warned) {
                    std::fprintf(stderr, "zarn twin: ignoring the unknown command '%c' (and any other)\n", command);
                    m_warned = true;
                }
            }
        }
    }

    int fail(const char *what)
    {
        std::fprintf(stderr, "zarn twin: %s: %s\n", what, std::strerror(errno));
        return Failed;
    }

    int end(int status, const std::string &why)
    {
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
        std::fprintf(stderr, "zarn twin: ended: %s; %llu pin writes, %llu reads in %.1f s\n", why.c_str(), m_twin.writes(),
                     m_twin.reads(), seconds);
        return status;
    }

    // Until @p fd can be read: false, with the exit status in m_ending, when
    // a signal or the time limit ends the run first. The signals stay
    // blocked but while ppoll waits, so that none slips in between the
    // check and the wait.
    bool wait(int fd)
    {
        sigset_t open;
        sigemptyset(&open);
        for (;;) {
            if (stopSignal != 0) {
                m_ending = end(Ended, std::string(signalName(stopSignal)));
                return false;
            }
            timespec timeout = {1, 0};
            if (m_timeLimit > 0) {
                const auto limit = m_start + std::chrono::seconds(m_timeLimit);
                const auto now = std::chrono::steady_clock::now();
                if (now >= limit) {
                    m_ending = end(TimedOut, "the time limit of " + std::to_string(m_timeLimit) + " s passed");
                    return false;
                }
                const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(limit - now).count();
                if (left < 1000000000LL)
                    timeout = {0, static_cast<long>(left)};
            }
            pollfd watched = {fd, POLLIN, 0};
            const int ready = ::ppoll(&watched, 1, &timeout, &open);
            if (ready > 0)
                return true;
            if (ready < 0 && errno != EINTR) {
                m_ending = fail("cannot wait for OpenOCD");
                return false;
            }
        }
    }

    static bool sendAll(int connection, const std::string &bytes)
    {
        size_t sent = 0;
        while (sent < bytes.size()) {
            const ssize_t n = ::send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            sent += static_cast<size_t>(n);
        }
        return true;
    }

    Twin &m_twin;
    unsigned long m_timeLimit;
    bool m_reconnect;
    std::chrono::steady_clock::time_point m_start;
    int m_listener = -1;
    int m_ending = Ended;
    bool m_warned = false;
};

// What the command line asks for.
struct Options
{
    unsigned long port = 0;
    unsigned long timeLimit = 3600;
    bool reconnect = false;
    std::vector<Ratio> ratios;
};

// --clock NET:RATIO into @p ratios; false, having said why, where it is none.
bool parseClock(const std::string &value, std::vector<Ratio> *ratios)
{
    const size_t colon = value.rfind(':');
    int clock = -1;
    for (int c = 0; c < zarn_twin::clockCount && colon != std::string::npos; ++c) {
        if (value.compare(0, colon, zarn_twin::clocks[c].name) == 0 && std::strlen(zarn_twin::clocks[c].name) == colon)
            clock = c;
    }
    if (clock < 0) {
        std::fprintf(stderr, "zarn twin: --clock %s: give NET:RATIO, NET one of the clocks zarn sim built in:", value.c_str());
        printClockNames(stderr);
        return false;
    }
    if (!parseRatio(value.substr(colon + 1), &(*ratios)[clock])) {
        std::fprintf(stderr, "zarn twin: --clock %s: RATIO is user-clock cycles per TCK cycle: a whole number, a fraction P/Q "
                             "such as 1/4, or 0 for a stopped clock, at most %lu\n",
                     value.c_str(), maxRatio);
        return false;
    }
    return true;
}

// The command line into @p options: -1 to run, else the exit status.
int parseArguments(int argc, char **argv, Options *options)
{
    for (int i = 0; i < zarn_twin::clockCount; ++i)
        options->ratios.push_back({zarn_twin::clocks[i].numerator, zarn_twin::clocks[i].denominator});
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            usage(stdout, argv[0]);
            return Ended;
        }
        if (option == "--reconnect") {
            options->reconnect = true;
        } else if ((option == "--port" || option == "--time-limit") && i + 1 < argc) {
            const bool isPort = option == "--port";
            if (!parseNumber(argv[++i], isPort ? 65535 : 100000000, isPort ? &options->port : &options->timeLimit)) {
                std::fprintf(stderr, "zarn twin: %s %s: give %s\n", option.c_str(), argv[i],
                             isPort ? "a port number from 0 to 65535" : "a whole number of seconds");
                return Failed;
            }
        } else if (option == "--clock" && i + 1 < argc) {
            if (!parseClock(argv[++i], &options->ratios))
                return Failed;
        } else {
            std::fprintf(stderr, "zarn twin: unknown argument '%s'\n", argv[i]);
            usage(stderr, argv[0]);
            return Failed;
        }
    }
    return -1;
}

// The stop signals are noted, and let through only while the twin waits.
void blockStopSignals()
{
    struct sigaction action = {};
    action.sa_handler = noteStop;
    sigemptyset(&action.sa_mask);
    sigset_t stops;
    sigemptyset(&stops);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal, &action, nullptr);
        sigaddset(&stops, signal);
    }
    sigprocmask(SIG_BLOCK, &stops, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

// Said once, so that a log shows how the run went.
void sayClocks(const std::vector<Ratio> &ratios)
{
    std::fprintf(stderr, "zarn twin: %s, user-clock cycles per TCK cycle:", zarn_twin::topName);
    for (int i = 0; i < zarn_twin::clockCount; ++i) {
        if (ratios[i].denominator == 1)
            std::fprintf(stderr, " %s %lu", zarn_twin::clocks[i].name, ratios[i].numerator);
        else
            std::fprintf(stderr, " %s %lu/%lu", zarn_twin::clocks[i].name, ratios[i].numerator, ratios[i].denominator);
    }
    std::fprintf(stderr, "%s\n", zarn_twin::clockCount > 0 ? "" : " no clocks");
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    const int status = parseArguments(argc, argv, &options);
    if (status >= 0)
        return status;
    blockStopSignals();
    Verilated::commandArgs(1, argv);
    sayClocks(options.ratios);
    Twin twin(options.ratios);
    Server server(twin, options.timeLimit, options.reconnect);
    if (!server.listenOn(options.port))
        return Failed;
    return server.serve();
}
