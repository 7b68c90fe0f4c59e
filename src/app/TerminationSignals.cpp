#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kSinais = {SIGTERM, SIGINT, SIGHUP};

// One pipe for the process: a signal can arrive at any moment, and the
// handler may only touch what is async-signal-safe.
int g_pipe[2] = {-1, -1};
std::atomic<bool> g_requested{false};
struct sigaction g_anteriores[kSinais.size()];

extern "C" void aoReceberSinal(int sinal)
{
    const int salvo = errno;
    g_requested.store(true);
    const char byte = static_cast<char>(sinal);
    // a full pipe already holds a request: losing this byte loses nothing
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = salvo;
}

bool abrirPipe()
{
    if (g_pipe[0] >= 0)
        return true;
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return false;
    }
    return true;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
}

TerminationSignals::~TerminationSignals()
{
    if (!m_installed)
        return;
    for (std::size_t i = 0; i < kSinais.size(); ++i)
        ::sigaction(kSinais[i], &g_anteriores[i], nullptr);
}

bool TerminationSignals::install()
{
    if (!abrirPipe())
        return false;
    if (!m_notifier) {
        m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    }
    struct sigaction acao = {};
    acao.sa_handler = aoReceberSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    bool ok = true;
    for (std::size_t i = 0; i < kSinais.size(); ++i) {
        struct sigaction anterior = {};
        if (::sigaction(kSinais[i], &acao, &anterior) != 0) {
            ok = false;
            continue;
        }
        // the first install keeps what was there before, for the destructor
        if (!m_installed)
            g_anteriores[i] = anterior;
    }
    m_installed = true;
    return ok;
}

void TerminationSignals::endWithin(int ms, const QString &socketFile)
{
    static std::atomic<bool> armado{false};
    if (armado.exchange(true))
        return;
    const QByteArray socket = socketFile.toLocal8Bit();
    std::thread([ms, socket] {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        if (!socket.isEmpty())
            ::unlink(socket.constData());
        std::_Exit(0);
    }).detach();
}

bool TerminationSignals::requested()
{
    return g_requested.load();
}

void TerminationSignals::resetRequested()
{
    g_requested.store(false);
}

void TerminationSignals::readPipe()
{
    char bytes[16];
    int ultimo = 0;
    ssize_t n = 0;
    while ((n = ::read(g_pipe[0], bytes, sizeof bytes)) > 0)
        ultimo = static_cast<unsigned char>(bytes[n - 1]);
    if (ultimo != 0)
        emit terminationRequested(ultimo);
}
